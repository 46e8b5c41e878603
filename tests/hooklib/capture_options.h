#pragma once
// Writing the capture-mode values the hook procedures read, as the main
// program does.
#include <windows.h>

#include <initializer_list>
#include <utility>

namespace lexorin::hooklib::test {

// The value name and its REG_DWORD value; a value of kRemoveOption deletes it.
using CaptureOption = std::pair<const char*, DWORD>;
inline constexpr DWORD kRemoveOption = 0xFFFFFFFF;

void writeCaptureOptions(std::initializer_list<CaptureOption> options);

// Deletes all five values.
void removeCaptureOptions();

}  // namespace lexorin::hooklib::test
