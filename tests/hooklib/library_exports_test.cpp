#include <doctest/doctest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "hooklib/capture_settings.h"
#include "tests/hooklib/capture_options.h"
#include "tests/hooklib/record_receiver.h"
#include "tests/hooklib/test_window.h"
#include "tests/hooklib/two_runs.h"

// GlanceHook.dll itself, loaded into this process and called through its
// exports as the platform would call its hook procedures.

using namespace lexorin;
using namespace lexorin::hooklib;
using namespace lexorin::hooklib::test;

namespace {

class GlanceHookLibrary {
 public:
  GlanceHookLibrary() : module_(LoadLibraryA("GlanceHook.dll")) { REQUIRE(module_ != nullptr); }
  ~GlanceHookLibrary() { FreeLibrary(module_); }
  GlanceHookLibrary(const GlanceHookLibrary&) = delete;
  GlanceHookLibrary& operator=(const GlanceHookLibrary&) = delete;

  LRESULT mouseProc(int code, WPARAM message, POINT screenPoint) const {
    MOUSEHOOKSTRUCT mouse{};
    mouse.pt = screenPoint;
    return function<HOOKPROC>("MouseProc")(code, message, reinterpret_cast<LPARAM>(&mouse));
  }
  LRESULT keyboardProc(int code, WPARAM virtualKey, LPARAM keystroke) const {
    return function<HOOKPROC>("KeyboardProc")(code, virtualKey, keystroke);
  }
  BOOL isAlreadyInstalled() const { return function<BOOL(WINAPI*)()>("IsAlreadyInstalled")(); }
  BOOL setHook() const { return function<BOOL(WINAPI*)()>("SetHook")(); }
  BOOL unHook() const { return function<BOOL(WINAPI*)()>("UnHook")(); }

 private:
  template <class Function>
  Function function(const char* name) const {
    const FARPROC address = GetProcAddress(module_, name);
    REQUIRE(reinterpret_cast<void*>(address) != nullptr);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
  }
  HMODULE module_;
};

constexpr char kInstalledMarker[] = "gettext";
constexpr POINT kNowhere{-5000, -5000};

void setShiftAndCtrl(bool shiftDown, bool ctrlDown) {
  BYTE keys[256] = {};
  keys[VK_SHIFT] = shiftDown ? 0x80 : 0;
  keys[VK_CONTROL] = ctrlDown ? 0x80 : 0;
  SetKeyboardState(keys);
}

struct TextScene {
  HFONT font = createTextFont();
  TestWindow window{RECT{0, 0, 400, 120}, "hooklib text"};
  RecordReceiver mainWindow{RECT{600, 500, 800, 600}};

  TextScene() {
    window.setPainter([this](HDC dc) { paintTwoRuns(dc, font); });
    SetForegroundWindow(window.handle());
    SetActiveWindow(window.handle());
  }
  ~TextScene() { DeleteObject(font); }
  POINT onWorld() const { return pointOnWorld(window.handle(), font); }
  POINT onMorning() const { return pointOnMorning(window.handle(), font); }
};

}  // namespace

TEST_CASE("the library reports whether an earlier copy was loaded, and installs no hook itself") {
  REQUIRE(OpenEventA(SYNCHRONIZE, FALSE, kInstalledMarker) == nullptr);
  auto first = std::make_unique<GlanceHookLibrary>();
  CHECK_FALSE(first->isAlreadyInstalled());
  CHECK(first->setHook());
  CHECK_FALSE(first->unHook());

  // The marker outlives the first copy while something else holds it, as
  // when the first copy is loaded in another process.
  const HANDLE marker = OpenEventA(SYNCHRONIZE, FALSE, kInstalledMarker);
  REQUIRE(marker != nullptr);
  first.reset();
  GlanceHookLibrary second;
  CHECK(second.isAlreadyInstalled());
  CloseHandle(marker);
}

TEST_CASE("the mouse procedure's answer follows the capture modes and the message") {
  constexpr DWORD kMissing = kRemoveOption;
  struct Case {
    const char* what;
    DWORD rightMouse, shiftAndRightMouse, ctrlAndRightMouse;
    bool shiftDown, ctrlDown;
    WPARAM message;
    LRESULT expected;  // 1: discarded
  };
  const Case cases[] = {
      {"values missing", kMissing, kMissing, kMissing, false, false, WM_RBUTTONDOWN, 0},
      {"capture off", 0, 0, 0, false, false, WM_RBUTTONDOWN, 0},
      {"only 1 turns capture on", 2, 0, 0, false, false, WM_RBUTTONDOWN, 0},
      {"button-down", 1, 0, 0, false, false, WM_RBUTTONDOWN, 1},
      {"button-up", 1, 0, 0, false, false, WM_RBUTTONUP, 1},
      {"button-down in the frame", 1, 0, 0, false, false, WM_NCRBUTTONDOWN, 1},
      {"button-up in the frame", 1, 0, 0, false, false, WM_NCRBUTTONUP, 1},
      {"other messages go on", 1, 0, 0, false, false, WM_LBUTTONDOWN, 0},
      {"Shift required, Shift up", 1, 1, 0, false, false, WM_RBUTTONDOWN, 0},
      {"Shift required, Shift up, button-up", 1, 1, 0, false, false, WM_RBUTTONUP, 0},
      {"Shift required, Shift down", 1, 1, 0, true, false, WM_RBUTTONDOWN, 1},
      {"Ctrl required, only Shift down", 1, 0, 1, true, false, WM_RBUTTONDOWN, 0},
      {"Ctrl required, Ctrl down", 1, 0, 1, false, true, WM_RBUTTONUP, 1},
      {"both required, only Shift down", 1, 1, 1, true, false, WM_RBUTTONDOWN, 0},
      {"both required, both down", 1, 1, 1, true, true, WM_RBUTTONDOWN, 1},
  };
  GlanceHookLibrary library;
  for (const Case& c : cases) {
    INFO("case: " << std::string(c.what));
    writeCaptureOptions({{kRightMouseValue, c.rightMouse},
                         {kShiftAndRightMouseValue, c.shiftAndRightMouse},
                         {kCtrlAndRightMouseValue, c.ctrlAndRightMouse}});
    setShiftAndCtrl(c.shiftDown, c.ctrlDown);
    CHECK(library.mouseProc(HC_ACTION, c.message, kNowhere) == c.expected);
  }
  setShiftAndCtrl(false, false);
  removeCaptureOptions();
}

