#include "hooklib/hit_test.h"

#include <type_traits>

#include "hooklib/capture_state.h"
#include "hooklib/word_rules.h"

namespace lexorin::hooklib {

static_assert(text_align::kUpdateCurrentPosition == TA_UPDATECP);
static_assert(text_align::kRight == TA_RIGHT && text_align::kCenter == TA_CENTER);
static_assert(text_align::kBottom == TA_BOTTOM && text_align::kBaseline == TA_BASELINE);

namespace {

bool measure(HDC dc, const char* text, int count, SIZE& size) {
  return GetTextExtentPoint32A(dc, text, count, &size) != FALSE;
}

bool measure(HDC dc, const wchar_t* text, int count, SIZE& size) {
  return GetTextExtentPoint32W(dc, text, count, &size) != FALSE;
}

auto& wordBuffer(CapturedWord& word, const char*) { return word.narrow; }
auto& wordBuffer(CapturedWord& word, const wchar_t*) { return word.wide; }

// The capture point in the logical coordinates of `dc`, and of the band being
// drawn when the window is painted through an off-screen bitmap.
Point capturePointOn(HDC dc, const CaptureState& state) {
  POINT p = state.point;
  ScreenToClient(state.target, &p);
  DPtoLP(dc, &p, 1);
  return toBandCoordinates({p.x, p.y}, state.blit);
}

template <class Char>
int hitTestRun(HDC dc, int x, int y, const Char* text, int count) {
  CaptureState& state = captureState();
  SIZE size{};
  if (!measure(dc, text, count, size)) return 0;
  const UINT align = GetTextAlign(dc);
  Point reference{x, y};
  if (align & TA_UPDATECP) {
    POINT current{};
    GetCurrentPositionEx(dc, &current);
    reference = {current.x, current.y};
  }
  const Box run = textRunBox(reference, size.cx, size.cy, align);
  const Point point = capturePointOn(dc, state);
  if (!run.contains(point)) return 0;

  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  const int index = characterUnderPoint(point.x, run.left, count, metrics.tmAveCharWidth, [&](int prefix) {
    SIZE prefixSize{};
    measure(dc, text, prefix, prefixSize);
    return static_cast<int>(prefixSize.cx);
  });
  const WordSpan word = wordAround(text, count, index);
  if (word.length == 0) return 0;
  state.word.length = copyWord(text, word, wordBuffer(state.word, text));
  state.word.isWide = std::is_same_v<Char, wchar_t>;
  return state.word.length;
}

}  // namespace

int HitTestText(HDC dc, int x, int y, const char* text, int count) { return hitTestRun(dc, x, y, text, count); }

int HitTestText(HDC dc, int x, int y, const wchar_t* text, int count) { return hitTestRun(dc, x, y, text, count); }

}  // namespace lexorin::hooklib
