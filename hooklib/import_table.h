#pragma once
// Redirecting a process's calls of an imported function by rewriting the
// import address tables of its modules.
#include <windows.h>

namespace lexorin::hooklib {

// Rewrites the first entry of `module`'s import address table for
// `calleeModule` (compared case-insensitively) that holds `current`, so that
// it holds `replacement`. The table is made writable for the write and its
// protection restored. Returns whether an entry was rewritten; a module
// without imports, or without imports from `calleeModule`, is left alone.
bool ReplaceImportInModule(const char* calleeModule, PROC current, PROC replacement, HMODULE module);

// ReplaceImportInModule for every module loaded in this process now, except
// the module holding this code when `excludeOwnModule` is set.
void ReplaceImportInAllModules(const char* calleeModule, PROC current, PROC replacement, bool excludeOwnModule);

// In a 32-bit process, an address in shared system memory (above the highest
// application address) may be a thunk that pushes the real address: the
// opcode 0x68 (push imm32) and the address after it. Returns the location of
// that pushed address, or nullptr when `address` is no such thunk. Always
// nullptr in a 64-bit process.
void* pushThunkOperand(const void* address);

}  // namespace lexorin::hooklib
