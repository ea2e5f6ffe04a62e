// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include "card/card_content.h"
#include "config/user_message.h"

namespace tonalis {

// The command card to the system's print dialog (window-modal, not waited
// for); where Qt was built without printing, to a PDF chosen in a file dialog.
QDialog* OpenCardPrintDialog(QWidget* parent, const CardContent& card, const QString& name, MessageSink& messages);

}  // namespace tonalis
