// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/config_document.h"

#include <QFile>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QWidget>

#include "config/version.h"
#include "i18n/language.h"
#include "i18n/text.h"
#include "storage/recent_files.h"
#include "storage/settings_file.h"

namespace tonalis {
namespace {

const char* kFileFilters[] = {TONALIS_TEXT("Configuration file (*.prg)"), TONALIS_TEXT("All files (*)")};
std::string FilePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

ConfigDocument::ConfigDocument(QWidget* window, MessageSink& messages, QString folder, Fields fields)
    : QObject(window), window_(window), messages_(messages), folder_(std::move(folder)), fields_(std::move(fields)) {}

void ConfigDocument::load(const QString& path) {
  const ConfigFileLoad load = ReadConfigFile(FilePath(path));
  if (!load.ok()) {
    // Nothing of a file that cannot be read whole reaches the fields: a mix of
    // two configurations would be saved over the good one or programmed.
    // The title is cut short on screen: the path goes in the text as well.
    messages_.showMessage({tr("Unable to load data file %1").arg(path).toStdString(),
                           path.toStdString() + kCrLf + load.error, UserMessage::Icon::None});
    return;
  }
  fields_.show(load.content);
  path_ = path;
  markSaved();
  remember();
}

bool ConfigDocument::save(const QString& path) {
  if (const auto error = WriteConfigFile(FilePath(path), fields_.read())) {
    messages_.showMessage({tr("Warning").toStdString(), *error, UserMessage::Icon::None});
    return false;
  }
  path_ = path;
  markSaved();
  remember();
  return true;
}

// A list that cannot be written loses nothing of the file: not said.
void ConfigDocument::remember() {
  RememberRecentFile(folder_.toStdString(), QFileInfo(path_).absoluteFilePath().toStdString());
}

void ConfigDocument::showRecent(QWidget* below) {
  delete menu_;  // one at a time
  auto* menu = new QMenu(window_);
  menu_ = menu;
  menu->setObjectName("recentFiles");
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const std::vector<std::string> paths = ReadRecentFiles(folder_.toStdString());
  if (paths.empty()) menu->addAction(tr("No recent files"))->setEnabled(false);
  int n = 0;
  for (const std::string& p : paths) {
    const QString path = QString::fromStdString(p);
    QAction* action =
        menu->addAction(QString("&%1  %2").arg(++n).arg(QDir::toNativeSeparators(path).replace("&", "&&")));
    connect(action, &QAction::triggered, this, [this, path] {
      afterSavingChanges([this, path] {
        if (!QFileInfo::exists(path)) ForgetRecentFile(folder_.toStdString(), path.toStdString());
        load(path);
      });
    });
  }
  menu->popup(below->mapToGlobal(QPoint(0, below->height())));
}

void ConfigDocument::saveHere() {
  if (path_.isEmpty())
    openDialog(true);
  else
    save(path_);
}

void ConfigDocument::showCaption() {
  const int slash = std::max(path_.lastIndexOf('/'), path_.lastIndexOf('\\'));
  const QString caption = path_.isEmpty() ? QString(kInitialCaption)
                                          : tr("Tonalis v%1 - %2")
                                                .arg(QString::fromStdString(VersionText()), path_.mid(slash + 1));
  const QString title = place_.isEmpty() ? caption : tr("%1 - at %2").arg(caption, place_);
  window_->setWindowTitle(title + (modified_ ? " *" : ""));
}

void ConfigDocument::setPlace(const QString& site) {
  place_ = site;
  showCaption();
}

void ConfigDocument::markSaved() {
  saved_ = fields_.read();
  modified_ = false;
  showCaption();
}

void ConfigDocument::fieldsChanged() {
  const ConfigFileContent now = fields_.read();
  const bool modified = !(now.config == saved_.config) || now.txtPrgComm != saved_.txtPrgComm;
  if (modified == modified_) return;
  modified_ = modified;
  showCaption();
}

void ConfigDocument::afterSavingChanges(std::function<void()> go) {
  if (!modified_) {
    go();
    return;
  }
  const QString name = path_.isEmpty() ? QString(kDefaultConfigName) : QFileInfo(path_).fileName();
  QPointer<ConfigDocument> self(this);
  messages_.ask({tr("Save changes?").toStdString(),
                 tr("The configuration in the fields has changes that are not saved in %1. Save them before "
                    "going on?")
                     .arg(name)
                     .toStdString(),
                 UserMessage::Icon::Exclamation},
                {tr("Save").toStdString(), tr("Discard").toStdString(), tr("Cancel").toStdString()},
                [self, go = std::move(go)](int answer) {
                  if (!self || answer == 2) return;
                  if (answer == 0) {
                    const QString path =
                        self->path_.isEmpty() ? self->folder_ + "/" + kDefaultConfigName : self->path_;
                    if (!self->save(path)) return;  // said; nothing is lost
                  }
                  go();
                });
}

void ConfigDocument::openDialog(bool save) {
  if (dialog_) dialog_->close();
  auto* dialog = new QFileDialog(window_, save ? tr("Save File") : tr("Load File"), folder_);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setNameFilters({Tr(kFileFilters[0]), Tr(kFileFilters[1])});
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog->setDefaultSuffix("prg");
  // Save writes where the title says, unless the user chooses otherwise.
  if (save && !path_.isEmpty()) {
    dialog->setDirectory(QFileInfo(path_).absolutePath());
    dialog->selectFile(QFileInfo(path_).fileName());
  } else {
    dialog->selectFile(kDefaultConfigName);
  }
  connect(dialog, &QFileDialog::fileSelected, this, [this, save](const QString& path) {
    if (save)
      this->save(path);
    else
      load(path);
  });
  dialog_ = dialog;
  dialog->open();
}

}  // namespace tonalis
