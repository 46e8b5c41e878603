#pragma once
// The word a capture cut out, and how it is packed into the record sent to
// the main window.
#include "capture/capture_record.h"

namespace lexorin::hooklib {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16");

struct CapturedWord {
  char narrow[kCaptureTextUnits] = {};
  wchar_t wide[kCaptureTextUnits] = {};
  int length = 0;  // 0 while the current capture has found nothing
  bool isWide = false;
};

// Writes the word into the record's field named by its kind, with its length
// and the wide flag. The other field keeps its content.
void fillCaptureRecord(CaptureRecord& record, const CapturedWord& word);

}  // namespace lexorin::hooklib
