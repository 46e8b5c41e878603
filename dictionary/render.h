#pragma once
#include <stop_token>
#include <string_view>

#include "dictionary/markup_variant.h"

namespace lexorin {

// The formatting of one run of rendered text. colourState 0 is the view's
// own text colour; 1 to 5 are the entry colours (see ColourOfState).
struct RunFormat {
  bool bold = false;
  bool italic = false;
  int colourState = 0;
  bool operator==(const RunFormat&) const = default;
};

// Colour states: 1 red, 2 the desktop colour, 3 purple, 4 the automatic text
// colour, 5 blue.
enum class EntryColour { ViewDefault, Red, Desktop, Purple, Automatic, Blue };
inline EntryColour ColourOfState(int state) { return static_cast<EntryColour>(state >= 0 && state <= 5 ? state : 0); }

// Receives a rendered entry: Clear once, then the runs in order, then
// ShowBeginning once when the whole entry was written.
class RunSink {
 public:
  virtual ~RunSink() = default;
  virtual void Clear() = 0;
  virtual void WriteRun(std::u16string_view text, const RunFormat& format) = 0;
  virtual void ShowBeginning() {}
};

// The character tables of the mark-up.
inline constexpr std::u16string_view kMarkupTable =
    u"@*-=+  əзɔoʃ∫ɳŋɑαʌΔʤЗ  !  ː:ʒЗ #{}[]‡†";
inline constexpr std::u16string_view kBulletTable = u"◊∆∞▪†‡◦□•▫ ";
inline constexpr std::u16string_view kBracketTable = u"{}<>[]";

// Writes an entry into `sink` as formatted runs. A code character is
// replaced by its output, written in the formatting in force before the
// code; the code's formatting starts with the next character. A run is
// written at each code and at the end; the text ends at its first NUL.
// Returns false when `stop` was requested before the end (the runs written
// so far stay written; ShowBeginning is not called).
bool RenderEntry(std::u16string_view text, MarkupVariant variant, RunSink& sink, std::stop_token stop = {});

}  // namespace lexorin
