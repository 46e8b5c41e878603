#pragma once
// The receiving end of captures in the tests: a window of the main program's
// class and title that keeps every record sent to it with WM_COPYDATA.
#include <windows.h>

#include <vector>

#include "capture/capture_record.h"

namespace lexorin::hooklib::test {

struct ReceivedRecord {
  WPARAM wParam;
  ULONG_PTR dataId;
  DWORD dataSize;
  CaptureRecord record;  // the first 776 bytes sent, zero-padded when fewer
};

class RecordReceiver {
 public:
  // Created hidden at `screenRect`; a capture shows and raises it.
  explicit RecordReceiver(RECT screenRect);
  ~RecordReceiver();
  RecordReceiver(const RecordReceiver&) = delete;
  RecordReceiver& operator=(const RecordReceiver&) = delete;

  HWND handle() const { return window_; }
  const std::vector<ReceivedRecord>& records() const { return records_; }
  void clear() { records_.clear(); }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  std::vector<ReceivedRecord> records_;
};

}  // namespace lexorin::hooklib::test
