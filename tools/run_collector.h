#pragma once
#include <string>
#include <vector>

#include "dictionary/render.h"

namespace lexorin::cli {

struct CollectedRun {
  std::u16string text;
  RunFormat format;
};

// Collects a rendered entry as maximal runs: adjacent runs of equal
// formatting are merged and empty runs dropped.
class RunCollector : public RunSink {
 public:
  void Clear() override { runs_.clear(); }
  void WriteRun(std::u16string_view text, const RunFormat& format) override;
  const std::vector<CollectedRun>& runs() const { return runs_; }

 private:
  std::vector<CollectedRun> runs_;
};

// The runs as a JSON array of {"text", "bold", "italic", "colour"}.
std::string RunsToJson(const std::vector<CollectedRun>& runs);

// The runs as UTF-8 text for a terminal: line breaks become LF, and with
// `ansi` bold, italic and the entry colours are written as escape codes.
std::string RunsToTerminal(const std::vector<CollectedRun>& runs, bool ansi);

}  // namespace lexorin::cli
