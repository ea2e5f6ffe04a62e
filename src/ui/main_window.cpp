// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>

#include "config/decoder_image.h"
#include "config/text_value.h"
#include "config/version.h"
#include "i18n/language.h"
#include "journal/journal_clock.h"
#include "link/port_lookup.h"
#include "history/history_store.h"
#include "storage/settings_file.h"
#include "tone/morse.h"
#include "tone/send_fields.h"
#include "ui/accessibility.h"
#include "ui/card_printing.h"
#include "ui/commands_dialog.h"
#include "ui/channel_watch.h"
#include "ui/journal_dialog.h"
#include "ui/field_rules.h"
#include "ui/help_viewer.h"
#include "ui/history_dialog.h"
#include "ui/key_rules.h"
#include "ui/progress_dialog.h"
#include "ui/replacement_panel.h"
#include "ui/site_bar.h"
#include "ui/station_dialog.h"
#include "ui/window_settings.h"

namespace tonalis {
namespace {

std::string Std(const QString& s) { return s.toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string FilePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The manual's sections that tell of the dialogs (the headings start so, in
// each language): the station's tells of the Journal and Commands too.
constexpr const char* kStationSection = "5.";
constexpr const char* kHistorySection = "5a.";
constexpr const char* kHelpSectionProperty = "tonalisHelpSection";

}  // namespace

FrmTone::FrmTone(MessageSink& messages, OutputHandle audio, const QString& settingsFolder, QWidget* parent,
                 AudioInput* input)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      messages_(messages),
      settingsFolder_(settingsFolder),
      c_(BuildForm(this)),
      link_(*this, messages, [this](int number) { return PortFromPortsIni(FilePath(settingsFolder_), number); }),
      stationPtt_(link_, messages),
      audio_(audio.device),
      journal_(JournalFolder(Std(settingsFolder))),
      history_(link_, messages, FilePath(settingsFolder + "/history"),
               [this] {
                 // The file as loaded, or marked when the fields had moved on from it.
                 const std::string name = Std(QFileInfo(document_->path()).fileName());
                 // Kept in no language: the History shows it in the program's.
                 return name.empty() || !document_->isModified() ? name : name + kModifiedMark;
               }),
      ownInput_(input ? nullptr : std::make_unique<PortAudioInput>()),
      exchange_(std::move(audio), stationPtt_, messages, input ? *input : *ownInput_, journal_, &history_.store()) {
  setObjectName("frmTone");
  setWindowTitle(kInitialCaption);
  document_ = new ConfigDocument(this, messages_, settingsFolder_,
                                 {[this] { return ConfigFileContent{readConfig(), Std(c_.txtPrgComm->text())}; },
                                  [this](const ConfigFileContent& content) { showLoaded(content); }});
  MakeStatusLine(c_.lblInfoSend);
  SetStatusText(c_.lblInfoSend, tr("Tonalis v%1 - DTMF sender").arg(Q(VersionText())));
  installFieldRules();
  connectControls();
  placeCornerButtons();
  sendPanel_ = new SendPanel(c_, exchange_, messages_, this);
  channelWatch_ = new ChannelWatch(journal_, this);
  connect(sendPanel_, &SendPanel::aboutToSend, channelWatch_, &ChannelWatch::pauseForSend);
  connect(&exchange_, &AirExchange::done, channelWatch_, &ChannelWatch::resumeAfterSend);
  connect(sendPanel_, &SendPanel::changed, this, &FrmTone::showInCommands);
  connect(sendPanel_, &SendPanel::sending, this, [this](bool on) {
    if (commandsDialog_) commandsDialog_->setSending(on);
  });
  connect(sendPanel_, &SendPanel::offerTaken, this, [this](int command, const QString& digits) {
    c_.txtMem[static_cast<std::size_t>(command)]->setText(digits);
  });
  siteBar_ = new SiteBar(this,
                         {c_, *this, *sendPanel_, link_, messages_, [this] { return readConfig(); },
                          [this] { return QFileInfo(document_->path()).fileName(); }},
                         settingsFolder_);
  connect(siteBar_, &SiteBar::boardRead, this, &FrmTone::showBoardRead);
  connect(siteBar_, &SiteBar::programmed, this, [this](const DecoderConfig& config) {
    boardConfig_ = config;
    refreshCommands();
  });
  connect(siteBar_, &SiteBar::placeChanged, document_, &ConfigDocument::setPlace);
  // Ctrl+O loads, Ctrl+S saves to the file in the title (asking for one
  // where there is none), Ctrl+Q closes as the close button does.
  auto* open = new QShortcut(QKeySequence::Open, this);
  connect(open, &QShortcut::activated, this, &FrmTone::onLoadClicked);
  auto* save = new QShortcut(QKeySequence::Save, this);
  connect(save, &QShortcut::activated, document_, &ConfigDocument::saveHere);
  // Ctrl+R, or a right click on Load: the files last loaded or saved.
  auto* recent = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
  connect(recent, &QShortcut::activated, this, [this] { document_->showRecent(c_.cmdLoad); });
  c_.cmdLoad->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(c_.cmdLoad, &QWidget::customContextMenuRequested, this, [this] { document_->showRecent(c_.cmdLoad); });
  auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  connect(quit, &QShortcut::activated, this, &QWidget::close);
  // Ctrl+P prints the command card.
  auto* print = new QShortcut(QKeySequence::Print, this);
  connect(print, &QShortcut::activated, this, [this] { openPrintDialog(); });
  // Key preview: F1 works wherever the focus is in this window.
  qApp->installEventFilter(this);
  connect(this, &FrmTone::helpRequested, this, [this] { FrmIstruzioni::Apri(kHelpFileName, kHelpTitle, messages_); });
}

FrmTone::~FrmTone() { qApp->removeEventFilter(this); }

QString FrmTone::settingsPath() const { return settingsFolder_ + "/" + kSettingsFileName; }

// ---- Fields and their rules -------------------------------------------------

void FrmTone::installFieldRules() {
  for (QLineEdit* f :
       {c_.Text2, c_.Text3, c_.Text4, c_.txtTxd, c_.txtPttCom, c_.txtPrgComm, c_.txtMorseSpeed, c_.txtTmr2})
    FieldRules::Install(f, FilterDigitKey)->selectAllOnClick();
  for (QLineEdit* f : {c_.txtBlo, c_.txtBhi}) FieldRules::Install(f, FilterDecimalKey)->selectAllOnClick();
  FieldRules::Install(c_.txtCallID, FilterCallSignKey)->selectAllOnClick();
  for (int n = 0; n < kCommandCount; ++n)
    FieldRules::Install(c_.txtMem[static_cast<std::size_t>(n)], FilterDtmfKey)->onDoubleClick([this, n] {
      copyCommandToSequence(n);
    });
  FieldRules::Install(c_.txtSeqCmd, FilterDtmfKey);
  FieldRules::Install(c_.txtSeqOri, FilterDtmfKey);
  FieldRules::Install(c_.txtCrcTag, FilterChecksumKey);
  FieldRules::Install(c_.txtSeqNew, [this](int code) {
    const QString id = c_.txtCrcTag->text();
    return FilterNewSequenceKey(code, id.isEmpty() ? '\0' : id.at(0).toLatin1());
  });
  FieldRules::Install(c_.Text1, FilterSequenceKey)->onReturn([this] { sendSequence(); }).onClickOrKeyRelease([this] {
    refreshSequenceCounter();
  });
}

void FrmTone::connectControls() {
  for (int i = 0; i < 4; ++i) {
    QPushButton* toggle = c_.chkOutput[static_cast<std::size_t>(i)];
    connect(toggle, &QPushButton::toggled, this, [toggle, i](bool on) { toggle->setText(OutputText(i, on)); });
  }
  connect(c_.chkPrg, &QCheckBox::clicked, this,
          [this](bool ticked) { link_.setProgrammingTicked(ticked, Std(c_.txtPrgComm->text())); });
  connect(c_.chkPtt, &QCheckBox::clicked, this,
          [this](bool ticked) { link_.setPttTicked(ticked, Std(c_.txtPttCom->text())); });
  connect(&link_, &BoardLink::controlsChanged, this, &FrmTone::applyLinkControls);
  connect(&link_, &BoardLink::exchangeFinished, this, [this](bool success) {
    if (success && programPending_) boardConfig_ = programmedConfig_;
    programPending_ = false;
    refreshCommands();
  });
  connect(&link_, &BoardLink::configurationRead, this, [this] { showBoardRead(link_.readImage()); });
  connect(c_.cmdRead, &QPushButton::clicked, this, [this] {
    if (!siteBar_->read()) link_.readBoard();
  });
  connect(c_.cmdSend, &QPushButton::clicked, this, &FrmTone::onProgramClicked);
  connect(c_.cmdLoad, &QPushButton::clicked, this, &FrmTone::onLoadClicked);
  connect(c_.cmdSave, &QPushButton::clicked, this, &FrmTone::onSaveClicked);

  connect(c_.cmdTone, &QPushButton::clicked, this, &FrmTone::sendSequence);
  connect(&journal_, &JournalWriter::failed, this, &FrmTone::onJournalFailed);

  replacement_ = new ReplacementPanel(c_, messages_, [this] { return readConfig(); }, this);
  connect(replacement_, &ReplacementPanel::calculated, this, &FrmTone::refreshSequenceCounter);

  // Every field a configuration file holds.
  for (QLineEdit* f : c_.txtMem) connect(f, &QLineEdit::textChanged, document_, &ConfigDocument::fieldsChanged);
  for (QLineEdit* f : {c_.txtSeqCmd, c_.txtCrcTag, c_.txtCallID, c_.txtMorseSpeed, c_.txtTmr2, c_.txtBlo, c_.txtBhi,
                       c_.txtPrgComm})
    connect(f, &QLineEdit::textChanged, document_, &ConfigDocument::fieldsChanged);
  for (QPushButton* b : c_.chkOutput) connect(b, &QPushButton::toggled, document_, &ConfigDocument::fieldsChanged);
  for (QCheckBox* b : {c_.chkMorse, c_.chkBCheck}) connect(b, &QCheckBox::toggled, document_, &ConfigDocument::fieldsChanged);
}

bool FrmTone::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      watched->isWidgetType()) {
    // This window, or one of its dialogs and message boxes (Station, History,
    // the file dialogs, the progress dialog): the manual covers them all.
    // A dialog of its own opens it at the dialog's section.
    const QWidget* active = QApplication::activeWindow();
    const QString section = active ? active->property(kHelpSectionProperty).toString() : QString();
    if (active && active->parentWidget() == this && !section.isEmpty())
      openHelp(section);
    else if (active == this || (active && active->parentWidget() == this && qobject_cast<const QDialog*>(active)))
      Q_EMIT helpRequested();
  }
  return QWidget::eventFilter(watched, event);
}

