#include "hooklib/text_replacements.h"

#include "hooklib/capture_state.h"
#include "hooklib/hit_test.h"

// Each replacement measures the text against the capture point while no word
// has been found yet, then draws through the real function (this module's
// own imports are never redirected) with the arguments unchanged.

namespace lexorin::hooklib {

namespace {

constexpr char kGdi[] = "Gdi32.dll";
constexpr char kUser[] = "User32.dll";

template <class Char>
void hitTestIfNoWordYet(HDC dc, int x, int y, const Char* text, int count) {
  if (text != nullptr && count > 0 && captureState().word.length == 0) HitTestText(dc, x, y, text, count);
}

template <class Char>
void hitTestDrawTextIfNoWordYet(HDC dc, const Char* text, int count, const RECT* rect) {
  if (text != nullptr && rect != nullptr) hitTestIfNoWordYet(dc, rect->left, rect->top, text, drawTextLength(text, count));
}

BOOL WINAPI replacementTextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
  hitTestIfNoWordYet(dc, x, y, text, count);
  return TextOutA(dc, x, y, text, count);
}

BOOL WINAPI replacementTextOutW(HDC dc, int x, int y, LPCWSTR text, int count) {
  hitTestIfNoWordYet(dc, x, y, text, count);
  return TextOutW(dc, x, y, text, count);
}

// Glyph indices are not characters: such runs are drawn but not measured.
BOOL WINAPI replacementExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* clip, LPCSTR text, UINT count,
                                   const INT* spacing) {
  if (!(options & ETO_GLYPH_INDEX)) hitTestIfNoWordYet(dc, x, y, text, static_cast<int>(count));
  return ExtTextOutA(dc, x, y, options, clip, text, count, spacing);
}

BOOL WINAPI replacementExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* clip, LPCWSTR text, UINT count,
                                   const INT* spacing) {
  if (!(options & ETO_GLYPH_INDEX)) hitTestIfNoWordYet(dc, x, y, text, static_cast<int>(count));
  return ExtTextOutW(dc, x, y, options, clip, text, count, spacing);
}

int WINAPI replacementDrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
  hitTestDrawTextIfNoWordYet(dc, text, count, rect);
  return DrawTextA(dc, text, count, rect, format);
}

int WINAPI replacementDrawTextW(HDC dc, LPCWSTR text, int count, LPRECT rect, UINT format) {
  hitTestDrawTextIfNoWordYet(dc, text, count, rect);
  return DrawTextW(dc, text, count, rect, format);
}

int WINAPI replacementDrawTextExA(HDC dc, LPSTR text, int count, LPRECT rect, UINT format,
                                  LPDRAWTEXTPARAMS params) {
  hitTestDrawTextIfNoWordYet(dc, text, count, rect);
  return DrawTextExA(dc, text, count, rect, format, params);
}

int WINAPI replacementDrawTextExW(HDC dc, LPWSTR text, int count, LPRECT rect, UINT format,
                                  LPDRAWTEXTPARAMS params) {
  hitTestDrawTextIfNoWordYet(dc, text, count, rect);
  return DrawTextExW(dc, text, count, rect, format, params);
}

// Records where a bitmap is copied onto the captured window.
BOOL WINAPI replacementBitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                              int sourceY, DWORD rop) {
  CaptureState& state = captureState();
  if (WindowFromDC(destination) == state.target) {
    state.blit = {x, y, width, height, state.blit.count + 1};
  }
  return BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rop);
}

template <class Function>
PROC asProc(Function* function) {
  return reinterpret_cast<PROC>(reinterpret_cast<void*>(function));
}

const RepaintStep kCaptureRepaintSteps[] = {
    {{{kGdi, "TextOutA", asProc(replacementTextOutA)}}, 1},
    {{{kGdi, "TextOutW", asProc(replacementTextOutW)}}, 1},
    {{{kGdi, "ExtTextOutA", asProc(replacementExtTextOutA)}}, 1},
    {{{kGdi, "BitBlt", asProc(replacementBitBlt)}, {kGdi, "ExtTextOutW", asProc(replacementExtTextOutW)}}, 2},
    {{{kUser, "DrawTextA", asProc(replacementDrawTextA)}}, 1},
    {{{kUser, "DrawTextW", asProc(replacementDrawTextW)}}, 1},
    {{{kUser, "DrawTextExA", asProc(replacementDrawTextExA)}}, 1},
    {{{kUser, "DrawTextExW", asProc(replacementDrawTextExW)}}, 1},
};

}  // namespace

std::span<const RepaintStep> captureRepaintSteps() { return kCaptureRepaintSteps; }

}  // namespace lexorin::hooklib
