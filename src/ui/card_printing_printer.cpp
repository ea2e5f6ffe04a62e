// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "card/card_pdf.h"
#include "ui/card_printing.h"

namespace tonalis {

QDialog* OpenCardPrintDialog(QWidget* parent, const CardContent& card, const QString& name, MessageSink& messages) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setDocName(name);
  auto* dialog = new QPrintDialog(printer.get(), parent);
  dialog->setObjectName("printDialog");
  dialog->setWindowTitle("Print the command card");
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(dialog, &QDialog::accepted, dialog, [printer, card, &messages] {
    // Printed to a file, the card is written as the command line writes it.
    std::optional<std::string> error;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
      error = WriteCardPdf(printer->outputFileName(), card);
    else if (!PaintCard(*printer, card))
      error = "The printer did not take the card.";
    if (error) messages.showMessage({"Print", *error, UserMessage::Icon::Exclamation});
  });
  dialog->open();
  return dialog;
}

}  // namespace tonalis