DecoderConfig FrmTone::readConfig() const {
  DecoderConfig config;
  for (int n = 0; n < kCommandCount; ++n)
    config.txtMem[static_cast<std::size_t>(n)] = Std(c_.txtMem[static_cast<std::size_t>(n)]->text());
  config.txtSeqCmd = Std(c_.txtSeqCmd->text());
  config.txtCrcTag = Std(c_.txtCrcTag->text());
  config.txtCallID = Std(c_.txtCallID->text());
  config.txtMorseSpeed = Std(c_.txtMorseSpeed->text());
  config.txtTmr2 = Std(c_.txtTmr2->text());
  config.txtBlo = Std(c_.txtBlo->text());
  config.txtBhi = Std(c_.txtBhi->text());
  for (int i = 0; i < 4; ++i)
    config.chkOutput[static_cast<std::size_t>(i)] = c_.chkOutput[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
  config.chkMorse = c_.chkMorse->isChecked() ? 1 : 0;
  config.chkBCheck = c_.chkBCheck->isChecked() ? 1 : 0;
  return config;
}

void FrmTone::applyOutputs(const std::array<int, 4>& outputs) {
  for (int i = 0; i < 4; ++i)
    c_.chkOutput[static_cast<std::size_t>(i)]->setChecked(outputs[static_cast<std::size_t>(i)] == 1);
}

void FrmTone::applyParameters(const DecoderConfig& config) {
  c_.txtSeqCmd->setText(Q(config.txtSeqCmd));
  c_.txtCrcTag->setText(Q(config.txtCrcTag));
  c_.chkMorse->setChecked(config.chkMorse == 1);
  c_.txtMorseSpeed->setText(Q(config.txtMorseSpeed));
  c_.txtCallID->setText(Q(config.txtCallID));
  c_.txtTmr2->setText(Q(config.txtTmr2));
  c_.chkBCheck->setChecked(config.chkBCheck == 1);
  c_.txtBlo->setText(Q(config.txtBlo));
  c_.txtBhi->setText(Q(config.txtBhi));
}

void FrmTone::applyCommands(const std::array<std::string, kCommandCount>& commands) {
  for (int n = 0; n < kCommandCount; ++n)
    c_.txtMem[static_cast<std::size_t>(n)]->setText(Q(commands[static_cast<std::size_t>(n)]));
}

// In the board's order: the Checksum ID is checked against the commands
// still in the fields, before the board's own commands replace them.
void FrmTone::applyDecoded(const DecoderConfig& config) {
  applyOutputs(config.chkOutput);
  c_.chkMorse->setChecked(config.chkMorse == 1);
  c_.chkBCheck->setChecked(config.chkBCheck == 1);
  c_.txtCrcTag->setText(Q(config.txtCrcTag));
  c_.txtMorseSpeed->setText(Q(config.txtMorseSpeed));
  c_.txtTmr2->setText(Q(config.txtTmr2));
  c_.txtBlo->setText(Q(config.txtBlo));
  c_.txtBhi->setText(Q(config.txtBhi));
  applyCommands(config.txtMem);
  c_.txtSeqCmd->setText(Q(config.txtSeqCmd));
  c_.txtCallID->setText(Q(config.txtCallID));
}

// ---- The link ---------------------------------------------------------------

// What a READ found, here or at a site.
void FrmTone::showBoardRead(const DecoderImage& image) {
  restoredImage_.reset();
  applyDecoded(DecodeImage(image));
  boardConfig_ = readConfig();
  refreshCommands();
  if (std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == 0xFF; })) {
    // Erased memory decodes as a call of six 'ÿ' at 5 WPM: shown as what it is, nothing.
    c_.txtCallID->clear();
    c_.txtMorseSpeed->clear();
    messages_.showMessage({"Tonalis",
                           Std(tr("The board looks unprogrammed: every byte of its memory is FF (erased). The "
                                  "fields show no commands and no CW call; fill them in and PROGRAM the board.")),
                           UserMessage::Icon::Information});
  }
}

