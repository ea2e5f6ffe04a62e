// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "config/user_message.h"
#include "storage/config_file.h"

class QFileDialog;
class QMenu;
class QWidget;

namespace tonalis {

// The window's title before any file is loaded.
inline constexpr const char* kInitialCaption = "Tonalis v3 by Velkaro";

// The configuration file the fields came from: loading one into them,
// saving them, the window's title (marked " *" while the fields differ from
// the file), the question before unsaved changes would be lost, and the
// Load and Save file dialogs.
class ConfigDocument : public QObject {
  Q_OBJECT

 public:
  struct Fields {
    std::function<ConfigFileContent()> read;               // what the fields hold
    std::function<void(const ConfigFileContent&)> show;    // a loaded file into them
  };
  ConfigDocument(QWidget* window, MessageSink& messages, QString folder, Fields fields);

  const QString& path() const { return path_; }
  bool isModified() const { return modified_; }
  // Loads `path` into the fields; a file that cannot be read whole changes
  // nothing and is said.
  void load(const QString& path);
  // Writes the fields to `path`; false (and said) when they were not.
  bool save(const QString& path);
  // Saves where the title says, or asks where when it names no file.
  void saveHere();
  // A field changed: the title follows.
  void fieldsChanged();
  // Asks to save unsaved fields, then calls `go` unless the user cancels.
  void afterSavingChanges(std::function<void()> go);
  // The Load and Save dialogs (window-modal).
  void openDialog(bool save);
  // The files last loaded or saved, as a menu under `below`; one chosen is
  // loaded as Load does.
  void showRecent(QWidget* below);
  // The site the window works on, named in the title (empty: this computer).
  void setPlace(const QString& site);

 private:
  void markSaved();
  void showCaption();
  void remember();

  QWidget* window_;
  MessageSink& messages_;
  QString folder_;
  Fields fields_;
  QString path_;
  QString place_;
  ConfigFileContent saved_;  // the fields as last loaded or saved
  bool modified_ = false;
  QPointer<QFileDialog> dialog_;
  QPointer<QMenu> menu_;
};

}  // namespace tonalis
