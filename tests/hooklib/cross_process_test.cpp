#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "hooklib/capture_settings.h"
#include "tests/hooklib/capture_options.h"
#include "tests/hooklib/record_receiver.h"
#include "tests/hooklib/test_window.h"

// Across processes: this program plays the main program. Its window of class
// "TMainForm" titled "Lexorin" receives the records; it installs
// GlanceHook.dll's procedures as hooks for all threads, starts the target
// program, and clicks and types with xdotool on the X server Wine draws to.
// Every action ends with a left click on the target; once the target reports
// it, everything the action caused has happened.

using namespace lexorin;
using namespace lexorin::hooklib;
using namespace lexorin::hooklib::test;

namespace {

constexpr DWORD kTimeoutMs = 15000;

std::string besideThisProgram(const char* fileName) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string result(path);
  return result.substr(0, result.find_last_of("\\/") + 1) + fileName;
}

// The target program, its report lines and the points it announced.
class TargetProgram {
 public:
  TargetProgram() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE writeEnd = nullptr;
    REQUIRE(CreatePipe(&output_, &writeEnd, &inherit, 0));
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::string command = "\"" + besideThisProgram("hooklib_glance_target.exe") + "\"";
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process_);
    CloseHandle(writeEnd);
    REQUIRE(started);
  }

  ~TargetProgram() {
    if (window_ != nullptr) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    CloseHandle(output_);
  }

  // Reads whatever the target has written so far.
  void poll() {
    DWORD available = 0;
    while (PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
      char buffer[512];
      DWORD read = 0;
      if (!ReadFile(output_, buffer, std::min<DWORD>(available, sizeof buffer), &read, nullptr)) return;
      pending_.append(buffer, read);
    }
    for (std::size_t end; (end = pending_.find('\n')) != std::string::npos; pending_.erase(0, end + 1)) {
      std::string line = pending_.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      parse(line);
    }
  }

  bool announced() const { return window_ != nullptr && points_.size() == 3; }
  POINT point(const std::string& name) const { return points_.at(name); }
  int seen(const std::string& event) const {
    const auto found = events_.find(event);
    return found == events_.end() ? 0 : found->second;
  }

 private:
  void parse(const std::string& line) {
    std::istringstream words(line);
    std::string kind;
    words >> kind;
    if (kind == "window") {
      unsigned long long handle = 0;
      words >> handle;
      window_ = reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle));
    } else if (kind == "point") {
      std::string name;
      POINT p{};
      words >> name >> p.x >> p.y;
      points_[name] = p;
    } else {
      ++events_[kind];
    }
  }

  PROCESS_INFORMATION process_{};
  HANDLE output_ = nullptr;
  std::string pending_;
  HWND window_ = nullptr;
  std::map<std::string, POINT> points_;
  std::map<std::string, int> events_;
};

// Starts xdotool on the Unix side; Wine runs a Unix program named by its path.
void xdotool(const std::string& actions) {
  std::string command = std::string(LEXORIN_XDOTOOL) + " " + actions;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  REQUIRE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  if (process.hThread != nullptr) CloseHandle(process.hThread);
}

std::string moveTo(POINT p) { return "mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " "; }

class MainProgram {
 public:
  MainProgram() {
    removeCaptureOptions();
    library_ = LoadLibraryA("GlanceHook.dll");
    REQUIRE(library_ != nullptr);
    const auto isAlreadyInstalled =
        reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(library_, "IsAlreadyInstalled")));
    CHECK_FALSE(isAlreadyInstalled());  // the first copy in this Wine session
    const auto mouseProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library_, "MouseProc")));
    const auto keyboardProc =
        reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library_, "KeyboardProc")));
    mouseHook_ = SetWindowsHookExA(WH_MOUSE, mouseProc, library_, 0);
    keyboardHook_ = SetWindowsHookExA(WH_KEYBOARD, keyboardProc, library_, 0);
    REQUIRE(mouseHook_ != nullptr);
    REQUIRE(keyboardHook_ != nullptr);
    REQUIRE(waitUntil([this] { return target_.announced(); }));
  }

  ~MainProgram() {
    UnhookWindowsHookEx(mouseHook_);
    UnhookWindowsHookEx(keyboardHook_);
    removeCaptureOptions();
  }

  TargetProgram& target() { return target_; }
  const std::vector<ReceivedRecord>& records() const { return window_.records(); }
  void forgetRecords() { window_.clear(); }

  // A left click on blank space makes the target the active program (with
  // the keyboard focus) again after a capture has raised the main window.
  void activateTarget() { act(moveTo(target_.point("blank")) + "click 1 ", target_.point("blank")); }

  // Runs `actions` and a middle click at `end`, and waits until the target
  // has seen that click.
  void act(const std::string& actions, POINT end) {
    const int clicksBefore = target_.seen("mbuttondown");
    xdotool(actions + moveTo(end) + "click 2");
    REQUIRE(waitUntil([&] { return target_.seen("mbuttondown") == clicksBefore + 1; }));
  }

  // Keeps this thread answering (a capture's send waits for it) while it waits.
  bool waitUntil(const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > kTimeoutMs) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      pumpMessages();
      target_.poll();
    }
    return true;
  }

 private:
  RecordReceiver window_{RECT{700, 600, 900, 700}};
  HMODULE library_ = nullptr;
  HHOOK mouseHook_ = nullptr;
  HHOOK keyboardHook_ = nullptr;
  TargetProgram target_;
};

