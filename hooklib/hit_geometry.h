#pragma once
// The arithmetic of finding the character under a point in a run of text:
// the run's box from its reference point and alignment, the shift of a point
// into the coordinates of an off-screen band, and the character walk. Pure
// functions; the caller supplies the measurements.
#include <algorithm>

namespace lexorin::hooklib {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Half-open box: left <= x < right, top <= y < bottom.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool contains(Point p) const { return left <= p.x && p.x < right && top <= p.y && p.y < bottom; }
  friend bool operator==(const Box&, const Box&) = default;
};

// Text alignment bits as a device context reports them.
namespace text_align {
inline constexpr unsigned kUpdateCurrentPosition = 1;
inline constexpr unsigned kHorizontalMask = 6;
inline constexpr unsigned kRight = 2;
inline constexpr unsigned kCenter = 6;
inline constexpr unsigned kVerticalMask = 0x18;
inline constexpr unsigned kBottom = 8;
inline constexpr unsigned kBaseline = 24;
}  // namespace text_align

// The box of a run of `width` x `height` drawn at `reference` with `align`.
// A centred run extends half its width (truncated) to each side; a run
// aligned on its bottom or baseline extends its full height upwards.
inline Box textRunBox(Point reference, int width, int height, unsigned align) {
  Box box;
  switch (align & text_align::kHorizontalMask) {
    case text_align::kRight:
      box.left = reference.x - width;
      box.right = reference.x;
      break;
    case text_align::kCenter:
      box.left = reference.x - width / 2;
      box.right = reference.x + width / 2;
      break;
    default:
      box.left = reference.x;
      box.right = reference.x + width;
      break;
  }
  if ((align & text_align::kVerticalMask) == 0) {
    box.top = reference.y;
    box.bottom = reference.y + height;
  } else {
    box.top = reference.y - height;
    box.bottom = reference.y;
  }
  return box;
}

// Destination of the bitmap copies onto the captured window seen during a
// repaint: the last copy's rectangle and how many copies there were.
struct BlitRecord {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int count = 0;
  friend bool operator==(const BlitRecord&, const BlitRecord&) = default;
};

// A program that paints into an off-screen bitmap and copies it to its window
// in horizontal bands of equal height draws each band's text in band
// coordinates. Once a band has been copied, a point below the last copied
// band is moved into the coordinates of the band being drawn.
inline Point toBandCoordinates(Point p, const BlitRecord& blit) {
  if (blit.count != 0 && p.y >= blit.y + blit.height) {
    p.x -= blit.x;
    p.y -= blit.count * blit.height;
  }
  return p;
}

// The 1-based index of the character under `pointX` in a run of `count`
// characters starting at `left`: the first character whose right edge lies at
// or to the right of the point. `prefixWidth(n)` measures the first n
// characters. The search starts from a guess by the average character width
// and walks one character at a time; it never measures more than `count`
// characters. The caller has checked that the point lies inside the run.
template <class PrefixWidth>
int characterUnderPoint(int pointX, int left, int count, int averageWidth, PrefixWidth prefixWidth) {
  if (count <= 0) return 0;
  int index = averageWidth > 0 ? (pointX - left) / averageWidth : 0;
  index = std::clamp(index, 0, count);
  int edge = left + prefixWidth(index);
  if (edge < pointX) {
    while (edge < pointX && index < count) edge = left + prefixWidth(++index);
  } else {
    while (edge >= pointX && index > 0) edge = left + prefixWidth(--index);
    ++index;
  }
  return index;
}

}  // namespace lexorin::hooklib