TEST_CASE("a right click on a word sends it to the main window, except while the main window is active") {
  GlanceHookLibrary library;
  TextScene scene;
  writeCaptureOptions({{kRightMouseValue, 1}, {kShiftAndRightMouseValue, 0}, {kCtrlAndRightMouseValue, 0}});

  SUBCASE("an 8-bit word arrives in the 8-bit field, and the main window is restored and raised") {
    CHECK(library.mouseProc(HC_ACTION, WM_RBUTTONDOWN, scene.onMorning()) == 1);
    REQUIRE(scene.mainWindow.records().size() == 1);
    const ReceivedRecord& received = scene.mainWindow.records()[0];
    CHECK(received.wParam == 0);
    CHECK(received.dataId == 0);
    CHECK(received.dataSize == 776);
    CHECK(received.record.wideFlag == 0);
    CHECK(received.record.length == 7);
    CHECK(capturedNarrowText(received.record) == "morning");
    CHECK(IsWindowVisible(scene.mainWindow.handle()));
    CHECK(GetForegroundWindow() == scene.mainWindow.handle());
  }

  SUBCASE("while the main window is active the button-down passes and the button-up is still dropped") {
    SetActiveWindow(scene.mainWindow.handle());
    REQUIRE(GetActiveWindow() == scene.mainWindow.handle());
    CHECK(library.mouseProc(HC_ACTION, WM_RBUTTONDOWN, scene.onWorld()) == 0);
    CHECK(library.mouseProc(HC_ACTION, WM_RBUTTONUP, scene.onWorld()) == 1);
    CHECK(scene.mainWindow.records().empty());

    // The next click elsewhere captures: nothing was left busy.
    SetActiveWindow(scene.window.handle());
    CHECK(library.mouseProc(HC_ACTION, WM_RBUTTONDOWN, scene.onWorld()) == 1);
    REQUIRE(scene.mainWindow.records().size() == 1);
    CHECK(scene.mainWindow.records()[0].record.wideFlag == 1);
    CHECK(scene.mainWindow.records()[0].record.length == 5);
    CHECK(capturedWideText(scene.mainWindow.records()[0].record) == u"world");
  }

  SUBCASE("a click on blank space is discarded and sends nothing") {
    CHECK(library.mouseProc(HC_ACTION, WM_RBUTTONDOWN, pointOnBlank(scene.window.handle())) == 1);
    CHECK(scene.mainWindow.records().empty());
  }
  removeCaptureOptions();
}

TEST_CASE("the keyboard procedure captures under the cursor when the hot key fires and never discards a key") {
  GlanceHookLibrary library;
  TextScene scene;
  writeCaptureOptions({{kRightMouseValue, 0}, {kHotKeyVirtualKeyValue, VK_CONTROL}, {kHotKeyKeystrokeValue, 0x001D0001}});
  const POINT onWorld = scene.onWorld();
  REQUIRE(SetCursorPos(onWorld.x, onWorld.y));
  struct Case {
    const char* what;
    int code;
    WPARAM virtualKey;
    LPARAM keystroke;
    bool captures;
  };
  const Case cases[] = {
      {"first key-down", HC_ACTION, VK_CONTROL, 0x001D0001, false},
      {"auto-repeat", HC_ACTION, VK_CONTROL, 0x401D0001, true},
      {"release", HC_ACTION, VK_CONTROL, static_cast<LPARAM>(0xC01D0001u), true},
      {"another key", HC_ACTION, VK_SHIFT, static_cast<LPARAM>(0xC02A0001u), false},
      {"not HC_ACTION", HC_NOREMOVE, VK_CONTROL, static_cast<LPARAM>(0xC01D0001u), false},
  };
  for (const Case& c : cases) {
    INFO("case: " << std::string(c.what));
    scene.mainWindow.clear();
    CHECK(library.keyboardProc(c.code, c.virtualKey, c.keystroke) == 0);
    REQUIRE(scene.mainWindow.records().size() == (c.captures ? 1u : 0u));
    if (c.captures) CHECK(capturedWideText(scene.mainWindow.records()[0].record) == u"world");
  }
  removeCaptureOptions();
}
