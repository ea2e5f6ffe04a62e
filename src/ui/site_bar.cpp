// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/site_bar.h"

#include <QDateTime>
#include <QDialog>
#include <QRegularExpression>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QVBoxLayout>

#include "i18n/language.h"
#include "storage/config_file.h"
#include "ui/accessibility.h"

namespace tonalis {
namespace {

std::string Std(const QString& s) { return s.toStdString(); }

}  // namespace

SiteBar::SiteBar(QWidget* window, Window parts, QString settingsFolder)
    : QWidget(window),
      w_(std::move(parts)),
      settingsFolder_(std::move(settingsFolder)),
      work_(qEnvironmentVariable("TONALIS_SSH")),
      baseHeight_(window->height()) {
  setObjectName("siteBar");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(8, 0, 8, 4);
  auto* label = new QLabel(tr("Si&te:"), this);
  chooser_ = new QComboBox(this);
  chooser_->setObjectName("cboSite");
  chooser_->setToolTip(tr("Where READ, PROGRAM and the sends go: this computer, or a site's agent over ssh"));
  label->setBuddy(chooser_);
  where_ = new QLabel(this);
  where_->setObjectName("lblSite");
  row->addWidget(label);
  row->addWidget(chooser_, 1);
  row->addWidget(where_, 2);
  hide();
  connect(chooser_, &QComboBox::currentIndexChanged, this, &SiteBar::onChosen);

  connect(&work_, &SiteWork::progress, this, [this](const QString& text, bool error) {
    w_.progress.appendMessage(Std(text) + kCrLf);
    if (error) w_.progress.setMessageColour(ProgressView::Colour::Red);
  });
  connect(&work_, &SiteWork::boardRead, this, &SiteBar::boardRead);
  connect(&work_, &SiteWork::listening, this,
          [this] { w_.sendPanel.strip()->setReplyText(tr("Listening for the board's reply...")); });
  connect(&work_, &SiteWork::replyHeard, this, [this](const QString& reply) {
    memory_.reply = reply.isEmpty() ? tr("none heard") : reply;
    w_.sendPanel.showReply(reply);
  });
  connect(&work_, &SiteWork::reached, this, [this] {
    memory_.state = tr("reachable");
    memory_.contacted = QDateTime::currentDateTime().toString(kSiteTimeFormat);
  });
  connect(&work_, &SiteWork::monitored, this,
          [this](const QString& verdict) { w_.sendPanel.strip()->setMonitorText(verdict); });
  connect(&work_, &SiteWork::finished, this, &SiteBar::onFinished);
}

void SiteBar::reload() {
  // The list changes once the site's work is over.
  reloadPending_ = busy();
  if (reloadPending_) return;
  SitesFile file;
  const QString before = chooser_->currentIndex() > 0 ? chooser_->currentText() : QString();
  sites_.clear();
  // An unreadable list: this computer only (the Sites page says why).
  if (!ReadSitesFile(QFile::encodeName(settingsFolder_).toStdString(), file))
    for (const SiteEntry& site : file.sites)
      if (!site.here()) sites_.push_back(site);
  const QSignalBlocker blocker(chooser_);
  chooser_->clear();
  chooser_->addItem(tr("This computer"));
  for (const SiteEntry& site : sites_) chooser_->addItem(QString::fromStdString(site.name));
  QWidget* window = parentWidget();
  if (sites_.empty()) {
    hide();
    window->setFixedSize(window->width(), baseHeight_);
  } else {
    const int height = w_.controls.SSTab1->tabBar()->sizeHint().height() + 8;
    window->setFixedSize(window->width(), baseHeight_ + height);
    setGeometry(0, baseHeight_, window->width(), height);
    show();
  }
  // The site chosen before, when it is still listed; otherwise this computer.
  const int index = before.isEmpty() ? 0 : chooser_->findText(before);
  chooser_->setCurrentIndex(std::max(index, 0));
  onChosen(chooser_->currentIndex());
}

const SiteEntry* SiteBar::chosen() const { return place_ == Place::Site ? &work_.site() : nullptr; }

// A site whose address cannot be used: nothing is done anywhere, and why is said.
bool SiteBar::unusable() {
  if (place_ != Place::Unusable) return false;
  w_.messages.showMessage({"Tonalis", Std(where_->text()), UserMessage::Icon::Exclamation});
  return true;
}

// The chosen site, when it can take a job now; otherwise null, and why is
// said for a site that cannot be reached (a busy one is already working).
const SiteEntry* SiteBar::ready() {
  if (unusable() || busy()) return nullptr;
  return chosen();
}

bool SiteBar::choose(const QString& name) {
  const int index = name.isEmpty() ? 0 : chooser_->findText(name);
  if (index < 0) return false;
  chooser_->setCurrentIndex(index);
  return true;
}

void SiteBar::onChosen(int index) {
  const FormControls& c = w_.controls;
  const SiteEntry* site =
      index >= 1 && index <= static_cast<int>(sites_.size()) ? &sites_[static_cast<std::size_t>(index - 1)] : nullptr;
  QString why;
  place_ = !site ? Place::Here : work_.setSite(*site, &why) ? Place::Site : Place::Unusable;
  const QString name = site ? QString::fromStdString(site->name) : QString();
  if (site) {
    // The local ports are this computer's: closed while the work is at a site.
    if (c.chkPrg->isChecked()) w_.link.setProgrammingTicked(false, Std(c.txtPrgComm->text()));
    if (c.chkPtt->isChecked()) w_.link.setPttTicked(false, Std(c.txtPttCom->text()));
  }
  applyControls();
  if (place_ == Place::Site) {
    where_->setText(QString::fromStdString(site->where));
    SetStatusText(c.lblInfoSend, tr("At %1: READ, PROGRAM and the sends go to the site's board and transmitter.")
                                     .arg(name));
  } else if (place_ == Place::Unusable) {
    where_->setText(tr("%1 cannot be reached: %2").arg(name, why));
    SetStatusText(c.lblInfoSend, where_->text());
  } else {
    where_->clear();
    if (isVisible()) SetStatusText(c.lblInfoSend, tr("On this computer."));
  }
  Q_EMIT placeChanged(name);
}

void SiteBar::applyControls() {
  const FormControls& c = w_.controls;
  const bool site = place_ != Place::Here;
  c.chkPrg->setEnabled(!site);
  c.chkPtt->setEnabled(!site);
  if (!site) return;  // the link's own state stands
  c.txtPttCom->setEnabled(false);
  c.txtPrgComm->setEnabled(!busy());
  c.cmdRead->setEnabled(!busy());
  c.cmdSend->setEnabled(!busy());
}

// After a job starts or ends: the chooser and the controls as the work now is.
void SiteBar::followWork() {
  chooser_->setEnabled(!busy());
  applyControls();
  if (!busy() && reloadPending_) reload();
}

void SiteBar::startBoardJob(const QString& title) {
  w_.progress.setOkVisible(false);
  w_.progress.setMessageColour(ProgressView::Colour::Black);
  w_.progress.setMessage(Std(title) + kCrLf);
  w_.progress.showDialog();
}

bool SiteBar::read() {
  if (!atSite()) return false;
  const SiteEntry* site = ready();
  if (!site) return true;
  startBoardJob(tr("READ at %1").arg(QString::fromStdString(site->name)));
  work_.read(w_.controls.txtPrgComm->text());
  followWork();
  return true;
}

bool SiteBar::program(const DecoderConfig& fields) {
  if (!atSite()) return false;
  const SiteEntry* site = ready();
  if (!site) return true;
  programming_ = fields;
  startBoardJob(tr("PROGRAM at %1").arg(QString::fromStdString(site->name)));
  const QString prg = QString::fromStdString(
      FormatConfigFile({fields, Std(w_.controls.txtPrgComm->text())}));
  const QString file = w_.fileName();
  work_.program(prg, file.isEmpty() ? QString::fromStdString(site->name) + ".prg" : file,
                w_.controls.txtPrgComm->text());
  followWork();
  return true;
}

bool SiteBar::send(const AirRequest& request) {
  if (!atSite()) return false;
  if (!ready()) return true;
  // The window's timing; the sound card, PTT, level and listening are the site's own setup.
  QStringList args;
  if (request.kind == AirRequest::Kind::Command) args << QString::number(request.command);
  else args << QString::fromStdString(request.sequence);
  args << "--digit-ms" << QString::fromStdString(request.timing.texts.digitMs) << "--gap-ms"
       << QString::fromStdString(request.timing.texts.gapMs) << "--pause-ms"
       << QString::fromStdString(request.timing.texts.pauseMs) << "--tx-delay-ms"
       << QString::fromStdString(request.timing.texts.txDelayMs);
  const QString prg = request.kind == AirRequest::Kind::Command
                          ? QString::fromStdString(FormatConfigFile({w_.fields(), "1"}))
                          : QString();
  memory_ = SiteMemory();
  sequence_ = request.kind == AirRequest::Kind::Command ? tr("command %1").arg(request.command) : args.first();
  w_.sendPanel.startElsewhere([this] { work_.stop(); });
  work_.send(args, prg);
  followWork();
  return true;
}

void SiteBar::onFinished(SiteWork::Job job, bool ok, const QString& text) {
  const QString name = QString::fromStdString(work_.site().name);
  followWork();
  if (job == SiteWork::Job::Send) {
    // Its completion text, or why it failed, named for the site.
    w_.sendPanel.finishElsewhere(tr("%1: %2").arg(name, text));
    memory_.lastSend = QDateTime::currentDateTime().toString(kSiteTimeFormat) + " " + sequence_ + ": " +
                       QString(text).replace(QRegularExpression("\\s+"), " ").trimmed();
    RememberSite(settingsFolder_, name, memory_);
    return;
  }
  if (ok) {
    w_.progress.appendMessage(Std(tr("Done at %1.").arg(name)));
    if (job == SiteWork::Job::Program) Q_EMIT programmed(programming_);
  } else {
    w_.progress.setMessageColour(ProgressView::Colour::Red);
  }
  w_.progress.setOkVisible(true);
  w_.progress.showDialog();
}

QDialog* SiteBar::showJournal() {
  if (unusable() || !chosen()) return nullptr;
  return showText(tr("Journal at %1").arg(QString::fromStdString(chosen()->name)), "journal", {});
}

QDialog* SiteBar::showHistory() {
  if (unusable() || !chosen()) return nullptr;
  return showText(tr("History at %1").arg(QString::fromStdString(chosen()->name)), "history", {"list"});
}

// The site's journal or history as its command line prints it, read-only.
QDialog* SiteBar::showText(const QString& title, const QString& op, const QStringList& args) {
  auto* dialog = new QDialog(parentWidget());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(title);
  auto* layout = new QVBoxLayout(dialog);
  auto* text = new QPlainTextEdit(dialog);
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setAccessibleName(title);
  layout->addWidget(text);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog->resize(720, 420);
  dialog->show();
  // A connection of its own, which goes with the dialog: reading the site's
  // files never waits for a send there, nor holds one up.
  auto* work = new SiteWork(work_.sshCommand(), dialog);
  QString why;
  if (!work->setSite(*chosen(), &why)) {
    text->setPlainText(why);
    return dialog;
  }
  connect(work, &SiteWork::output, text, &QPlainTextEdit::appendPlainText);
  connect(work, &SiteWork::finished, text, [text](SiteWork::Job, bool ok, const QString& failure) {
    if (!ok) text->appendPlainText(failure);
  });
  work->fetch(op, args);
  return dialog;
}

}  // namespace tonalis
