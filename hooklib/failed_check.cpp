#include "hooklib/failed_check.h"

#include <windows.h>

#include <cstdio>

namespace lexorin::hooklib {

void reportFailedCheck(const char* file, int line, const char* expression) {
  char caption[128 + 1] = {};
  GetModuleFileNameA(nullptr, caption, 128);
  char text[1024];
  std::snprintf(text, sizeof text, "File %s, line %d : %s", file, line, expression);
  MessageBoxA(GetActiveWindow(), text, caption, MB_OK);
}

}  // namespace lexorin::hooklib
