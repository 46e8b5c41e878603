#pragma once
#include <string_view>

#include "app/messages.h"
#include "app/services.h"

namespace lexorin {

class MainForm;

// The interface language: the caption tables applied to the menus, the
// switch GiaodintingAnh1 (checked: English) and every message box of the
// program, which takes its text from the table of the current language.
class LanguageController {
 public:
  LanguageController(MainForm& form, MessageService& messages);

  InterfaceLanguage Current() const;
  void GiaodintingAnh1Click();
  void ApplyInterfaceTable(InterfaceLanguage language);

  enum class Waiting { Yes, No };
  void ShowTableMessage(Message message, Waiting waiting = Waiting::Yes);
  void ShowFixedMessage(std::string_view text, Waiting waiting = Waiting::Yes);

 private:
  MainForm& form_;
  MessageService& messages_;
};

}  // namespace lexorin
