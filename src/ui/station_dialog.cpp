// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/station_dialog.h"

#include "journal/journal_clock.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>
#include <fstream>
#include <sstream>

#include "i18n/language.h"
#include "i18n/text.h"
#include "link/network_port_name.h"
#include "link/port_lookup.h"
#include "link/port_map.h"
#include "link/serial_ports.h"
#include "radio/cm108_ptt.h"
#include "radio/hamlib_ptt.h"
#include "storage/atomic_file.h"
#include "tone/fifo_input.h"
#include "tone/send_fields.h"
#include "ui/accessibility.h"
#include "ui/network_port_dialog.h"

namespace tonalis {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The text of ports.ini, or why it cannot be read.
std::optional<std::string> ReadPortsText(const QString& folder, std::string& text) {
  PortMap map;
  return ReadPortsIni(QFile::encodeName(folder).toStdString(), map, &text);
}

// Pages of the PTT parameters, by method.
enum Page { SerialPage, Cm108Page, CatPage, RigctldPage };
struct MethodEntry {
  const char* name;
  const char* label;
  Page page;
};
constexpr MethodEntry kMethods[] = {
    {"rts", TONALIS_TEXT("RTS of the PTT Comm port"), SerialPage},
    {"dtr", TONALIS_TEXT("DTR of the PTT Comm port"), SerialPage},
    {"cm108", TONALIS_TEXT("GPIO of a CM108 / CM119 sound chip"), Cm108Page},
    {"cat", TONALIS_TEXT("The radio's CAT command (Hamlib)"), CatPage},
    {"rigctld", TONALIS_TEXT("A running rigctld (Hamlib daemon)"), RigctldPage},
};

constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
// The calibration tone's length.
constexpr int kCalibrationSeconds = 60;
// The test tone: one digit for a second.
constexpr const char* kTestDigit = "5";

// A host name (letters, digits, '-', '.') or an IPv4 or IPv6 address.
bool IsHostName(const std::string& host) {
  if (host.empty() || host.size() > 253) return false;
  if (!QHostAddress(Q(host)).isNull()) return true;
  return QRegularExpression("^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*$")
      .match(Q(host))
      .hasMatch();
}

void SelectData(QComboBox* box, const QString& data) {
  const int at = box->findData(data);
  if (at >= 0) box->setCurrentIndex(at);
}

}  // namespace

// Declared in the order they go: the exchange releases before the PTT it
// keys through, the PTT before the link that owns its port.
struct StationDialog::Tester {
  std::unique_ptr<BoardLink> link;
  std::unique_ptr<StationPtt> ptt;
  PortAudioInput input;  // never opened: a test neither monitors nor listens
  std::unique_ptr<AirExchange> exchange;
  ~Tester() {
    exchange.reset();
    ptt.reset();  // a driver releases what it keyed
    link.reset();
  }
};

