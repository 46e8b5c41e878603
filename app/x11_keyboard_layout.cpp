#include "app/x11_keyboard_layout.h"

#include <QGuiApplication>
#include <string>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>

#include "app/keyboard_layouts.h"

namespace lexorin {
namespace {

// The keyboard rules the server was set up with ("evdev\0pc105\0us,ru\0...").
std::string ReadRulesNames(Display* display) {
  const Atom property = XInternAtom(display, "_XKB_RULES_NAMES", True);
  if (property == None) return {};
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, XA_STRING,
                                        &type, &format, &count, &remaining, &data);
  std::string names;
  if (status == Success && data && format == 8) names.assign(reinterpret_cast<const char*>(data), count);
  if (data) XFree(data);
  return names;
}

class X11KeyboardLayoutSwitch final : public KeyboardLayoutSwitch {
 public:
  explicit X11KeyboardLayoutSwitch(Display* display) : display_(display) {}

  void ToRussian() override { LockGroup(&RussianAndUsGroups::russian); }
  void ToUsEnglish() override { LockGroup(&RussianAndUsGroups::us); }

 private:
  void LockGroup(int RussianAndUsGroups::*which) {
    // The user may change layouts while the program runs: read them each time.
    const auto groups = FindRussianAndUsGroups(LayoutFieldOfRulesNames(ReadRulesNames(display_)));
    if (!groups) return;
    XkbLockGroup(display_, XkbUseCoreKbd, static_cast<unsigned>((*groups).*which));
    XFlush(display_);
  }

  Display* display_;
};

}  // namespace

std::unique_ptr<KeyboardLayoutSwitch> MakeX11KeyboardLayoutSwitch() {
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return std::make_unique<FixedKeyboardLayout>();
  return std::make_unique<X11KeyboardLayoutSwitch>(display);
}

}  // namespace lexorin
