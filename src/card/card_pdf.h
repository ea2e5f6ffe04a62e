// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <optional>
#include <string>

#include "card/card_content.h"

namespace tonalis {

// Paints the card on one page of `device` (a PDF writer or a printer); false
// when the device would not take it.
bool PaintCard(QPagedPaintDevice& device, const CardContent& card);
// Writes the card as a one-page PDF: A4, or Letter where the locale measures
// in inches, made whole and then put in place (a failure leaves the file
// that was there). The reason when it cannot.
std::optional<std::string> WriteCardPdf(const QString& path, const CardContent& card);

}  // namespace tonalis