void FrmTone::applyLinkControls() {
  const BoardLink::Controls s = link_.controls();
  {
    const QSignalBlocker prg(c_.chkPrg);
    const QSignalBlocker ptt(c_.chkPtt);
    c_.chkPrg->setChecked(s.chkPrg);
    c_.chkPtt->setChecked(s.chkPtt);
  }
  c_.txtPrgComm->setEnabled(s.txtPrgCommEnabled);
  c_.txtPttCom->setEnabled(s.txtPttComEnabled);
  c_.cmdRead->setEnabled(s.cmdReadEnabled);
  c_.cmdSend->setEnabled(s.cmdSendEnabled);
  if (siteBar_) siteBar_->applyControls();
}

void FrmTone::onProgramClicked() {
  if (stationPtt_.choice().usesPttPort()) link_.setPttTicked(false, Std(c_.txtPttCom->text()));
  const DecoderConfig fields = readConfig();
  const EncodeResult encoded = ValidateAndEncode(fields, TrStd);
  if (!encoded.ok()) {
    messages_.showMessage(*encoded.refusal);
    return;
  }
  // Fields that still show a history entry put back exactly its bytes, even
  // those the fields cannot carry (a Morse timing, the reserved bytes).
  const bool restoring = restoredImage_ && DecodeImage(*restoredImage_) == fields;
  if (siteBar_->program(fields)) return;
  programmedConfig_ = fields;
  programPending_ = true;
  link_.programBoard(restoring ? *restoredImage_ : encoded.image);
}

