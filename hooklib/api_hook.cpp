#include "hooklib/api_hook.h"

#include "hooklib/failed_check.h"
#include "hooklib/import_table.h"

namespace lexorin::hooklib {

ApiHook* ApiHook::liveListHead_ = nullptr;

ApiHook::ApiHook(const char* calleeModule, const char* functionName, PROC replacement, bool excludeOwnModule)
    : next_(liveListHead_),
      calleeModule_(calleeModule),
      functionName_(functionName),
      m_pfnOrig(GetProcAddress(GetModuleHandleA(calleeModule), functionName)),
      replacement_(replacement),
      excludeOwnModule_(excludeOwnModule) {
  liveListHead_ = this;
  if (m_pfnOrig == nullptr) reportFailedCheck(__FILE__, __LINE__, "m_pfnOrig != NULL");
  if (const void* pushed = pushThunkOperand(reinterpret_cast<const void*>(m_pfnOrig))) {
    m_pfnOrig = reinterpret_cast<PROC>(static_cast<UINT_PTR>(*static_cast<const DWORD*>(pushed)));
  }
  ReplaceImportInAllModules(calleeModule_, m_pfnOrig, replacement_, excludeOwnModule_);
}

ApiHook::~ApiHook() {
  ReplaceImportInAllModules(calleeModule_, replacement_, m_pfnOrig, excludeOwnModule_);
  for (ApiHook** link = &liveListHead_; *link != nullptr; link = &(*link)->next_) {
    if (*link == this) {
      *link = next_;
      break;
    }
  }
}

}  // namespace lexorin::hooklib