StationDialog::StationDialog(QWidget* parent, const QString& settingsFolder, const StationSettings& current,
                             const BoardLink& windowLink, const std::string& pttComText, MessageSink& messages)
    : QDialog(parent),
      settingsFolder_(settingsFolder),
      initial_(current),
      windowLink_(windowLink),
      pttComText_(pttComText),
      messages_(messages),
      journal_(JournalFolder(S(settingsFolder))) {
  setObjectName("frmStation");
  connect(&journal_, &JournalWriter::failed, this, [this](const QString& error) {
    messages_.showMessage({S(tr("Journal")), S(tr("The journal of sends cannot be written: %1.").arg(error)),
                           UserMessage::Icon::Exclamation});
  });
  setWindowTitle(tr("Station"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* tabs = new QTabWidget(this);
  tabs->setAccessibleName(tr("Pages of the station"));
  tabs->addTab(buildPortsPage(), tr("Serial ports"));
  tabs->addTab(buildSoundPage(), tr("Sound"));
  tabs->addTab(buildPttPage(), tr("PTT"));
  // The radio sites: this computer's tonalis-cli serves a site that is here.
  sites_ = new SitesPanel(settingsFolder, QCoreApplication::applicationDirPath() + "/tonalis-cli", this);
  tabs->addTab(sites_, tr("Sites"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::helpRequested, this, &StationDialog::helpRequested);
  connect(buttons, &QDialogButtonBox::accepted, this, &StationDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &StationDialog::reject);
  // The language, beside the buttons: it is the program's, not a page's.
  language_ = new QComboBox(this);
  language_->setObjectName("language");
  language_->addItem(tr("The system's"), QString());
  language_->addItem("English", "en");  // each in its own language
  language_->addItem("Italiano", "it");
  language_->setCurrentIndex(std::max(0, language_->findData(Q(current.language))));
  language_->setToolTip(tr("The language of the windows and messages, from the program's next start."));
  auto* languageLabel = new QLabel(tr("Lan&guage:"), this);
  languageLabel->setBuddy(language_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(languageLabel);
  bottom->addWidget(language_);
  bottom->addWidget(buttons, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  layout->addLayout(bottom);

  countdown_.setInterval(1000);
  connect(&countdown_, &QTimer::timeout, this, &StationDialog::onCountdown);
  showChoice(current.ptt);
  resize(760, 460);
}

StationDialog::~StationDialog() {
  countdown_.stop();
  tester_.reset();
}

// ---- Serial ports ------------------------------------------------------------

QWidget* StationDialog::buildPortsPage() {
  auto* page = new QWidget;
  portTable_ = new QTableWidget(0, 6, page);
  // Tab leaves the table (the arrows move in it), as in every list here.
  portTable_->setTabKeyNavigation(false);
  portTable_->setAccessibleName(tr("Serial ports on this machine"));
  portTable_->setObjectName("portTable");
  portTable_->setHorizontalHeaderLabels(
      {tr("Device"), tr("Name that survives replugging"), tr("Description"), tr("Manufacturer"), tr("Serial number"),
       tr("Access")});
  portTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  portTable_->setSelectionMode(QAbstractItemView::SingleSelection);
  portTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  portTable_->horizontalHeader()->setStretchLastSection(true);
  portTable_->verticalHeader()->hide();

  comNumber_ = new QSpinBox(page);
  comNumber_->setAccessibleName(tr("The COM number the selected port becomes"));
  comNumber_->setObjectName("comNumber");
  comNumber_->setRange(1, 16);
  comNumber_->setPrefix("COM");
  mapButton_ = new QPushButton(tr("&Use the selected port as"), page);
  mapButton_->setObjectName("mapButton");
  connect(mapButton_, &QPushButton::clicked, this, &StationDialog::mapSelectedPort);
  addNetworkPort_ = new QPushButton(tr("Add &network port..."), page);
  addNetworkPort_->setObjectName("addNetworkPort");
  addNetworkPort_->setToolTip(tr("A serial port at a site, exported by a network serial server such as ser2net."));
  connect(addNetworkPort_, &QPushButton::clicked, this, &StationDialog::addNetworkPort);
  testPort_ = new QPushButton(tr("&Test"), page);
  testPort_->setObjectName("testPort");
  testPort_->setToolTip(tr("Asks the board on the selected port to identify itself."));
  connect(testPort_, &QPushButton::clicked, this, &StationDialog::testSelectedPort);
  portTestStatus_ = new QLabel(page);
  portTestStatus_->setObjectName("portTestStatus");
  portTestStatus_->setAccessibleName(tr("What the port test found"));
  portTestStatus_->setWordWrap(true);
  portTestStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  connect(&portTest_, &BoardIdentify::finished, this, [this](bool found, const QString& text) {
    portTestStatus_->setStyleSheet(found ? QString() : QStringLiteral("color: #b00000"));
    portTestStatus_->setText(text);
    testPort_->setEnabled(true);
  });
  auto* mapRow = new QHBoxLayout;
  mapRow->addWidget(mapButton_);
  mapRow->addWidget(comNumber_);
  mapRow->addStretch();
  mapRow->addWidget(addNetworkPort_);
  mapRow->addWidget(testPort_);

  portMapLines_ = new QLabel(page);
  portMapLines_->setObjectName("portMapLines");
  portMapLines_->setWordWrap(true);
  portMapProblems_ = new QLabel(page);
  portMapProblems_->setObjectName("portMapProblems");
  portMapProblems_->setWordWrap(true);
  portMapProblems_->setStyleSheet("color: #b00000");

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(portTable_);
  layout->addLayout(mapRow);
  layout->addWidget(portTestStatus_);
  layout->addWidget(portMapLines_);
  layout->addWidget(portMapProblems_);
  if (!kSerialAccessHint.empty()) {
    auto* hint = new QLabel(Tr(kSerialAccessHint.c_str()), page);
    hint->setObjectName("serialAccessHint");
    hint->setWordWrap(true);
    hint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(hint);
  }
  fillPorts();
  return page;
}

void StationDialog::fillPorts() {
  // The map as it will be: ports.ini with the choices made here.
  std::string text;
  const auto unreadable = ReadPortsText(settingsFolder_, text);
  for (const auto& [number, device] : portChoices_) text = SetPortInMap(text, number, device);
  std::istringstream in(text);
  const PortMap map = ParsePortMap(in);

  // This machine's ports, then the sites' (those mapped, and those added here).
  const auto ports = ListSerialPorts();
  std::vector<std::string> sites;
  auto addSite = [&sites](const std::string& name) {
    if (NamesNetworkPort(name) && std::find(sites.begin(), sites.end(), name) == sites.end()) sites.push_back(name);
  };
  for (const auto& [number, device] : map.devices) addSite(device);
  for (const auto& name : networkPorts_) addSite(name);
  const QString selected = portTable_->currentRow() >= 0 && portTable_->item(portTable_->currentRow(), 0)
                               ? portTable_->item(portTable_->currentRow(), 0)->data(Qt::UserRole).toString()
                               : QString();
  portTable_->setRowCount(static_cast<int>(ports.size() + sites.size()));
  auto setRow = [this, &selected](int row, const std::vector<std::string>& cells, const std::string& use) {
    for (int col = 0; col < 6; ++col) {
      auto* item = new QTableWidgetItem(Q(cells[static_cast<std::size_t>(col)]));
      item->setToolTip(Q(cells[static_cast<std::size_t>(col)]));  // a long text is cut short in its column
      portTable_->setItem(row, col, item);
    }
    portTable_->item(row, 0)->setData(Qt::UserRole, Q(use));
    if (Q(use) == selected) portTable_->selectRow(row);
  };
  int row = 0;
  for (const SerialPortEntry& p : ports)
    setRow(row++,
           {p.device, p.stablePath, p.description, p.manufacturer, p.serialNumber,
            p.problem.empty() ? S(tr("can be opened")) : p.problem},
           p.pathToUse());
  for (const std::string& name : sites)
    setRow(row++,
           {name, name,
            S(name.rfind("rfc2217", 0) == 0 ? tr("A port at a site, over the network (telnet, RFC 2217)")
                                             : tr("A port at a site, over the network (raw TCP)")),
            "", "", S(tr("reads and programs; never keys a transmitter"))},
           name);
  portTable_->resizeColumnsToContents();
  mapButton_->setEnabled(row > 0);
  testPort_->setEnabled(row > 0 && !portTest_.running());
  QString lines = ports.empty() ? tr("No serial ports were found on this machine.") + "\n" : QString();
  lines += map.devices.empty() ? tr("No port is mapped: COM1 is %1, COM2 is %2, and so on.")
                                     .arg(Q(DefaultDeviceForPort(1)), Q(DefaultDeviceForPort(2)))
                               : tr("Mapped:");
  for (const auto& [number, device] : map.devices) lines += QString("  COM%1 = %2").arg(number).arg(Q(device));
  portMapLines_->setText(lines);
  portMapProblems_->setText(unreadable           ? tr("ports.ini cannot be read: %1").arg(Q(*unreadable))
                            : map.problems.empty() ? QString()
                                                   : tr("Lines of ports.ini that are not understood (ignored):") +
                                                         "\n" + Q(map.problemText()));
}

std::optional<std::string> StationDialog::selectedPort() {
  const auto rows = portTable_->selectionModel()->selectedRows();
  if (rows.isEmpty()) {
    messages_.showMessage({S(tr("Station")), S(tr("Select a port in the list first.")), UserMessage::Icon::Information});
    return std::nullopt;
  }
  return S(portTable_->item(rows.first().row(), 0)->data(Qt::UserRole).toString());
}

void StationDialog::mapSelectedPort() {
  const auto device = selectedPort();
  if (!device) return;
  portChoices_[comNumber_->value()] = *device;
  fillPorts();
}

void StationDialog::addNetworkPort() {
  auto* dialog = new NetworkPortDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &NetworkPortDialog::chosen, this, [this](const QString& name) {
    if (std::find(networkPorts_.begin(), networkPorts_.end(), S(name)) == networkPorts_.end())
      networkPorts_.push_back(S(name));
    fillPorts();
    for (int row = 0; row < portTable_->rowCount(); ++row)
      if (portTable_->item(row, 0)->data(Qt::UserRole).toString() == name) portTable_->selectRow(row);
    portTable_->setFocus();
  });
  dialog->open();
}

void StationDialog::testSelectedPort() {
  const auto device = selectedPort();
  if (!device || portTest_.running()) return;
  portTestStatus_->setStyleSheet(QString());
  // The window's own session is not disturbed: it already knows its board.
  if (windowLink_.portOpen() && windowLink_.portDevice() == *device) {
    portTestStatus_->setText(tr("%1 is open in the main window: untick Enable there to test it here.").arg(Q(*device)));
    return;
  }
  portTestStatus_->setText(tr("Asking the board on %1 to identify itself...").arg(Q(*device)));
  testPort_->setEnabled(false);
  portTest_.start(*device);
}

// ---- Sound -----------------------------------------------------------------------

QWidget* StationDialog::buildSoundPage() {
  auto* page = new QWidget;
  output_ = new QComboBox(page);
  output_->setObjectName("outputDevice");
  input_ = new QComboBox(page);
  input_->setObjectName("inputDevice");
  output_->addItem(tr("default"), QString());
  input_->addItem(tr("default"), QString());
  for (const auto& d : PortAudioSession::instance().devices()) {
    if (d.name == "default") continue;  // the first entry already stands for it
    const QString label = Q(d.name) + "  [" + Q(d.hostApi) + "]";
    if (d.outputs > 0) output_->addItem(label, Q(d.name));
    if (d.inputs > 0) input_->addItem(label, Q(d.name));
  }
  // A device chosen before that is not there now stays listed, marked; an
  // input that is a FIFO of raw audio (a receiver's demodulator) is one.
  for (const auto& [box, name] : {std::pair{output_, initial_.outputDevice}, {input_, initial_.inputDevice}}) {
    if (!name.empty() && box->findData(Q(name)) < 0)
      box->addItem((box == input_ && FifoInput::Names(name) ? tr("%1  (FIFO of raw audio)") : tr("%1  (not found)"))
                       .arg(Q(name)),
                   Q(name));
    SelectData(box, Q(name));
  }

  play_ = new QPushButton(tr("&Play test tone"), page);
  play_->setObjectName("playButton");
  playKeys_ = new QCheckBox(tr("&Key the transmitter while it plays"), page);
  playKeys_->setObjectName("playKeys");
  connect(play_, &QPushButton::clicked, this, &StationDialog::playTestTone);
  calibrate_ = new QPushButton(tr("&Calibration tone"), page);
  calibrate_->setObjectName("calibrateButton");
  calibrate_->setToolTip(tr("A steady 1 kHz sine for 60 s, at the peak of one DTMF tone and the level above: set "
                         "the transmitter's deviation (the manual tells how) and the sound card's mixer."));
  stopTone_ = new QPushButton(tr("Stop &tone"), page);
  stopTone_->setObjectName("stopToneButton");
  stopTone_->setEnabled(false);
  connect(calibrate_, &QPushButton::clicked, this, &StationDialog::playCalibrationTone);
  connect(stopTone_, &QPushButton::clicked, this, [this] {
    if (tester_) tester_->exchange->stop("stopped");
  });

  level_ = new QDoubleSpinBox(page);
  level_->setObjectName("outputLevel");
  level_->setRange(kMinLevelDb, kMaxLevelDb);
  level_->setDecimals(1);
  level_->setSingleStep(0.5);
  level_->setSuffix(" dB");
  level_->setValue(initial_.levels.levelDb);
  level_->setToolTip(tr("The tones' level from the usual one (0 dB): lower it when the transmitter over-deviates "
                     "and the board misses digits."));
  twist_ = new QDoubleSpinBox(page);
  twist_->setObjectName("outputTwist");
  twist_->setRange(-kMaxTwistDb, kMaxTwistDb);
  twist_->setDecimals(1);
  twist_->setSingleStep(0.5);
  twist_->setSuffix(" dB");
  twist_->setValue(initial_.levels.twistDb);
  twist_->setToolTip(tr("The high tone's level above the low one's (0: equal). A radio's flat data input loses "
                     "the high tone: a positive twist makes up for it."));
  auto* form = new QFormLayout;
  form->addRow(tr("Output to the radio:"), output_);
  form->addRow(tr("Input from the receiver:"), input_);
  form->addRow(tr("Output le&vel:"), level_);
  form->addRow(tr("T&wist (high tone):"), twist_);
  auto* playRow = new QHBoxLayout;
  playRow->addWidget(play_);
  playRow->addWidget(calibrate_);
  playRow->addWidget(stopTone_);
  playRow->addWidget(playKeys_);
  playRow->addStretch();
  auto* note = new QLabel(
      tr("The test tone is the digit 5 for one second. The input is where the board's Morse replies are heard, and "
         "where a second receiver (or the radio's monitor output) lets Tonalis check its own transmission."),
      page);
  note->setWordWrap(true);
  listen_ = new QCheckBox(tr("After each send, &listen for the board's Morse reply for up to"), page);
  listen_->setObjectName("listenForReply");
  listen_->setChecked(initial_.listenForReply);
  listenSeconds_ = new QSpinBox(page);
  listenSeconds_->setAccessibleName(tr("Seconds to listen for the reply"));
  listenSeconds_->setObjectName("listenSeconds");
  listenSeconds_->setRange(2, 120);
  listenSeconds_->setSuffix(" s");
  listenSeconds_->setValue(initial_.listenSeconds);
  auto* listenRow = new QHBoxLayout;
  listenRow->addWidget(listen_);
  listenRow->addWidget(listenSeconds_);
  listenRow->addStretch();
  monitor_ = new QCheckBox(tr("&Monitor my transmission on the input device"), page);
  monitor_->setObjectName("monitorSend");
  monitor_->setToolTip(tr("During each send, record the input (a second receiver, or the radio's monitor output) and "
                       "show how many digits reached the air, their level, twist and timing."));
  monitor_->setChecked(initial_.monitorSend);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addLayout(playRow);
  layout->addWidget(note);
  layout->addLayout(listenRow);
  layout->addWidget(monitor_);
  maskKeys_ = new QCheckBox(tr("In the &journal, show the Modifier ID and Checksum ID as *"), page);
  maskKeys_->setObjectName("maskKeys");
  maskKeys_->setToolTip(tr("They are the site's keys: anyone who reads the journal could change its commands."));
  maskKeys_->setChecked(initial_.maskKeys);
  layout->addWidget(maskKeys_);
  layout->addStretch();
  return page;
}

// ---- PTT -----------------------------------------------------------------------

QWidget* StationDialog::buildPttPage() {
  auto* page = new QWidget;
  method_ = new QComboBox(page);
  method_->setObjectName("pttMethod");
  for (const auto& m : kMethods) method_->addItem(Tr(m.label), QString(m.name));
  pages_ = new QStackedWidget(page);

  // The PTT Comm port's lines.
  auto* serial = new QWidget;
  invert_ = new QCheckBox(tr("&Inverted: the transmitter is keyed when the line is low"), serial);
  invert_->setObjectName("invert");
  auto* serialNote = new QLabel(
      tr("The port is the window's \"PTT Comm\" (COM%1), opened when its Enable box is ticked. "
         "Programming and PTT then share that port, one at a time.")
          .arg(Q(pttComText_)),
      serial);
  serialNote->setWordWrap(true);
  auto* serialLayout = new QVBoxLayout(serial);
  serialLayout->addWidget(invert_);
  serialLayout->addWidget(serialNote);
  serialLayout->addStretch();

  // CM108 GPIO.
  auto* cm108 = new QWidget;
  cm108Device_ = new QComboBox(cm108);
  cm108Device_->setObjectName("cm108Device");
  cm108Device_->setEditable(true);
  for (const auto& d : ListHidDevices())
    cm108Device_->addItem(Q(d.device + "  " + d.name) + (d.cm108 ? tr("  (CM108 family)") : QString()), Q(d.device));
  cm108Device_->lineEdit()->setPlaceholderText(cm108Device_->count() == 0
                                                   ? tr("No %1 found: is the radio interface plugged in?")
                                                         .arg(Tr(kHidDeviceKind.c_str()))
                                                   : Q(kHidDeviceExample));
  cm108Gpio_ = new QSpinBox(cm108);
  cm108Gpio_->setObjectName("cm108Gpio");
  cm108Gpio_->setRange(1, 8);
  auto* cm108Form = new QFormLayout(cm108);
  cm108Form->addRow(Tr(kHidDeviceKind.c_str()) + ":", cm108Device_);
  cm108Form->addRow(tr("GPIO pin:"), cm108Gpio_);
  if (!kHidAccessHint.empty()) {
    auto* hint = new QLabel(Tr(kHidAccessHint.c_str()), cm108);
    hint->setObjectName("cm108AccessHint");
    hint->setWordWrap(true);
    cm108Form->addRow(hint);
  }

  // CAT through Hamlib.
  auto* cat = new QWidget;
  rigSearch_ = new QLineEdit(cat);
  rigSearch_->setObjectName("rigSearch");
  rigSearch_->setPlaceholderText(tr("Search: manufacturer, model or number"));
  rigModel_ = new QComboBox(cat);
  rigModel_->setObjectName("rigModel");
  connect(rigSearch_, &QLineEdit::textChanged, this, &StationDialog::fillRigModels);
  rigDevice_ = new QComboBox(cat);
  rigDevice_->setObjectName("rigDevice");
  rigDevice_->setEditable(true);
  for (const auto& p : ListSerialPorts()) rigDevice_->addItem(Q(p.pathToUse()));
  rigBaud_ = new QComboBox(cat);
  rigBaud_->setObjectName("rigBaud");
  rigBaud_->addItem(tr("the model's default"), 0);
  for (int baud : kBauds) rigBaud_->addItem(QString::number(baud), baud);
  auto* catForm = new QFormLayout(cat);
  catForm->addRow(tr("Rig model:"), rigSearch_);
  rigModel_->setAccessibleName(tr("Rig model"));
  catForm->addRow("", rigModel_);
  catForm->addRow(tr("Serial device:"), rigDevice_);
  catForm->addRow(tr("Speed:"), rigBaud_);
  if (HamlibRigModels().empty()) {
    // The Windows build has no Hamlib of its own.
    auto* none = new QLabel(tr("CAT through Hamlib is not part of this build: run rigctld (Hamlib) for the rig "
                            "and choose rigctld above."), cat);
    none->setObjectName("catUnavailable");
    none->setWordWrap(true);
    catForm->addRow(none);
  }

  // rigctld.
  auto* daemon = new QWidget;
  rigctldHost_ = new QLineEdit(daemon);
  rigctldHost_->setObjectName("rigctldHost");
  rigctldPort_ = new QSpinBox(daemon);
  rigctldPort_->setObjectName("rigctldPort");
  rigctldPort_->setRange(1, 65535);
  auto* daemonForm = new QFormLayout(daemon);
  daemonForm->addRow(tr("Host:"), rigctldHost_);
  daemonForm->addRow(tr("Port:"), rigctldPort_);

  pages_->addWidget(serial);
  pages_->addWidget(cm108);
  pages_->addWidget(cat);
  pages_->addWidget(daemon);
  connect(method_, &QComboBox::currentIndexChanged, this, &StationDialog::onMethodChanged);

  // Test PTT.
  auto* testBox = new QGroupBox(tr("Test PTT"), page);
  testSeconds_ = new QSpinBox(testBox);
  testSeconds_->setObjectName("testSeconds");
  testSeconds_->setRange(1, 60);
  testSeconds_->setValue(2);
  testSeconds_->setSuffix(" s");
  test_ = new QPushButton(tr("&Test PTT"), testBox);
  test_->setObjectName("testButton");
  stop_ = new QPushButton(tr("St&op"), testBox);
  stop_->setObjectName("stopButton");
  stop_->setEnabled(false);
  testStatus_ = new QLabel(testBox);
  testStatus_->setObjectName("testStatus");
  MakeStatusLine(testStatus_);
  testStatus_->setWordWrap(true);
  connect(test_, &QPushButton::clicked, this, &StationDialog::startPttTest);
  connect(stop_, &QPushButton::clicked, this, &StationDialog::stopPttTest);
  auto* testRow = new QHBoxLayout;
  auto* keyFor = new QLabel(tr("Key for"), testBox);
  keyFor->setBuddy(testSeconds_);
  testRow->addWidget(keyFor);
  testRow->addWidget(testSeconds_);
  testRow->addWidget(test_);
  testRow->addWidget(stop_);
  testRow->addStretch();
  auto* testLayout = new QVBoxLayout(testBox);
  testLayout->addLayout(testRow);
  testLayout->addWidget(testStatus_);

  txLimit_ = new QSpinBox(page);
  txLimit_->setObjectName("txLimit");
  txLimit_->setRange(0, kMaxTxLimitSeconds);
  txLimit_->setSpecialValueText(tr("no limit"));
  txLimit_->setSuffix(" s");
  txLimit_->setValue(initial_.txLimitSeconds);
  txLimit_->setToolTip(tr("A send that keeps the transmitter keyed longer than this is stopped and the "
                       "transmitter released (a TX watchdog). Long sequences need a long limit."));
  tail_ = new QSpinBox(page);
  tail_->setObjectName("pttTail");
  tail_->setRange(0, kMaxTailMs);
  tail_->setSuffix(" ms");
  tail_->setValue(initial_.tailMs);
  tail_->setToolTip(tr("How long the transmitter stays keyed after the last tone, so that the carrier does not "
                    "drop under it."));
  auto* form = new QFormLayout;
  form->addRow(tr("Key the transmitter by:"), method_);
  form->addRow(tr("TX time limit:"), txLimit_);
  form->addRow(tr("PTT tail:"), tail_);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(form);
  layout->addWidget(pages_);
  layout->addWidget(testBox);
  return page;
}

void StationDialog::fillRigModels(const QString& filter) {
  const int current = rigModel_->currentData().toInt();
  const QSignalBlocker block(rigModel_);
  rigModel_->clear();
  for (const RigModel& m : HamlibRigModels()) {
    const QString label = QString("%1  %2 %3").arg(m.model).arg(Q(m.manufacturer), Q(m.name));
    if (filter.isEmpty() || label.contains(filter, Qt::CaseInsensitive)) rigModel_->addItem(label, m.model);
  }
  SelectData(rigModel_, QString::number(current));
  const int at = rigModel_->findData(current);
  if (at >= 0) rigModel_->setCurrentIndex(at);
}

void StationDialog::showChoice(const PttChoice& c) {
  SelectData(method_, Q(PttMethodName(c)));
  invert_->setChecked(c.invert);
  if (!c.cm108Device.empty() && cm108Device_->findData(Q(c.cm108Device)) < 0)
    cm108Device_->addItem(Q(c.cm108Device), Q(c.cm108Device));
  SelectData(cm108Device_, Q(c.cm108Device));
  cm108Gpio_->setValue(c.cm108Gpio);
  rigModel_->addItem(QString::number(c.rigModel), c.rigModel);  // replaced by the full list below
  rigModel_->setCurrentIndex(rigModel_->count() - 1);
  fillRigModels({});
  rigDevice_->setCurrentText(Q(c.rigDevice));
  const int baud = rigBaud_->findData(c.rigBaud);
  if (baud >= 0) rigBaud_->setCurrentIndex(baud);
  rigctldHost_->setText(Q(c.rigctldHost));
  rigctldPort_->setValue(c.rigctldPort);
  onMethodChanged();
}

void StationDialog::onMethodChanged() {
  const QString name = method_->currentData().toString();
  for (const auto& m : kMethods)
    if (name == m.name) pages_->setCurrentIndex(m.page);
}

PttChoice StationDialog::pttChoice() const {
  PttChoice c;
  SetPttMethodByName(S(method_->currentData().toString()), c);
  c.invert = invert_->isChecked();
  // An edited entry is a path typed in; a listed one carries its device.
  const int listed = cm108Device_->findText(cm108Device_->currentText());
  c.cm108Device = S(listed >= 0 ? cm108Device_->itemData(listed).toString() : cm108Device_->currentText().trimmed());
  c.cm108Gpio = cm108Gpio_->value();
  c.rigModel = rigModel_->currentData().toInt();
  c.rigDevice = S(rigDevice_->currentText().trimmed());
  c.rigBaud = rigBaud_->currentData().toInt();
  c.rigctldHost = S(rigctldHost_->text().trimmed());
  c.rigctldPort = rigctldPort_->value();
  return c;
}

StationSettings StationDialog::settings() const {
  StationSettings s;
  s.outputDevice = S(output_->currentData().toString());
  s.inputDevice = S(input_->currentData().toString());
  s.ptt = pttChoice();
  s.listenForReply = listen_->isChecked();
  s.listenSeconds = listenSeconds_->value();
  s.monitorSend = monitor_->isChecked();
  s.maskKeys = maskKeys_->isChecked();
  s.txLimitSeconds = txLimit_->value();
  s.levels = {level_->value(), twist_->value()};
  s.tailMs = tail_->value();
  s.language = S(language_->currentData().toString());
  return s;
}

// ---- Trying the PTT and the sound ------------------------------------------------

bool StationDialog::prepareTester(bool keyPtt) {
  releaseTester();
  const PttChoice choice = pttChoice();
  if (keyPtt && choice.usesPttPort() && windowLink_.portOpen()) {
    messages_.showMessage({S(tr("Station")),
                           S(tr("The window holds a serial port open (programming or PTT enabled). Untick its "
                                "Enable box first, then test again.")),
                           UserMessage::Icon::Information});
    return false;
  }
  // The ports chosen here count before they are stored.
  const std::string folder = S(settingsFolder_);
  const auto choices = portChoices_;
  tester_ = std::make_unique<Tester>();
  tester_->link = std::make_unique<BoardLink>(silent_, messages_, [folder, choices](int number) {
    const auto chosen = choices.find(number);
    return chosen != choices.end() ? BoardLink::PortTarget(chosen->second) : PortFromPortsIni(folder, number);
  });
  tester_->ptt = std::make_unique<StationPtt>(*tester_->link, messages_);
  tester_->ptt->setChoice(choice);
  const StationSettings chosen = settings();
  tester_->exchange =
      std::make_unique<AirExchange>(OutputHandle(std::make_shared<PortAudioOutput>(S(output_->currentData().toString()))),
                                    *tester_->ptt, messages_, tester_->input, journal_, nullptr);
  // As the sends will sound: at the level and twist chosen here, with its tail and TX limit.
  StationSettings sound = chosen;
  if (ToneLevelsProblem(sound.levels)) sound.levels = StationSettings().levels;
  tester_->exchange->configure(sound);
  connect(tester_->exchange.get(), &AirExchange::sendFinished, this, &StationDialog::finishTest);
  if (keyPtt) {
    tester_->link->setPttTicked(true, pttComText_);
    if (!tester_->link->pttEnabled()) {
      tester_.reset();
      return false;
    }
  }
  return true;
}

void StationDialog::startPttTest() {
  if (!prepareTester(true)) return;
  test_->setEnabled(false);
  play_->setEnabled(false);
  calibrate_->setEnabled(false);
  SetStatusText(testStatus_, tr("Keying %1...").arg(Q(DescribePtt(pttChoice()))));
  AirRequest test;
  test.kind = AirRequest::Kind::PttTest;
  test.pttSeconds = testSeconds_->value();
  test.ptt = DescribePtt(pttChoice());
  connect(tester_->exchange.get(), &AirExchange::keyed, this, &StationDialog::onTestKeyed);
  tester_->exchange->start(test);
}

void StationDialog::onTestKeyed(bool ok) {
  if (!ok) return;  // released at once, and said when it is
  secondsLeft_ = testSeconds_->value();
  // The TX time limit holds for the test as for a send, and says so.
  limitedBy_ = txLimit_->value() > 0 && txLimit_->value() < secondsLeft_ ? txLimit_->value() : 0;
  if (limitedBy_ > 0) secondsLeft_ = limitedBy_;
  stop_->setEnabled(true);
  showSecondsLeft();
  countdown_.start();
}

void StationDialog::showSecondsLeft() {
  if (playing_)
    SetStatusText(testStatus_, tr("Playing the calibration tone: 1 kHz, %1 s left...").arg(secondsLeft_));
  else if (limitedBy_ > 0)
    SetStatusText(testStatus_, tr("Transmitting: %1 s left (the TX time limit of %2 s).").arg(secondsLeft_).arg(limitedBy_));
  else
    SetStatusText(testStatus_, tr("Transmitting: %1 s left.").arg(secondsLeft_));
}

void StationDialog::onCountdown() {
  // The exchange ends the test (or the tone) on time; this only counts.
  if (--secondsLeft_ > 0)
    showSecondsLeft();
  else
    countdown_.stop();
}

void StationDialog::stopPttTest() {
  countdown_.stop();
  stop_->setEnabled(false);
  if (tester_) tester_->exchange->stop("stopped");
}

void StationDialog::finishTest(const QString& status) {
  countdown_.stop();
  playing_ = false;
  limitedBy_ = 0;
  stop_->setEnabled(false);
  SetStatusText(testStatus_, status);
  test_->setEnabled(true);
  play_->setEnabled(true);
  calibrate_->setEnabled(true);
  stopTone_->setEnabled(false);
  retireTester();
}

void StationDialog::playTestTone() { startTone(false); }

void StationDialog::playCalibrationTone() { startTone(true); }

void StationDialog::startTone(bool calibration) {
  if (!prepareTester(playKeys_->isChecked())) return;
  const StationSettings chosen = settings();
  test_->setEnabled(false);
  play_->setEnabled(false);
  calibrate_->setEnabled(false);
  stopTone_->setEnabled(calibration);
  AirRequest tone;
  tone.ptt = JournalPtt(playKeys_->isChecked(), pttChoice());
  if (calibration) {
    // Its time left while it plays: the TX limit ends a keyed one sooner.
    playing_ = true;
    secondsLeft_ = kCalibrationSeconds;
    if (playKeys_->isChecked() && chosen.txLimitSeconds > 0)
      secondsLeft_ = std::min(secondsLeft_, chosen.txLimitSeconds);
    showSecondsLeft();
    countdown_.start();
    const double peak = kCalibrationDbfs + (ToneLevelsProblem(chosen.levels) ? 0 : chosen.levels.levelDb);
    tone.kind = AirRequest::Kind::CalibrationTone;
    tone.toneHz = 1000;
    tone.toneSeconds = kCalibrationSeconds;
    tone.tonePeakDbfs = std::min(0.0, peak);
  } else {
    SetStatusText(testStatus_, tr("Playing the test tone..."));
    tone.kind = AirRequest::Kind::TestTone;
    tone.sequence = kTestDigit;
    tone.timing = CorrectSendTiming({"1000", "50", "1000", "200"});
  }
  tester_->exchange->start(tone);
}

void StationDialog::releaseTester() { tester_.reset(); }

// From inside one of the tester's own callbacks: it goes once that returned.
void StationDialog::retireTester() {
  std::shared_ptr<Tester> retired(std::move(tester_));
  QTimer::singleShot(0, this, [retired] {});
}

// ---- OK and Cancel --------------------------------------------------------------

void StationDialog::accept() {
  const StationSettings chosen = settings();
  const PttChoice& p = chosen.ptt;
  std::string missing;
  if (p.method == PttMethod::Cm108 && p.cm108Device.empty())
    missing = S(tr("Choose the %1 of the sound chip.").arg(Tr(kHidDeviceKind.c_str())));
  if (p.method == PttMethod::Cat && (p.rigModel <= 0 || p.rigDevice.empty()))
    missing = S(tr("Choose the rig model and its serial device."));
  if (const auto clip = ToneLevelsProblem(chosen.levels, TrStd))
    missing = *clip + " " + S(tr("Lower the level or the twist."));
  if (p.method == PttMethod::Rigctld && !IsHostName(p.rigctldHost))
    missing = S(tr("Give the host rigctld runs on: a name such as localhost or an address such as 127.0.0.1 "
                   "(no spaces, no port: the port has its own field)."));
  if (!missing.empty()) {
    messages_.showMessage({S(tr("Station")), missing, UserMessage::Icon::Information});
    return;
  }
  if (!portChoices_.empty()) {
    const QString path = settingsFolder_ + "/ports.ini";
    std::string text;
    // A map that cannot be read is never written over with what little was read of it.
    auto error = ReadPortsText(settingsFolder_, text);
    for (const auto& [number, device] : portChoices_) text = SetPortInMap(text, number, device);
    if (!error) error = WriteFileAtomically(QFile::encodeName(path).toStdString(), text);
    if (error) {
      messages_.showMessage({S(tr("Station")), S(tr("The port choices could not be stored: %1").arg(Q(*error))),
                             UserMessage::Icon::Error});
      return;
    }
  }
  if (const auto error = sites_->save()) {
    messages_.showMessage({S(tr("Station")), S(tr("The Sites list could not be stored: %1").arg(Q(*error))),
                           UserMessage::Icon::Error});
    return;
  }
  if (const auto error = WriteStationSettings(settingsFolder_, chosen)) {
    messages_.showMessage({S(tr("Station")), S(tr("The station could not be stored: %1").arg(Q(*error))),
                           UserMessage::Icon::Error});
    return;
  }
  countdown_.stop();
  releaseTester();
  if (chosen.language != initial_.language)
    messages_.showMessage({S(tr("Station")),
                           S(tr("The language chosen is stored: the windows and messages speak it from the "
                                "program's next start.")),
                           UserMessage::Icon::Information});
  Q_EMIT stationChosen(chosen);
  QDialog::accept();
}

void StationDialog::reject() {
  countdown_.stop();
  releaseTester();
  QDialog::reject();
}

}  // namespace tonalis