void FrmTone::loadImageIntoFields(const DecoderImage& image) {
  applyDecoded(DecodeImage(image));
  restoredImage_ = image;
}

void FrmTone::setHistoryFolder(const std::string& folder) { history_.store() = HistoryStore(folder); }

QDialog* FrmTone::openPrintDialog() {
  // The fields as they are now; the keys masked, as on the command line without --show-keys.
  const QString name = document_->path().isEmpty() ? QString("Tonalis") : QFileInfo(document_->path()).completeBaseName();
  return OpenCardPrintDialog(this, MakeCard(readConfig(), Std(name), false), name, messages_);
}

JournalDialog* FrmTone::openJournalDialog() {
  if (siteBar_->atSite()) {
    siteBar_->showJournal();  // the site's, not this computer's
    return nullptr;
  }
  auto* dialog = new JournalDialog(this, JournalFolder(Std(settingsFolder_)), messages_, channelWatch_);
  connect(&journal_, &JournalWriter::written, dialog, &JournalDialog::reload);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  helpAt(dialog, kStationSection);
  dialog->show();
  return dialog;
}

CommandsDialog* FrmTone::openCommandsDialog() {
  if (!commandsDialog_) {
    commandsDialog_ = new CommandsDialog(this);
    helpAt(commandsDialog_.data(), kStationSection);
    connect(commandsDialog_, &CommandsDialog::printRequested, this, [this] { openPrintDialog(); });
    connect(commandsDialog_, &CommandsDialog::sendRequested, this, [this](int n) {
      // Into Sequence to Send, then sent exactly as Send Sequence sends it.
      c_.Text1->setText(c_.txtMem[static_cast<std::size_t>(n)]->text());
      refreshSequenceCounter();
      commandSent_ = n;
      sendSequence();
      commandSent_.reset();
    });
    for (QLineEdit* command : c_.txtMem) connect(command, &QLineEdit::textChanged, this, &FrmTone::refreshCommands);
  }
  refreshCommands();
  commandsDialog_->show();
  commandsDialog_->raise();
  commandsDialog_->activateWindow();
  return commandsDialog_;
}

