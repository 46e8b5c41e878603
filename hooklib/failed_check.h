#pragma once

namespace lexorin::hooklib {

// Shows a failed source-level check in a message box owned by the calling
// thread's active window and captioned with this process's executable:
// "File <file>, line <line> : <expression>". Returns when it is closed.
void reportFailedCheck(const char* file, int line, const char* expression);

}  // namespace lexorin::hooklib
