#pragma once
#include <windows.h>

namespace lexorin::hooklib {

// Redirects one imported function in every module of this process for as
// long as it lives: constructing it points the import entries at the
// replacement, destroying it points them back at the real function. Live
// hooks form a list, newest first.
class ApiHook {
 public:
  // `calleeModule` and `functionName` must outlive the hook (string
  // literals). With `excludeOwnModule`, the module holding this code keeps
  // its imports, so that the replacement reaches the real function.
  ApiHook(const char* calleeModule, const char* functionName, PROC replacement, bool excludeOwnModule);
  ~ApiHook();
  ApiHook(const ApiHook&) = delete;
  ApiHook& operator=(const ApiHook&) = delete;

  // The real function; null when the callee module is not loaded or does
  // not export the function, in which case nothing was redirected.
  PROC original() const { return m_pfnOrig; }
  const char* functionName() const { return functionName_; }
  const ApiHook* next() const { return next_; }

  static const ApiHook* liveList() { return liveListHead_; }

 private:
  ApiHook* next_;
  const char* calleeModule_;
  const char* functionName_;
  PROC m_pfnOrig;
  PROC replacement_;
  bool excludeOwnModule_;

  static ApiHook* liveListHead_;
};

}  // namespace lexorin::hooklib
