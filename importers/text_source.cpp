#include "importers/text_source.h"

#include "dictionary/text_encoding.h"
#include "importers/entry_limits.h"
#include "importers/import_error.h"

namespace lexorin {
namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

std::vector<DictionaryEntry> ParseTextSource(std::string_view bytes, const std::filesystem::path& name) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::vector<DictionaryEntry> entries;
  bool inEntry = false;
  size_t entryLine = 0;
  const auto finishEntry = [&] {
    if (!inEntry) return;
    if (entries.back().body.empty()) throw ImportError(name, kAtLine, entryLine, "the headword has no body lines");
    if (entries.back().body.size() > kMaxEntrySize) {
      throw ImportError(name, kAtLine, entryLine,
                        "the entry is " + std::to_string(entries.back().body.size()) + " bytes long; an entry holds at most " +
                            std::to_string(kMaxEntrySize));
    }
    inEntry = false;
  };

  size_t lineNumber = 0;
  while (!bytes.empty()) {
    ++lineNumber;
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!IsValidUtf8(line)) throw ImportError(name, kAtLine, lineNumber, "the line is not UTF-8");
    if (line.find('\0') != std::string_view::npos) throw ImportError(name, kAtLine, lineNumber, "the line holds a NUL");
    if (line.find('\r') != std::string_view::npos) throw ImportError(name, kAtLine, lineNumber, "the line holds a lone CR");

    if (IsBlank(line)) {
      finishEntry();
      continue;
    }
    if (!inEntry) {
      DictionaryEntry entry{Utf8ToUtf16(line), {}};
      if (const std::string_view problem = HeadwordProblem(entry.headword); !problem.empty()) {
        throw ImportError(name, kAtLine, lineNumber, std::string(problem));
      }
      entries.push_back(std::move(entry));
      inEntry = true;
      entryLine = lineNumber;
      continue;
    }
    std::string& body = entries.back().body;
    if (!body.empty()) body += '\n';
    body += line;
  }
  finishEntry();
  return entries;
}

}  // namespace lexorin
