// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/card_pdf.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include "storage/atomic_file.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool PaintCard(QPagedPaintDevice& device, const CardContent& card) {
  QPainter p;
  if (!p.begin(&device)) return false;
  const QRect page = p.viewport();
  const double unit = page.height() / 100.0;  // a hundredth of the page's height
  QFont title = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  title.setPixelSize(static_cast<int>(unit * 2.6));
  title.setBold(true);
  QFont label = title;
  label.setBold(false);
  label.setPixelSize(static_cast<int>(unit * 1.9));
  QFont digits = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  digits.setPixelSize(static_cast<int>(unit * 2.6));
  digits.setBold(true);
  const int left = static_cast<int>(unit * 4), column = static_cast<int>(page.width() * 0.55);
  int y = static_cast<int>(unit * 5);
  p.setFont(title);
  p.drawText(left, y, Q(card.title));
  y += static_cast<int>(unit * 4.2);
  for (const auto& [name, value] : card.commands) {
    p.setFont(label);
    p.drawText(left, y, Q(name));
    p.setFont(digits);
    p.drawText(column, y, Q(value));
    y += static_cast<int>(unit * 3.2);
  }
  y += static_cast<int>(unit * 1.5);
  p.drawLine(left, y - static_cast<int>(unit * 2), page.width() - left, y - static_cast<int>(unit * 2));
  p.setFont(label);
  for (const auto& [name, value] : card.settings) {
    p.drawText(left, y, Q(name));
    p.drawText(column, y, Q(value));
    y += static_cast<int>(unit * 2.5);
  }
  return p.end();
}

std::optional<std::string> WriteCardPdf(const QString& path, const CardContent& card) {
  // Made whole in memory, then put in place as every file the tool writes
  // is: a card that cannot be written leaves the previous one as it was.
  const std::string cannotMake = "Cannot make the card's PDF for " + path.toStdString() + ".";
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setTitle(Q(card.title));
    writer.setCreator("Tonalis");
    writer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                             : QPageSize::A4));
    writer.setResolution(300);
    if (!PaintCard(writer, card)) return cannotMake;
  }
  const QByteArray& bytes = pdf.buffer();
  if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF")) return cannotMake;
  return WriteFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString());
}

}  // namespace tonalis
