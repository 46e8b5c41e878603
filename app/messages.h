#pragma once
#include <span>
#include <string_view>

namespace lexorin {

// The texts of every message box, in both interface languages. Row n of the
// two tables is the same message.
enum class Message {
  ConfigureSelectableFirst = 0,
  DefaultSettingsDone = 1,
  WordSaved = 2,
  IncreaseVirtualMemory = 3,
  WordDeleted = 4,
  IncorrectFile = 5,
  ChooseDefaultSettings = 6,
};

enum class InterfaceLanguage { Vietnamese, English };

inline constexpr std::string_view kMessageCaption = "tavrel";
inline constexpr std::string_view kReadFileError = "Read File Error";

std::span<const std::string_view, 7> MessageTable(InterfaceLanguage language);
std::string_view MessageText(Message message, InterfaceLanguage language);

}  // namespace lexorin
