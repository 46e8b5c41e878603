#include <doctest/doctest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "tests/hooklib/import_slots.h"
#include "tests/hooklib/probe.h"
#include "tests/hooklib/test_window.h"

// The capture engine in one process: this program draws "hello, world" in
// one way after another and captures at points computed from the text's
// extents, on its own GUI thread, through GlanceHookProbe.dll.

using namespace lexorin;
using namespace lexorin::hooklib::test;

namespace {

// Every scene puts the top-left corner of its run here (client coordinates).
constexpr POINT kTopLeft{40, 60};
// The buffer holds more than the run; the run is its first 12 characters.
constexpr wchar_t kBuffer[] = L"hello, worldwide";
constexpr char kNarrowBuffer[] = "hello, worldwide";
constexpr int kCount = 12;
constexpr std::wstring_view kRun(kBuffer, kCount);
constexpr int kBandHeight = 40;
constexpr int kBandLeft = 12;

struct SceneContext {
  HWND window;
  HFONT font;
  SIZE run;      // extent of the run
  int ascent;
};

RECT runRect(const SceneContext& s) {
  return {kTopLeft.x, kTopLeft.y, kTopLeft.x + s.run.cx + 50, kTopLeft.y + s.run.cy + 4};
}

void textOutLeftTop(HDC dc, const SceneContext&) {
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  TextOutW(dc, kTopLeft.x, kTopLeft.y, kBuffer, kCount);
}

void textOutRight(HDC dc, const SceneContext& s) {
  SetTextAlign(dc, TA_RIGHT | TA_TOP);
  TextOutW(dc, kTopLeft.x + s.run.cx, kTopLeft.y, kBuffer, kCount);
}

void textOutCenterBaseline(HDC dc, const SceneContext& s) {
  SetTextAlign(dc, TA_CENTER | TA_BASELINE);
  TextOutW(dc, kTopLeft.x + s.run.cx / 2, kTopLeft.y + s.ascent, kBuffer, kCount);
}

// Drawn at the current position; the coordinates passed are ignored.
void textOutUpdateCp(HDC dc, const SceneContext&) {
  SetTextAlign(dc, TA_LEFT | TA_TOP | TA_UPDATECP);
  MoveToEx(dc, kTopLeft.x, kTopLeft.y, nullptr);
  TextOutW(dc, 300, 200, kBuffer, kCount);
}

void textOutShiftedViewport(HDC dc, const SceneContext&) {
  SetViewportOrgEx(dc, 37, 23, nullptr);
  TextOutW(dc, kTopLeft.x - 37, kTopLeft.y - 23, kBuffer, kCount);
}

void textOutNarrow(HDC dc, const SceneContext&) { TextOutA(dc, kTopLeft.x, kTopLeft.y, kNarrowBuffer, kCount); }

void extTextOut(HDC dc, const SceneContext&) {
  ExtTextOutW(dc, kTopLeft.x, kTopLeft.y, 0, nullptr, kBuffer, kCount, nullptr);
}

void extTextOutWithSpacing(HDC dc, const SceneContext&) {
  int ends[kCount];
  SIZE size;
  GetTextExtentExPointW(dc, kBuffer, kCount, 0, nullptr, ends, &size);
  int spacing[kCount];
  for (int i = 0; i < kCount; ++i) spacing[i] = ends[i] - (i == 0 ? 0 : ends[i - 1]);
  ExtTextOutW(dc, kTopLeft.x, kTopLeft.y, ETO_OPAQUE, nullptr, kBuffer, kCount, spacing);
}

void extTextOutGlyphIndices(HDC dc, const SceneContext&) {
  WORD glyphs[kCount];
  GetGlyphIndicesW(dc, kBuffer, kCount, glyphs, 0);
  ExtTextOutW(dc, kTopLeft.x, kTopLeft.y, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<LPCWSTR>(glyphs), kCount,
              nullptr);
}

void drawText(HDC dc, const SceneContext& s) {
  RECT rect = runRect(s);
  DrawTextW(dc, kBuffer, kCount, &rect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void drawTextExWholeString(HDC dc, const SceneContext& s) {
  wchar_t text[] = L"hello, world";
  RECT rect = runRect(s);
  DrawTextExW(dc, text, -1, &rect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX, nullptr);
}

// Paints through an off-screen bitmap one band at a time, each band copied
// to the window kBandLeft pixels from its left edge; a band's text is drawn
// in band coordinates, and only into the bands it crosses.
void bandedOffScreen(HDC dc, const SceneContext& s) {
  RECT client;
  GetClientRect(s.window, &client);
  const int width = client.right - kBandLeft;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, width, kBandHeight);
  const HGDIOBJ previousBitmap = SelectObject(memory, bitmap);
  const HGDIOBJ previousFont = SelectObject(memory, s.font);
  for (int band = 0; band * kBandHeight < client.bottom; ++band) {
    const int top = band * kBandHeight;
    PatBlt(memory, 0, 0, width, kBandHeight, WHITENESS);
    if (kTopLeft.y < top + kBandHeight && kTopLeft.y + s.run.cy > top) {
      ExtTextOutW(memory, kTopLeft.x - kBandLeft, kTopLeft.y - top, 0, nullptr, kBuffer, kCount, nullptr);
    }
    BitBlt(dc, kBandLeft, top, width, kBandHeight, memory, 0, 0, SRCCOPY);
  }
  SelectObject(memory, previousFont);
  SelectObject(memory, previousBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void paintNothing(HDC, const SceneContext&) {}

HWND createStatic(const SceneContext& s, const char* text, DWORD style, RECT r) {
  HWND control = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, s.window, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(s.font), TRUE);
  return control;
}

std::vector<HWND> staticControl(const SceneContext& s) {
  return {createStatic(s, "hello, world", SS_LEFT | SS_NOTIFY, runRect(s))};
}

// A label lying under a larger frame that is above it in Z-order.
std::vector<HWND> labelUnderFrame(const SceneContext& s) {
  const RECT label = runRect(s);
  HWND frame = createStatic(s, "", SS_BLACKFRAME | SS_NOTIFY,
                            {label.left - 20, label.top - 20, label.right + 20, label.bottom + 20});
  HWND text = createStatic(s, "hello, world", SS_LEFT | SS_NOTIFY, label);
  SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return {text, frame};
}

std::vector<HWND> noChildren(const SceneContext&) { return {}; }

struct Scene {
  const char* name;
  void (*paint)(HDC, const SceneContext&);
  std::vector<HWND> (*children)(const SceneContext&);
  enum { Wide, Narrow, NotCapturable } kind;
};

const Scene kLabelUnderFrame{"label under a larger frame", paintNothing, labelUnderFrame, Scene::Wide};

const Scene kScenes[] = {
    {"TextOutW, left and top", textOutLeftTop, noChildren, Scene::Wide},
    {"TextOutW, right", textOutRight, noChildren, Scene::Wide},
    {"TextOutW, centre and baseline", textOutCenterBaseline, noChildren, Scene::Wide},
    {"TextOutW at the current position", textOutUpdateCp, noChildren, Scene::Wide},
    {"TextOutW, shifted viewport origin", textOutShiftedViewport, noChildren, Scene::Wide},
    {"TextOutA", textOutNarrow, noChildren, Scene::Narrow},
    {"ExtTextOutW", extTextOut, noChildren, Scene::Wide},
    {"ExtTextOutW with a spacing array", extTextOutWithSpacing, noChildren, Scene::Wide},
    {"ExtTextOutW with glyph indices", extTextOutGlyphIndices, noChildren, Scene::NotCapturable},
    {"DrawTextW", drawText, noChildren, Scene::Wide},
    {"DrawTextExW with count -1", drawTextExWholeString, noChildren, Scene::Wide},
    {"off-screen bitmap copied in bands", bandedOffScreen, noChildren, Scene::Wide},
    {"STATIC control", paintNothing, staticControl, Scene::Wide},
    kLabelUnderFrame,
};

struct Probe {
  const char* where;
  int index;  // character of the run; kCount is the blank space after it
  const char* word;
};

const Probe kProbes[] = {
    {"inside the first word", 2, "hello"},
    {"on the comma", 5, ""},
    {"on the first letter of the last word", 7, "world"},
    {"on the run's last character", 11, "world"},
    {"blank space after the run", kCount, ""},
};

struct Stage {
  HFONT font = createTextFont();
  TestWindow window{RECT{0, 0, 640, 240}, "hooklib capture engine"};
  SceneContext context{};

  Stage() {
    HDC dc = GetDC(window.handle());
    SelectObject(dc, font);
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    ReleaseDC(window.handle(), dc);
    context = {window.handle(), font, textExtent(font, kRun), metrics.tmAscent};
    // The banded scene draws the run inside the second band.
    REQUIRE(kTopLeft.y >= kBandHeight);
    REQUIRE(kTopLeft.y + context.run.cy <= 2 * kBandHeight);
  }
  ~Stage() { DeleteObject(font); }

  std::vector<HWND> show(const Scene& scene) {
    window.setPainter([this, paint = scene.paint](HDC dc) {
      SelectObject(dc, font);
      paint(dc, context);
    });
    std::vector<HWND> children = scene.children(context);
    pumpMessages();
    return children;
  }

  POINT pointOn(int index) const { return characterCenter(window.handle(), font, kTopLeft, kRun, index); }
};

Stage& stage() {
  static Stage instance;
  return instance;
}

std::string narrowed(std::u16string_view wide) { return std::string(wide.begin(), wide.end()); }

}  // namespace

TEST_CASE("the word under a point is captured whichever way the run is drawn") {
  Stage& s = stage();
  for (const Scene& scene : kScenes) {
    INFO("scene: " << std::string(scene.name));
    const std::vector<HWND> children = s.show(scene);
    const auto importsBefore = snapshotImportSlots();
    for (const Probe& probe : kProbes) {
      INFO("point: " << std::string(probe.where));
      CaptureRecord record{};
      const int length = ProbeCaptureAt(s.pointOn(probe.index), &record);
      const std::string expected = scene.kind == Scene::NotCapturable ? "" : probe.word;
      CHECK(length == static_cast<int>(expected.size()));
      if (length == 0) continue;
      CHECK(record.length == length);
      if (scene.kind == Scene::Narrow) {
        CHECK(record.wideFlag == 0);
        CHECK(capturedNarrowText(record) == expected);
      } else {
        CHECK(record.wideFlag == 1);
        CHECK(narrowed(capturedWideText(record)) == expected);
      }
    }
    // Nothing of the capture is left in force.
    CHECK(ProbeLiveHookCount() == 0);
    CHECK(ProbeBlitRecordIsClear());
    CHECK(snapshotImportSlots() == importsBefore);
    for (HWND child : children) DestroyWindow(child);
  }
}

TEST_CASE("a label under a larger frame is the window repainted") {
  Stage& s = stage();
  const std::vector<HWND> children = s.show(kLabelUnderFrame);
  const POINT point = s.pointOn(2);
  CHECK(WindowFromPoint(point) == children[1]);  // the frame
  CHECK(ProbeFindTargetWindow(point) == children[0]);
  for (HWND child : children) DestroyWindow(child);
}

TEST_CASE("a run longer than the record holds is cut to its first 255 characters") {
  Stage& s = stage();
  static const std::wstring longRun(300, L'a');
  s.window.setPainter([&s](HDC dc) {
    SelectObject(dc, s.font);
    TextOutW(dc, kTopLeft.x, kTopLeft.y, longRun.data(), static_cast<int>(longRun.size()));
  });
  CaptureRecord record{};
  const POINT point = characterCenter(s.window.handle(), s.font, kTopLeft, longRun, 10);
  CHECK(ProbeCaptureAt(point, &record) == 255);
  CHECK(record.length == 255);
  CHECK(record.wideText[255] == 0);
  CHECK(capturedWideText(record) == std::u16string(255, u'a'));
}

TEST_CASE("figure: the time of one capture") {
  Stage& s = stage();
  s.show(kScenes[0]);
  const POINT point = s.pointOn(7);
  std::vector<double> milliseconds;
  for (int i = 0; i < 10; ++i) {
    CaptureRecord record{};
    const auto start = std::chrono::steady_clock::now();
    const int length = ProbeCaptureAt(point, &record);
    milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    REQUIRE(length == 5);
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  std::printf(
      "capture time (eight repaints of a window with one run of text): "
      "median %.2f ms, min %.2f ms, max %.2f ms over %zu captures\n",
      milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back(), milliseconds.size());
  std::fflush(stdout);
}