MainProgram& mainProgram() {
  static MainProgram instance;
  return instance;
}

void useRightClick(DWORD shiftAndRightMouse) {
  writeCaptureOptions({{kRightMouseValue, 1},
                       {kShiftAndRightMouseValue, shiftAndRightMouse},
                       {kCtrlAndRightMouseValue, 0},
                       {kHotKeyVirtualKeyValue, kRemoveOption},
                       {kHotKeyKeystrokeValue, kRemoveOption}});
}

}  // namespace

TEST_CASE("a right click on another program's word sends it, and that program sees no right click") {
  MainProgram& main = mainProgram();
  TargetProgram& target = main.target();
  useRightClick(0);
  const POINT blank = target.point("blank");

  main.forgetRecords();
  main.activateTarget();
  main.act(moveTo(target.point("world")) + "click 3 ", blank);
  REQUIRE(main.records().size() == 1);
  const ReceivedRecord& wide = main.records()[0];
  CHECK(wide.dataId == 0);
  CHECK(wide.dataSize == 776);
  CHECK(wide.record.wideFlag == 1);
  CHECK(wide.record.length == 5);
  CHECK(capturedWideText(wide.record) == u"world");

  main.forgetRecords();
  main.activateTarget();
  main.act(moveTo(target.point("morning")) + "click 3 ", blank);
  REQUIRE(main.records().size() == 1);
  const ReceivedRecord& narrow = main.records()[0];
  CHECK(narrow.record.wideFlag == 0);
  CHECK(narrow.record.length == 7);
  CHECK(capturedNarrowText(narrow.record) == "morning");

  main.forgetRecords();
  main.activateTarget();
  main.act(moveTo(blank) + "click 3 ", blank);
  CHECK(main.records().empty());

  CHECK(target.seen("rbuttondown") == 0);
  CHECK(target.seen("rbuttonup") == 0);
}

TEST_CASE("with Shift required, a plain right click reaches the program and a Shift right click captures") {
  MainProgram& main = mainProgram();
  TargetProgram& target = main.target();
  useRightClick(1);
  const POINT blank = target.point("blank");
  const int downsBefore = target.seen("rbuttondown");
  const int upsBefore = target.seen("rbuttonup");

  main.forgetRecords();
  main.activateTarget();
  main.act(moveTo(target.point("world")) + "click 3 ", blank);
  CHECK(main.records().empty());
  CHECK(target.seen("rbuttondown") == downsBefore + 1);
  CHECK(target.seen("rbuttonup") == upsBefore + 1);

  // As a hand does it: Shift goes down before the click and comes up only
  // after the target has read the button-up. The button is released once
  // the word has arrived.
  main.forgetRecords();
  main.activateTarget();
  main.act("keydown shift ", blank);
  xdotool(moveTo(target.point("world")) + "mousedown 3");
  INFO("the target saw " << target.seen("rbuttondown") - downsBefore << " more button-downs");
  REQUIRE(main.waitUntil([&] { return !main.records().empty(); }));
  main.act("mouseup 3 ", blank);
  main.act("keyup shift ", blank);
  REQUIRE(main.records().size() == 1);
  CHECK(capturedWideText(main.records()[0].record) == u"world");
  CHECK(target.seen("rbuttondown") == downsBefore + 1);
  CHECK(target.seen("rbuttonup") == upsBefore + 1);
}

TEST_CASE("a press and release of the Ctrl hot key captures the word under the pointer once") {
  MainProgram& main = mainProgram();
  TargetProgram& target = main.target();
  writeCaptureOptions({{kRightMouseValue, 0},
                       {kShiftAndRightMouseValue, 0},
                       {kCtrlAndRightMouseValue, 0},
                       {kHotKeyVirtualKeyValue, VK_CONTROL},
                       {kHotKeyKeystrokeValue, 0x001D0001}});
  // The pointer stays on the word until the end: the keyboard path captures
  // at the cursor position when the key's message is read.
  main.forgetRecords();
  main.activateTarget();
  main.act(moveTo(target.point("world")) + "key ctrl ", target.point("world"));
  REQUIRE(main.records().size() == 1);
  CHECK(main.records()[0].record.wideFlag == 1);
  CHECK(capturedWideText(main.records()[0].record) == u"world");
}
