#pragma once
#include "app/services.h"

namespace lexorin {

// Shows each message in a modal box with an OK button, no icon and no owner.
class MessageBoxService final : public MessageService {
 public:
  void Show(std::string_view caption, std::string_view text) override;
  void ShowWithoutWaiting(std::string_view caption, std::string_view text) override;
};

}  // namespace lexorin