void FrmTone::refreshCommands() {
  if (!commandsDialog_) return;
  const DecoderConfig fields = readConfig();
  // What the board holds is known after a READ or PROGRAM; before, the file is the best guess.
  const bool unsaved = boardConfig_ ? !(fields == *boardConfig_) : document_->isModified();
  commandsDialog_->setCommands(fields.txtMem, unsaved);
  commandsDialog_->setSending(exchange_.transmitting());
}

HistoryDialog* FrmTone::openHistoryDialog() {
  if (siteBar_->atSite()) {
    siteBar_->showHistory();
    return nullptr;
  }
  auto* dialog = new HistoryDialog(this, history_.store(), [this] { return readConfig(); }, messages_);
  helpAt(dialog, kHistorySection);
  connect(dialog, &HistoryDialog::loadRequested, this,
          [this](const HistoryEntry& entry) { loadImageIntoFields(entry.image); });
  dialog->open();
  return dialog;
}

ProgressDialog& FrmTone::ensureDialog() {
  if (!dialog_) dialog_ = new ProgressDialog(this, c_.scale);
  return *dialog_;
}

void FrmTone::setMessage(const std::string& text) { ensureDialog().setMessage(text); }
void FrmTone::appendMessage(const std::string& text) { ensureDialog().appendMessage(text); }
void FrmTone::setMessageColour(Colour colour) { ensureDialog().setMessageColour(colour); }
void FrmTone::setOkVisible(bool visible) { ensureDialog().setOkVisible(visible); }
bool FrmTone::isOkVisible() const { return dialog_ ? dialog_->isOkVisible() : true; }
void FrmTone::showDialog() { ensureDialog().showDialog(); }

// ---- Configuration files ----------------------------------------------------

void FrmTone::loadConfigFile(const QString& path) { document_->load(path); }

bool FrmTone::saveConfigFile(const QString& path) { return document_->save(path); }

void FrmTone::showLoaded(const ConfigFileContent& content) {
  restoredImage_.reset();
  applyOutputs(content.config.chkOutput);
  applyParameters(content.config);
  applyCommands(content.config.txtMem);
  const QString port = Q(content.txtPrgComm);
  if (port != c_.txtPrgComm->text() && c_.chkPrg->isChecked())
    link_.setProgrammingTicked(false, Std(c_.txtPrgComm->text()));
  c_.txtPrgComm->setText(port);
}

void FrmTone::onLoadClicked() {
  document_->afterSavingChanges([this] { document_->openDialog(false); });
}

void FrmTone::onSaveClicked() { document_->openDialog(true); }

// ---- Send Sequence ----------------------------------------------------------

