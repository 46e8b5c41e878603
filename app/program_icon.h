#pragma once
#include <QIcon>

namespace lexorin {

// The program's icon: the window's and the notification area's.
QIcon MakeProgramIcon();

}  // namespace lexorin
