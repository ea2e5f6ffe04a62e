// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tonalis {

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4f, 0x8f));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setBrush(Qt::white);
    for (int row = 0; row < 2; ++row)
      for (int col = 0; col < 3; ++col) p.drawRoundedRect(QRectF(13 + 14 * col, 13 + 14 * row, 10, 10), 2, 2);
    QPainterPath wave(QPointF(12, 48));
    for (int i = 0; i < 4; ++i) wave.quadTo(QPointF(17 + 10 * i, i % 2 ? 56 : 40), QPointF(22 + 10 * i, 48));
    p.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tonalis