void FrmTone::refreshSequenceCounter() {
  // Characters, not UTF-16 units: a pasted emoji is one (silent) digit.
  c_.Label3->setText(tr("Sequence to Send (%1 digits)").arg(c_.Text1->text().toUcs4().size()));
  c_.cmdTone->setEnabled(!c_.Text1->text().isEmpty());
}

void FrmTone::copyCommandToSequence(int n) {
  const QString command = c_.txtMem[static_cast<std::size_t>(n)]->text();
  if (command.isEmpty()) return;
  c_.Text1->setText(command);
  refreshSequenceCounter();
  c_.SSTab1->setCurrentIndex(1);
  c_.Text1->setFocus();
  c_.Text1->selectAll();
}

void FrmTone::sendSequence() {
  if (exchange_.transmitting()) return;  // one send at a time; the running one carries on
  exchange_.stop({});                    // a reply still listened for: what was heard stands
  const SendTiming timing =
      CorrectSendTiming({Std(c_.Text2->text()), Std(c_.Text3->text()), Std(c_.Text4->text()), Std(c_.txtTxd->text())});
  c_.Text2->setText(Q(timing.texts.digitMs));
  c_.Text3->setText(Q(timing.texts.gapMs));
  c_.Text4->setText(Q(timing.texts.pauseMs));
  AirRequest request;
  request.applyStation(station_);
  request.sequence = Std(c_.Text1->text());
  request.timing = timing;
  request.modifierId = Std(c_.txtSeqCmd->text());
  request.checksumId = Std(c_.txtCrcTag->text());
  request.ptt = JournalPtt(link_.pttEnabled(), stationPtt_.choice());
  if (commandSent_) {
    request.kind = AirRequest::Kind::Command;
    request.command = *commandSent_;
  } else {
    replacement_->describe(request);
  }
  if (request.kind == AirRequest::Kind::Replacement) {
    request.port = "COM" + Std(c_.txtPrgComm->text());
    request.portDevice = link_.portDevice();
    request.file = Std(QFileInfo(document_->path()).fileName());
    const EncodeResult fields = ValidateAndEncode(readConfig());
    if (fields.ok()) request.fieldsImage = fields.image;
  }
  // The board keys a dot of its timing byte: the configuration's speed tells it.
  const auto wpm = StrictNumber(Std(c_.txtMorseSpeed->text()));
  if (wpm && *wpm >= 14 && *wpm <= 150) request.replyDotMs = MorseDotMs(*wpm);
  c_.txtTxd->setText(Q(timing.texts.txDelayMs));
  if (!siteBar_->send(request)) sendPanel_->start(request);
}

void FrmTone::onJournalFailed(const QString& error) {
  if (!std::exchange(journalFailureSaid_, true))
    messages_.showMessage({Std(tr("Journal")), Std(tr("The journal of sends cannot be written: %1.").arg(error)),
                           UserMessage::Icon::Exclamation});
}

void FrmTone::openHelp(const QString& section) {
  FrmIstruzioni::Apri(kHelpFileName, kHelpTitle, messages_, section);
}

template <typename Dialog>
void FrmTone::helpAt(Dialog* dialog, const char* section) {
  // Its Help button and F1 in it (see eventFilter) open the manual there.
  dialog->setProperty(kHelpSectionProperty, QString(section));
  connect(dialog, &Dialog::helpRequested, this, [this, section] { openHelp(section); });
}

void FrmTone::showInCommands() {
  if (commandsDialog_) commandsDialog_->setResult(c_.lblInfoSend->text(), sendPanel_->strip()->whole());
}

// ---- Start-up and shut-down -------------------------------------------------

