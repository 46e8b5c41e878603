#include "hooklib/capture_state.h"

namespace lexorin::hooklib {

CaptureState& captureState() {
  static CaptureState state;
  return state;
}

}  // namespace lexorin::hooklib
