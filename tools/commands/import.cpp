// lexorin import: turns a dictionary of another format, or one of our own
// sources, into the four dictionary files.
#include <iostream>

#include "importers/importer.h"
#include "tools/cli.h"

namespace lexorin::cli {
namespace {

std::string Names(auto list) {
  std::string names;
  for (const auto& item : list) names += (names.empty() ? "" : ", ") + std::string(item.name);
  return names;
}

int RunImport(CommandContext& context) {
  const Arguments args(context.args, {}, {"--style"});
  if (args.Positional().size() != 3) {
    std::string sources;
    for (const ImportFormatInfo& format : ImportFormats()) {
      sources += (sources.empty() ? "" : ", ") + std::string(format.sourceFile) + " for " + std::string(format.name);
    }
    throw UsageError("give FORMAT, SOURCE and OUTBASE (SOURCE is " + sources + ")");
  }
  const std::string& formatName = args.Positional()[0];
  const ImportFormatInfo* format = ImportFormatByName(formatName);
  if (format == nullptr) throw UsageError("unknown format " + formatName + " (formats: " + Names(ImportFormats()) + ")");
  ArticleStyle style = ArticleStyle::AsIs;
  if (const auto styleName = args.Value("--style")) {
    if (!format->takesStyle) throw UsageError("--style applies to the dictd format only");
    const auto chosen = ArticleStyleByName(*styleName);
    if (!chosen) throw UsageError("unknown style " + *styleName + " (styles: " + Names(ArticleStyles()) + ")");
    style = *chosen;
  }
  const std::filesystem::path source = args.Positional()[1];
  const std::filesystem::path outBase = args.Positional()[2];
  const ImportedEntries imported = ImportDictionary(*format, source, outBase, style);
  if (imported.shortened > 0) {
    std::cerr << "lexorin import: " << imported.shortened << " entries were longer than an entry may be and were cut\n";
  }
  std::cout << imported.entries.size() << " headwords written to " << outBase.string() << "\n";
  return kSuccess;
}

const CommandRegistration kImport{
    "import", "import [--style plain|wordnet|foldoc] text|stardict|dictd SOURCE OUTBASE", &RunImport};

}  // namespace
}  // namespace lexorin::cli
