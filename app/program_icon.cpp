#include "app/program_icon.h"

#include <QPainter>
#include <QPixmap>

namespace lexorin {
namespace {

QPixmap IconPicture(int side) {
  QPixmap picture(side, side);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal unit = side / 32.0;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x2f, 0x6d, 0x9e));
  painter.drawRoundedRect(QRectF(1 * unit, 1 * unit, 30 * unit, 30 * unit), 6 * unit, 6 * unit);
  // An open book.
  painter.setBrush(QColor(0xf4, 0xec, 0xd8));
  painter.setPen(QPen(QColor(0x8a, 0x6d, 0x3b), std::max(1.0, unit)));
  const QPointF spine(16 * unit, 10 * unit);
  const QPointF left[] = {spine, spine + QPointF(-11 * unit, -3 * unit), spine + QPointF(-11 * unit, 12 * unit),
                          spine + QPointF(0, 15 * unit)};
  const QPointF right[] = {spine, spine + QPointF(11 * unit, -3 * unit), spine + QPointF(11 * unit, 12 * unit),
                           spine + QPointF(0, 15 * unit)};
  painter.drawPolygon(left, 4);
  painter.drawPolygon(right, 4);
  return picture;
}

}  // namespace

QIcon MakeProgramIcon() {
  QIcon icon;
  for (const int side : {16, 22, 32, 48, 64}) icon.addPixmap(IconPicture(side));
  return icon;
}

}  // namespace lexorin
