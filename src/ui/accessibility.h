// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace tonalis {

// Makes `label` a status line for assistive technology: a screen reader sees
// it with the status role, named by its text, and hears it change.
void MakeStatusLine(QLabel* label);
// Shows `text` on a status line, which assistive technology hears change;
// `spoken`, when given, is what a screen reader says instead (the whole of a
// text shown shortened).
void SetStatusText(QLabel* label, const QString& text, const QString& spoken = QString());

// A dialog's row of buttons: Help at the left, then `actions`, then Close
// (which rejects the dialog). Tab goes through them in that order and on:
// Qt's button box, given buttons of the dialog's own, left some out of Tab's
// round. Help's clicks are the caller's to connect.
struct ButtonRow {
  QHBoxLayout* layout;
  QPushButton* help;
  QPushButton* close;
};
ButtonRow MakeButtonRow(QDialog* dialog, const std::vector<QPushButton*>& actions);

// Button captions given a mnemonic each where they have none: the first
// letter no caption before it uses ("Save", "Discard", "Cancel" become
// "&Save", "&Discard", "&Cancel"; "Close anyway" after "Cancel" "C&lose anyway").
std::vector<QString> WithMnemonics(const std::vector<QString>& captions);

}  // namespace tonalis
