// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_viewer.h"

#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <utility>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "config/version.h"
#include "ui/form_layout.h"
#include "ui/rtf_reader.h"

#include "i18n/language.h"

namespace tonalis {
namespace {

QPointer<FrmIstruzioni> gViewer;

constexpr int kReadableWidth = 760;
constexpr int kReadableHeight = 560;
constexpr int kDesignWidthTwips = 8745;
constexpr int kDesignHeightTwips = 4515;
// No manual is anywhere near this; a larger file is not one.
constexpr qint64 kMaxManualBytes = 32 * 1024 * 1024;

QString CannotShow(const QString& why) {
  return "<p><b>" + Tr("The manual cannot be shown.").toHtmlEscaped() + "</b></p><p>" + why.toHtmlEscaped() + "</p>";
}

}  // namespace

QString FindHelpFile(const QString& fileName) {
  if (QFileInfo(fileName).isAbsolute() || QFileInfo::exists(fileName)) return fileName;
  for (const QString& folder : {QCoreApplication::applicationDirPath(), QStringLiteral(TONALIS_DATA_DIR)}) {
    const QString candidate = QDir(folder).filePath(fileName);
    if (QFileInfo::exists(candidate)) return candidate;
  }
  return fileName;
}

bool HelpFileExists(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && info.isFile();
}

FrmIstruzioni* FrmIstruzioni::Instance() { return gViewer.data(); }

FrmIstruzioni* FrmIstruzioni::Apri(const QString& fileName, const QString& title, MessageSink& messages,
                                   const QString& section) {
  if (!gViewer) {
    gViewer = new FrmIstruzioni(messages);
    gViewer->centre();
  }
  gViewer->helpFileName_ = fileName;
  gViewer->section_ = section;
  // Already shown and active: it will not be activated again.
  if (gViewer->isActiveWindow()) gViewer->showSection();
  gViewer->setWindowTitle(" " + title);
  gViewer->show();
  gViewer->raise();
  gViewer->activateWindow();
  return gViewer;
}

FrmIstruzioni::FrmIstruzioni(MessageSink& messages) : QWidget(nullptr, Qt::Window), messages_(messages) {
  setObjectName("frmIstruzioni");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(tr("Instructions:"));
  text_ = new QTextEdit(this);
  text_->setObjectName("rtfIstruzioni");
  text_->setReadOnly(true);
  QPalette palette = text_->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
  text_->setPalette(palette);
  // The text fills the window whatever its frame: sizing it from the outer
  // size left a blank strip where the window manager's frame is thinner
  // than the one the margins assumed.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  // The design size shows a dozen lines; a manual wants more, within the screen.
  QSize size(std::max(TwipsToPixels(kDesignWidthTwips, 1.0), kReadableWidth),
             std::max(TwipsToPixels(kDesignHeightTwips, 1.0), kReadableHeight));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);
  // Escape and Ctrl+W close it, as they close a document window.
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

void FrmIstruzioni::centre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;  // the platform places it
  const QRect area = screen->geometry();
  const QSize outer = frameGeometry().size();
  move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

bool FrmIstruzioni::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) activated();
  return QWidget::event(event);
}

void FrmIstruzioni::activated() {
  if (closing_) return;
  // The manual in the program's language, else the one there is.
  QString path = FindHelpFile(InLanguage(helpFileName_));
  if (!HelpFileExists(path)) path = FindHelpFile(helpFileName_);
  if (!HelpFileExists(path)) {
    closing_ = true;
    hide();
    messages_.showMessage({"Sonabel v" + std::to_string(kVersionMajor) + "r",
                           tr("The help file %1 is missing").arg(helpFileName_).toStdString(), UserMessage::Icon::Error});
    close();
    return;
  }
  QFile file(path);
  if (file.size() > kMaxManualBytes) {
    text_->setHtml(CannotShow(tr("%1 is too large to be a manual.").arg(path)));
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    text_->setHtml(CannotShow(path + ": " + file.errorString()));
    return;
  }
  const QByteArray bytes = file.readAll();
  // The same manual again: the reader keeps the place they were reading.
  if (bytes == shownBytes_ && path == shownPath_) {
    showSection();
    return;
  }
  shownBytes_ = bytes;
  shownPath_ = path;
  const RtfConversion converted =
      RtfToHtml(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  text_->setHtml(converted.error.empty() ? QString::fromStdString(converted.html)
                                         : CannotShow(QString::fromStdString(converted.error)));
  showSection();
}

void FrmIstruzioni::showSection() {
  const QString section = std::exchange(section_, QString());
  if (section.isEmpty()) return;
  for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
    if (!block.text().startsWith(section + " ")) continue;
    // The heading at the top of the view, the rest of its section below it.
    QScrollBar* bar = text_->verticalScrollBar();
    text_->setTextCursor(QTextCursor(block));
    bar->setValue(bar->maximum());
    text_->ensureCursorVisible();
    return;
  }
}

}  // namespace tonalis
