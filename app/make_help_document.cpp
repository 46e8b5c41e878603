// Build step: wraps one of the program's HTML help pages into the web
// archive that is installed beside the program.
//   make_help_document PAGE.html OUT.mht SUBJECT LOCATION
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/mhtml.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: make_help_document PAGE.html OUT.mht SUBJECT LOCATION\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "make_help_document: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::ostringstream html;
  html << in.rdbuf();
  const std::string archive = lexorin::MakeMhtml(html.str(), argv[3], argv[4]);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(archive.data(), static_cast<std::streamsize>(archive.size()));
  out.close();
  if (!out) {
    std::cerr << "make_help_document: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
