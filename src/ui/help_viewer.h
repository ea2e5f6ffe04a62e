// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextEdit>
#include <QWidget>

#include "config/user_message.h"

namespace tonalis {

// frmIstruzioni: the manual in a window of its own, not owned by the main
// window. One at a time; made again after it was closed. The text is read
// from the file every time the window becomes active.
class FrmIstruzioni : public QWidget {
  Q_OBJECT

 public:
  // Opens (or brings to the front) the viewer on `fileName` with ` title`;
  // at the section whose heading starts with `section` ("5a."), when given.
  static FrmIstruzioni* Apri(const QString& fileName, const QString& title, MessageSink& messages,
                             const QString& section = QString());
  // The open viewer, if any.
  static FrmIstruzioni* Instance();

  QTextEdit* rtfIstruzioni() const { return text_; }
  const QString& helpFileName() const { return helpFileName_; }

 protected:
  bool event(QEvent* event) override;

 private:
  QByteArray shownBytes_;  // what the text shows, to keep its place when nothing changed
  QString shownPath_;
  explicit FrmIstruzioni(MessageSink& messages);
  void centre();
  void activated();
  void showSection();

  MessageSink& messages_;
  QTextEdit* text_;
  QString helpFileName_;
  QString section_;  // to be shown once the text is there
  bool closing_ = false;  // the file is missing: the window is on its way out
};

// Where the manual is looked for: the working directory, as given; then the
// program's folder and the installed data folder, for a tool started from a
// desktop menu, whose working directory is the home folder.
QString FindHelpFile(const QString& fileName);

// True when the file's length can be obtained.
bool HelpFileExists(const QString& path);

inline constexpr const char* kHelpFileName = "Manuale_Tonalis2.rtf";
inline constexpr const char* kHelpTitle = "Tonalis v2";

}  // namespace tonalis
