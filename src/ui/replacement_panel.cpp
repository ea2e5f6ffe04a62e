// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/replacement_panel.h"

#include "i18n/language.h"
#include "remote/replacement.h"

namespace tonalis {
namespace {

std::string Std(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ReplacementPanel::ReplacementPanel(const FormControls& controls, MessageSink& messages,
                                   std::function<DecoderConfig()> fields, QObject* parent)
    : QObject(parent), c_(controls), messages_(messages), fields_(std::move(fields)) {
  connect(c_.txtSeqCmd, &QLineEdit::textChanged, this,
          [this](const QString& id) { c_.lblSeqCmd->setText("[" + id + "]"); });
  connect(c_.txtCrcTag, &QLineEdit::textChanged, this, &ReplacementPanel::onChecksumIdChanged);
  connect(c_.txtSeqOri, &QLineEdit::textChanged, this, [this](const QString& text) {
    c_.Label6->setText(
        Q(CommandMatchCaption(TrStd(kOriginalCaption), kOriginalMatchSeparator, Std(text), fields_().txtMem)));
  });
  connect(c_.txtSeqNew, &QLineEdit::textChanged, this, [this](const QString& text) {
    c_.Label8->setText(Q(CommandMatchCaption(TrStd(kNewCaption), kNewMatchSeparator, Std(text), fields_().txtMem)));
  });
  connect(c_.cmdSeqCalc, &QPushButton::clicked, this, &ReplacementPanel::calculate);
}

void ReplacementPanel::describe(AirRequest& request) const {
  if (!last_ || last_->sequence != request.sequence) return;
  request.kind = AirRequest::Kind::Replacement;
  request.replacedCommand = last_->command;
  request.replacedDigits = last_->original;
  request.newDigits = last_->digits;
}

void ReplacementPanel::calculate() {
  const std::string original = Std(c_.txtSeqOri->text()), digits = Std(c_.txtSeqNew->text());
  ReplacementResult r =
      CalculateReplacement(original, Std(c_.txtSeqCmd->text()), Std(c_.txtCrcTag->text()), digits, TrStd);
  // One the board would ignore or refuse is never offered for sending.
  const DecoderConfig fields = fields_();
  if (!r.refusal) {
    ReplacementResult board = ReplacementAgainstCommands(original, digits, fields.txtMem, TrStd);
    if (board.refusal) r = std::move(board);
  }
  if (r.refusal) {
    messages_.showMessage(*r.refusal);
    if (r.selection) {
      QLineEdit* field = r.selection->field == FieldSelection::Field::Original ? c_.txtSeqOri : c_.txtSeqNew;
      field->setFocus();
      field->setSelection(r.selection->start, r.selection->length);
    }
    return;
  }
  c_.Text1->setText(Q(*r.sequence));
  // Named so in the journal when it is sent as calculated.
  Replacement sent{*r.sequence, original, std::nullopt, digits};
  for (int n = 0; n < kCommandCount; ++n)
    if (fields.txtMem[static_cast<std::size_t>(n)] == original) sent.command = n;
  last_ = sent;
  Q_EMIT calculated();
}

void ReplacementPanel::onChecksumIdChanged() {
  const std::string id = Std(c_.txtCrcTag->text());
  if (const auto warning = ChecksumIdConflict(id, fields_().txtMem, TrStd)) {
    messages_.showMessage(*warning);
    c_.txtCrcTag->setFocus();
    c_.txtCrcTag->selectAll();
  }
  c_.lblCrcTag->setText(Q("[" + id + "]"));
}

}  // namespace tonalis