void FrmTone::load() {
  sendPanel_->clearStatusLater();
  applySettings();
  siteBar_->reload();
  StationSettings station = ReadStationSettings(settingsFolder_);
  if (!station.problems.empty()) {
    std::string text = Std(tr("Some of the Station setup cannot be read:"));
    for (const auto& problem : station.problems) text += kCrLf + problem;
    if (!station.ptt.unusable.empty())
      text += std::string(kCrLf) + kCrLf +
              Std(tr("The transmitter is not keyed until the PTT is chosen again in the Station dialog."));
    messages_.showMessage({Std(tr("Station")), text, UserMessage::Icon::Exclamation});
  }
  // A sound card chosen before and unplugged since: the default, said once.
  if (commandLineDevice_.empty() && !station.outputDevice.empty() &&
      PortAudioSession::instance().outputDevice(station.outputDevice) < 0) {
    messages_.showMessage({Std(tr("Station")),
                           Std(tr("The sound device \"%1\" chosen in the Station setup is not there. Sequences are "
                                  "sent on the default device until it is back or another one is chosen.")
                                   .arg(Q(station.outputDevice))),
                           UserMessage::Icon::Exclamation});
    station.outputDevice.clear();
    station_ = station;
    applyStation(station);
    return;
  }
  station_ = station;
  applyStation(station);
}

void FrmTone::applyStation(const StationSettings& station) {
  stationPtt_.setChoice(station.ptt);
  exchange_.configure(station);
  channelWatch_->setDevice(station.inputDevice);
  // Nothing chosen anywhere: the output keeps the device it was made with.
  const std::string& device = commandLineDevice_.empty() ? station.outputDevice : commandLineDevice_;
  if (!device.empty() || stationChosenHere_) audio_->setDevice(device);
  c_.chkPtt->setToolTip(tr("PTT by %1 (Station... changes it)").arg(Q(DescribePtt(station.ptt))));
}

// Small buttons in the free end of the tab row: no specified control moves.
void FrmTone::placeCornerButtons() {
  auto button = [this](const QString& text, const char* name, const QString& tip, QWidget* parent, auto open) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    connect(b, &QPushButton::clicked, this, [this, open] { (this->*open)(); });
    return b;
  };
  cmdStation_ = button(tr("&Station..."), "cmdStation", tr("Serial ports, the radio's sound card and how the transmitter is keyed"),
                       this, &FrmTone::openStationDialog);
  cmdHistory_ = button(tr("H&istory..."), "cmdHistory", tr("Every board content read or programmed: compare it, put it back"),
                       this, &FrmTone::openHistoryDialog);
  // Commands... and Journal... on the Remote Modify / Send page, where sending
  // is done: at the right of the replacement frame's caption, clear of its box
  // (the tab row has no room left).
  QWidget* page = c_.Frame5->parentWidget();
  cmdCommands_ = button(tr("Co&mmands..."), "cmdCommands", tr("The configuration's commands, each sent with one click"), page,
                        &FrmTone::openCommandsDialog);
  cmdJournal_ = button(tr("&Journal..."), "cmdJournal", tr("Every send, its result and the board's reply: filter, copy, export"),
                       page, &FrmTone::openJournalDialog);
  const int height = c_.SSTab1->tabBar()->sizeHint().height() - 4;
  // Right-aligned from `right`, each as wide as it needs.
  auto row = [height](std::initializer_list<QPushButton*> buttons, int right, int top) {
    for (QPushButton* b : buttons) {
      const int width = std::max(b->sizeHint().width(), b->fontMetrics().horizontalAdvance(b->text()) + 10);
      b->setGeometry(right - width, top, width, height);
      b->raise();
      right -= width + 4;
    }
  };
  row({cmdStation_, cmdHistory_}, c_.SSTab1->geometry().right(), c_.SSTab1->geometry().top() + 1);
  row({cmdCommands_, cmdJournal_}, c_.Frame5->geometry().right(), 4);
}

StationDialog* FrmTone::openStationDialog() {
  auto* dialog = new StationDialog(this, settingsFolder_, station_, link_, Std(c_.txtPttCom->text()), messages_);
  helpAt(dialog, kStationSection);
  connect(dialog, &QDialog::accepted, siteBar_, &SiteBar::reload);
  connect(dialog, &StationDialog::stationChosen, this, [this](const StationSettings& chosen) {
    station_ = chosen;
    commandLineDevice_.clear();  // chosen now, in the window: it wins
    stationChosenHere_ = true;
    applyStation(chosen);
  });
  dialog->open();
  return dialog;
}

