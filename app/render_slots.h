#pragma once
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

namespace lexorin {

// The three render-worker slots. Starting a render in a slot asks the slot's
// worker to stop (it checks its stop token between characters) and starts a
// new worker at once; the caller never waits for the old one. Superseded
// workers are joined once they have finished, or at shutdown.
class RenderSlots {
 public:
  static constexpr int kSlotCount = 3;
  using Body = std::function<void(std::stop_token)>;

  RenderSlots() = default;
  ~RenderSlots() { StopAll(); }
  RenderSlots(const RenderSlots&) = delete;
  RenderSlots& operator=(const RenderSlots&) = delete;

  // slot is 1 to 3. Returns false when no thread could be created; the slot
  // then holds no worker.
  bool Start(int slot, Body body);

  // Asks every worker to stop and waits for all of them.
  void StopAll();

  // Workers that were replaced and have not been joined yet.
  size_t RetiredCount() const { return retired_.size(); }
  bool HasWorker(int slot) const { return current_.at(static_cast<size_t>(slot - 1)).thread.joinable(); }

 private:
  struct Worker {
    std::jthread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };
  void JoinFinishedRetired();

  std::array<Worker, kSlotCount> current_;
  std::vector<Worker> retired_;
};

}  // namespace lexorin
