#pragma once
#include <QColor>
#include <QPixmap>

namespace lexorin {

// The picture shown while dictionaries load.
QPixmap MakeStartPicture();
QColor StartPictureBackground();

}  // namespace lexorin
