#pragma once
// The record GlanceHook.dll sends to the main window with WM_COPYDATA
// (dwData 0, cbData 776, lpData the record). Plain C++, shared by the hook
// library (mingw) and the main program's receiving side.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace lexorin {

// Each text field holds a word of at most 255 units and its terminator.
inline constexpr std::size_t kCaptureTextUnits = 256;
inline constexpr std::size_t kCapturedWordMaxLength = kCaptureTextUnits - 1;

// Little-endian on both sides. Only the field named by wideFlag is written
// by a capture; the other keeps what an earlier capture left there.
struct CaptureRecord {
  char16_t wideText[kCaptureTextUnits];  // UTF-16, valid when wideFlag is 1
  char narrowText[kCaptureTextUnits];    // the capturing process's ANSI code page, valid when wideFlag is 0
  std::int32_t length;                   // without the terminator; receivers read up to the NUL instead
  std::uint8_t wideFlag;
  std::uint8_t padding[3];
};

static_assert(std::is_standard_layout_v<CaptureRecord> && std::is_trivially_copyable_v<CaptureRecord>);
static_assert(sizeof(CaptureRecord) == 776);
static_assert(offsetof(CaptureRecord, wideText) == 0);
static_assert(offsetof(CaptureRecord, narrowText) == 512);
static_assert(offsetof(CaptureRecord, length) == 768);
static_assert(offsetof(CaptureRecord, wideFlag) == 772);

inline constexpr std::uint32_t kCaptureRecordSize = sizeof(CaptureRecord);
inline constexpr std::uintptr_t kCaptureRecordCopyDataId = 0;  // COPYDATASTRUCT.dwData

// The window the record goes to, found by class name and title.
inline constexpr char kMainWindowClass[] = "TMainForm";
inline constexpr char kMainWindowTitle[] = "Lexorin";

// The text of a field up to its NUL, never beyond the field: a record that
// arrives from another process may lack the terminator.
inline std::u16string_view capturedWideText(const CaptureRecord& record) {
  std::u16string_view field(record.wideText, kCaptureTextUnits);
  return field.substr(0, field.find(u'\0'));
}

inline std::string_view capturedNarrowText(const CaptureRecord& record) {
  std::string_view field(record.narrowText, kCaptureTextUnits);
  return field.substr(0, field.find('\0'));
}

}  // namespace lexorin
