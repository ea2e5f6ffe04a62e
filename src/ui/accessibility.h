// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLabel;

namespace tonalis {

// Makes `label` a status line for assistive technology: a screen reader sees
// it with the status role, named by its text, and hears it change.
void MakeStatusLine(QLabel* label);
// Shows `text` on a status line, which assistive technology hears change;
// `spoken`, when given, is what a screen reader says instead (the whole of a
// text shown shortened).
void SetStatusText(QLabel* label, const QString& text, const QString& spoken = QString());

}  // namespace tonalis