void FrmTone::applySettings() {
  const std::string folder = FilePath(settingsFolder_);
  const SettingsLoad loaded = ReadSettingsFile(FilePath(settingsPath()), folder);
  // A settings file that cannot be read is replaced by the default record,
  // without a word; a folder that cannot be written changes nothing here.
  if (loaded.unreadable || loaded.badTab) WriteSettingsFile(FilePath(settingsPath()), DefaultSettings(folder));
  const AppSettings& s = loaded.settings;
  ShowSettings(s, this, c_);
  refreshSequenceCounter();
  if (!s.currentConfigPath.empty()) loadConfigFile(QFile::decodeName(QByteArray::fromStdString(s.currentConfigPath)));
}

bool FrmTone::saveSettings(QString* error) {
  const AppSettings s = SettingsOf(this, c_, FilePath(document_->path()));
  if (const auto failure = WriteSettingsFile(FilePath(settingsPath()), s)) {
    *error = Q(*failure);
    return false;
  }
  return true;
}

void FrmTone::checkSoundCard(bool hasInputDevice) {
  if (const auto warning = SoundCardWarning(hasInputDevice, TrStd)) {
    messages_.showMessage(*warning);
    c_.cmdTone->setEnabled(false);
  }
}

void FrmTone::askToCloseDuringProgram() {
  QPointer<FrmTone> self(this);
  messages_.ask({"Tonalis",
                 Std(tr("PROGRAM is writing the board. Closing now leaves it half written.")) + kCrLf +
                     Std(tr("Wait for PROGRAM to end?")),
                 UserMessage::Icon::Exclamation},
                {Std(tr("Wait")), Std(tr("Close anyway"))}, [self](int answer) {
                  if (!self || answer == 0 || !(self->link_.exchangeRunning() || self->siteBar_->programming())) return;
                  const auto last = self->history_.store().entries();
                  const QString entry =
                      last.empty() ? QString() : tr(" (the board history's last entry, %1)").arg(Q(last.back().id));
                  self->messages_.showMessage(
                      {"Tonalis",
                       Std(tr("PROGRAM was stopped: the board may now hold part of the new configuration and part "
                              "of the old one. Program it again before use: the content it held before%1 or the "
                              "configuration in the fields.")
                               .arg(entry)),
                       UserMessage::Icon::Exclamation});
                  QTimer::singleShot(0, self, [self] {
                    self->closeConfirmed_ = true;
                    self->close();
                  });
                });
}

void FrmTone::quitForSignal(int number) {
  auto leave = [this, number] {
    QString error;
    saveSettings(&error);  // nobody is there to be told of a failure
    link_.shutdown();
    if (dialog_) dialog_->hide();
    QCoreApplication::exit(128 + number);
  };
  if (!exchange_.transmitting()) {
    leave();
    return;
  }
  // Released first; the window goes once the release is done.
  connect(&exchange_, &AirExchange::sendFinished, this, leave);
  exchange_.stop("stopped by signal " + std::to_string(number));
}

void FrmTone::closeEvent(QCloseEvent* event) {
  if (exchange_.transmitting() || siteBar_->sending()) {
    event->ignore();
    messages_.showMessage({"Tonalis v" + std::to_string(kVersionMajor),
                           Std(tr("Please wait end of sound before closing application.")),
                           UserMessage::Icon::Information});
    return;
  }
  if (!closeConfirmed_ && ((link_.exchangeRunning() && link_.lastExchangeWasProgram()) || siteBar_->programming())) {
    event->ignore();
    askToCloseDuringProgram();
    return;
  }
  if (!closeConfirmed_ && document_->isModified()) {
    event->ignore();
    QPointer<FrmTone> self(this);
    document_->afterSavingChanges([self] {
      // Not from inside this close event, which Qt would ignore.
      QTimer::singleShot(0, self, [self] {
        self->closeConfirmed_ = true;
        self->close();
        if (self) self->closeConfirmed_ = false;
      });
    });
    return;
  }
  QString error;
  if (!saveSettings(&error) && !settingsSaveFailed_) {
    // Said once; closing again exits without the settings.
    settingsSaveFailed_ = true;
    event->ignore();
    messages_.showMessage({Std(tr("Warning")),
                           Std(tr("The settings could not be saved: %1").arg(error)) + kCrLf +
                               Std(tr("Close the window again to exit without saving them.")),
                           UserMessage::Icon::Exclamation});
    return;
  }
  link_.shutdown();
  if (dialog_) dialog_->hide();
  event->accept();
}

}  // namespace tonalis
