// SPDX-License-Identifier: GPL-3.0-or-later
// Qt built without printing: the card goes to a PDF, which any viewer prints.
#include <QFileDialog>

#include "card/card_pdf.h"
#include "ui/card_printing.h"

namespace tonalis {

QDialog* OpenCardPrintDialog(QWidget* parent, const CardContent& card, const QString& name, MessageSink& messages) {
  auto* dialog = new QFileDialog(parent, "Save the command card as PDF", QString(), "PDF (*.pdf)");
  dialog->setObjectName("printDialog");
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setDefaultSuffix("pdf");
  dialog->selectFile(name + ".pdf");
  QObject::connect(dialog, &QFileDialog::fileSelected, dialog, [card, &messages](const QString& path) {
    if (const auto error = WriteCardPdf(path, card))
      messages.showMessage({"Print", *error, UserMessage::Icon::Exclamation});
  });
  dialog->open();
  return dialog;
}

}  // namespace tonalis
