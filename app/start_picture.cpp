#include "app/start_picture.h"

#include <QLinearGradient>
#include <QPainter>

namespace lexorin {

QColor StartPictureBackground() { return QColor(0x1d, 0x3b, 0x5a); }

QPixmap MakeStartPicture() {
  const QSize size(460, 260);
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(0x2f, 0x6d, 0x9e));
  sky.setColorAt(1, QColor(0x12, 0x2c, 0x46));
  painter.setBrush(sky);
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(QPointF(0, 0), size), 18, 18);

  // An open book.
  painter.setBrush(QColor(0xf4, 0xec, 0xd8));
  painter.setPen(QPen(QColor(0x8a, 0x6d, 0x3b), 2));
  const QPointF spine(size.width() / 2.0, 70);
  painter.drawPolygon(QPolygonF({spine, spine + QPointF(-90, -20), spine + QPointF(-90, 60), spine + QPointF(0, 78)}));
  painter.drawPolygon(QPolygonF({spine, spine + QPointF(90, -20), spine + QPointF(90, 60), spine + QPointF(0, 78)}));

  QFont title("DejaVu Sans", 30, QFont::Bold);
  painter.setFont(title);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 150, size.width(), 50), Qt::AlignCenter, "Lexorin");
  QFont subtitle("DejaVu Sans", 12);
  painter.setFont(subtitle);
  painter.setPen(QColor(0xd8, 0xe6, 0xf2));
  painter.drawText(QRectF(0, 200, size.width(), 30), Qt::AlignCenter,
                   QString::fromUtf8("Từ điển · Словарь · Dictionary · Dictionnaire"));
  return picture;
}

}  // namespace lexorin
