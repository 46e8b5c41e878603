#include "app/render_slots.h"

#include <algorithm>
#include <system_error>

namespace lexorin {

bool RenderSlots::Start(int slot, Body body) {
  Worker& current = current_.at(static_cast<size_t>(slot - 1));
  if (current.thread.joinable()) {
    current.thread.request_stop();
    retired_.push_back(std::move(current));
    current = Worker{};
  }
  JoinFinishedRetired();
  auto finished = std::make_shared<std::atomic<bool>>(false);
  try {
    current.thread = std::jthread([body = std::move(body), finished](std::stop_token stop) {
      body(stop);
      finished->store(true, std::memory_order_release);
    });
  } catch (const std::system_error&) {
    return false;
  }
  current.finished = std::move(finished);
  return true;
}

void RenderSlots::JoinFinishedRetired() {
  std::erase_if(retired_, [](Worker& worker) {
    if (!worker.finished->load(std::memory_order_acquire)) return false;
    worker.thread.join();
    return true;
  });
}

void RenderSlots::StopAll() {
  for (Worker& worker : current_) {
    if (worker.thread.joinable()) worker.thread.request_stop();
  }
  for (Worker& worker : retired_) worker.thread.request_stop();
  for (Worker& worker : current_) {
    if (worker.thread.joinable()) worker.thread.join();
    worker = Worker{};
  }
  for (Worker& worker : retired_) worker.thread.join();
  retired_.clear();
}

}  // namespace lexorin
