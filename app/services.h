#pragma once
#include <string_view>

#include "app/lookup_wiring.h"
#include "dictionary/catalogue.h"

namespace lexorin {

// Shows message boxes: one OK button, no icon, no owner window. Texts are
// UTF-8.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void Show(std::string_view caption, std::string_view text) = 0;
  // The same box, but the caller goes on at once: the render workers report
  // their failures this way, so typing is never held up by the box.
  virtual void ShowWithoutWaiting(std::string_view caption, std::string_view text) { Show(caption, text); }
};

// Looks a word up under its base form. Returns true when it found a base
// form and has selected and shown it itself; false leaves every list and
// pane as it was.
class BaseFormFinder {
 public:
  virtual ~BaseFormFinder() = default;
  virtual bool FindAndShow(BaseFormLanguage language, std::u16string_view word) = 0;
};

// Pronounces a text with the speaker chosen for a group.
class SpeechOutput {
 public:
  virtual ~SpeechOutput() = default;
  virtual void SpeakForGroup(GroupId group, std::u16string_view text) = 0;
};

// Switches the keyboard between the Russian and the US English layout.
class KeyboardLayoutSwitch {
 public:
  virtual ~KeyboardLayoutSwitch() = default;
  virtual void ToRussian() = 0;
  virtual void ToUsEnglish() = 0;
};

// What a program without speech or switchable layouts has.
class Silence final : public SpeechOutput {
 public:
  void SpeakForGroup(GroupId, std::u16string_view) override {}
};
class FixedKeyboardLayout final : public KeyboardLayoutSwitch {
 public:
  void ToRussian() override {}
  void ToUsEnglish() override {}
};

}  // namespace lexorin
