// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_layout.h"

#include <QTabBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "i18n/language.h"
#include "i18n/text.h"
#include "ui/fonts.h"

namespace tonalis {
namespace {

const char* kTipA = TONALIS_TEXT("DTMF sequence (0 to 10 digits). Double Click to copy in Sequence to Send.");
const char* kTipB = TONALIS_TEXT("DTMF sequence (0 to 10 digits). Double Click to copy in Sequence to Send");
const char* kTipC = TONALIS_TEXT("DTMF sequence (1 to 10 digits). Double Click to copy in Sequence to Send");

// Tab headers as designed, in twips: children of a tab page are placed as
// if the header were part of the page.
constexpr int kMainTabHeader = 295;
constexpr int kCommandTabHeader = 425;

// Builds the controls with their design positions (twips), then works out
// the one factor that lets every text fit and applies it to all of them.
class Builder {
 public:
  explicit Builder(QWidget* window) : window_(window) {}

  template <typename W>
  W* place(W* widget, const char* name, int x, int y, int w, int h, int yOffset = 0) {
    widget->setObjectName(name);
    placed_.push_back({widget, QRect(x, y - yOffset, w, h)});
    return widget;
  }

  QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h = 240,
                int yOffset = 0) {
    return place(new QLabel(text, parent), name, x, y, w, h, yOffset);
  }

  // `sample` is the widest text the field is expected to show in full.
  QLineEdit* field(QWidget* parent, const char* name, int x, int y, int w, int maxLength, const QString& tip,
                   const QString& sample, int yOffset = 0, int h = 285) {
    auto* edit = place(new QLineEdit(parent), name, x, y, w, h, yOffset);
    // Enforced on typing only (FieldRules): a text set by the program, from a
    // file or the board, is kept whole, so that nothing is silently cut.
    if (maxLength > 0) edit->setProperty(kMaxCharsProperty, maxLength);
    edit->setToolTip(tip);
    samples_.push_back({edit, sample});
    return edit;
  }

  QGroupBox* frame(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h,
                   int yOffset = 0) {
    return place(new QGroupBox(title, parent), name, x, y, w, h, yOffset);
  }

  QPushButton* button(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                      const QString& tip, int yOffset = 0) {
    auto* b = place(new QPushButton(text, parent), name, x, y, w, h, yOffset);
    b->setToolTip(tip);
    return b;
  }

  QCheckBox* check(QWidget* parent, const char* name, const QString& text, int x, int y, int w, const QString& tip,
                   int yOffset = 0) {
    auto* c = place(new QCheckBox(text, parent), name, x, y, w, 255, yOffset);
    c->setToolTip(tip);
    return c;
  }

  void tabs(QTabWidget* t) { tabWidgets_.push_back(t); }

  // The smallest factor, in steps of 0.05, at which every text fits; `setBy`
  // names the control that needs it.
  double fittingScale(QString* setBy) const {
    double needed = 1.0;
    const QWidget* current = nullptr;
    auto need = [&](double content, int twips) {
      if (content * 15.0 / twips <= needed) return;
      needed = content * 15.0 / twips;
      *setBy = current->objectName().isEmpty() ? current->property("text").toString() : current->objectName();
    };
    for (const auto& [widget, twips] : placed_) {
      current = widget;
      if (widget->isHidden()) continue;
      if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        need(box->fontMetrics().horizontalAdvance(box->title()) + 24, twips.width());
      } else if (auto* l = qobject_cast<QLabel*>(widget)) {
        if (l->wordWrap()) continue;
        need(l->fontMetrics().horizontalAdvance(l->text()) + 2, twips.width());
        need(l->fontMetrics().height(), twips.height());
      } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        need(check->sizeHint().width(), twips.width());
      } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        // The text and the bevel; the style's minimum button width is no need.
        // The mnemonic's mark is drawn as an underline, not as a character.
        const QString shown = QString(button->text()).replace("&&", "\x01").remove('&').replace('\x01', '&');
        need(button->fontMetrics().horizontalAdvance(shown) + 14, twips.width());
        need(button->fontMetrics().height() + 8, twips.height());
      }
    }
    for (const auto& [edit, sample] : samples_) {
      current = edit;
      const QRect twips = rectOf(edit);
      // Text, the frame and the text margins Qt draws around it.
      need(edit->fontMetrics().horizontalAdvance(sample) + 10, twips.width());
      need(edit->fontMetrics().height() + 6, twips.height());
    }
    for (QTabWidget* t : tabWidgets_) {
      current = t;
      need(t->tabBar()->sizeHint().width() + 4, rectOf(t).width());
    }
    return std::ceil(needed * 20.0) / 20.0;
  }

  void apply(double scale) {
    for (const auto& [widget, twips] : placed_)
      widget->setGeometry(TwipsToPixels(twips.x(), scale), TwipsToPixels(twips.y(), scale),
                          TwipsToPixels(twips.width(), scale), TwipsToPixels(twips.height(), scale));
  }

 private:
  QRect rectOf(QWidget* w) const {
    for (const auto& [widget, twips] : placed_)
      if (widget == w) return twips;
    return {};
  }

  QWidget* window_;
  std::vector<std::pair<QWidget*, QRect>> placed_;
  std::vector<std::pair<QLineEdit*, QString>> samples_;
  std::vector<QTabWidget*> tabWidgets_;
};

}  // namespace

QString OutputText(int index, bool on) {
  return (on ? Tr("Output %1 ON") : Tr("Output %1 OFF")).arg(index + 1);
}

int TwipsToPixels(int twips, double scale) { return static_cast<int>(std::lround(twips * scale / 15.0)); }

FormControls BuildForm(QWidget* window) {
  FormControls c;
  Builder b(window);
  window->setFont(SansFont(8.25));
  const QFont commandFont = MonoFont(9.75, true);

  c.SSTab1 = b.place(new QTabWidget(window), "SSTab1", 120, 120, 4575, 5055);
  b.tabs(c.SSTab1);
  auto* direct = new QWidget;
  auto* remote = new QWidget;
  c.SSTab1->addTab(direct, Tr("Direct Programming"));
  c.SSTab1->addTab(remote, Tr("Remote Modify / Send"));
  const int m = kMainTabHeader;

  // Direct Programming: the commands.
  c.SSTabCmd = b.place(new QTabWidget(direct), "SSTabCmd", 30, 360, 2700, 3855, m);
  b.tabs(c.SSTabCmd);
  auto* defaults = new QWidget;
  auto* specials = new QWidget;
  c.SSTabCmd->addTab(defaults, Tr("Default Commands"));
  c.SSTabCmd->addTab(specials, Tr("Special Commands"));
  const int t = kCommandTabHeader;

  // Rows of the first nine commands and the label array's own indexes.
  const int labelIndex[9] = {2, 3, 4, 5, 6, 7, 8, 9, 0};
  for (int n = 0; n < 9; ++n) {
    const int top = 500 + 300 * n;
    const std::string name = "lblCommands(" + std::to_string(labelIndex[n]) + ")";
    c.lblCommands[static_cast<std::size_t>(labelIndex[n])] = b.label(defaults, "", "", 75, top + 20, 1305, 240, t);
    c.lblCommands[static_cast<std::size_t>(labelIndex[n])]->setObjectName(QString::fromStdString(name));
    c.txtMem[static_cast<std::size_t>(n)] = b.field(defaults, "", 1350, top, 1250, 10, Tr(kTipA), "0000000000", t);
  }
  const char* captions[9] = {TONALIS_TEXT("0: Output 1 ON"),  TONALIS_TEXT("1: Output 1 OFF"),
                             TONALIS_TEXT("2: Output 2 ON"),  TONALIS_TEXT("3: Output 2 OFF"),
                             TONALIS_TEXT("4: Output 3 ON"),  TONALIS_TEXT("5: Output 3 OFF"),
                             TONALIS_TEXT("6: Output 4 ON"),  TONALIS_TEXT("7: Output 4 OFF"),
                             TONALIS_TEXT("8: Send Status")};
  for (int n = 0; n < 9; ++n) c.lblCommands[static_cast<std::size_t>(labelIndex[n])]->setText(Tr(captions[n]));

  c.Frame1 = b.frame(defaults, "Frame1", Tr("9: CW Reply Enable/Disable"), 75, 3200, 2535, 600, t);
  c.txtMem[9] = b.field(c.Frame1, "", 90, 250, 1250, 10, Tr(kTipB), "0000000000");
  b.label(c.Frame1, "Label11", Tr("Speed"), 1420, 280, 520);
  c.txtMorseSpeed = b.field(c.Frame1, "txtMorseSpeed", 1960, 250, 480, 3, Tr("Morse speed (14-150 WPM)"), "000");

  // Special Commands.
  c.Frame7 = b.frame(specials, "Frame7", Tr("10-11: Timer [Output 2]"), 75, 480, 2535, 950, t);
  c.Frame7->setToolTip(Tr("Command to activate OUTPUT 2 to ON for a fixed time (Timer)."));
  b.label(c.Frame7, "Label25", Tr("off-ON-off"), 90, 300, 760);
  c.txtMem[10] = b.field(c.Frame7, "", 860, 270, 1000, 10, Tr(kTipB), "0000000000");
  b.label(c.Frame7, "Label26", Tr("on-OFF-on"), 90, 610, 760);
  c.txtMem[11] = b.field(c.Frame7, "", 860, 580, 1000, 10, Tr(kTipC), "0000000000");
  b.label(c.Frame7, "Label19", Tr("Timer"), 1960, 300, 540);
  c.txtTmr2 = b.field(c.Frame7, "txtTmr2", 1960, 580, 540, 3, Tr("Timer for Output 2 ON or OFF in seconds (1-255)"), "000");

  c.Frame8 = b.frame(specials, "Frame8", Tr("12-13: Voltage Check [Output 4]"), 75, 1500, 2535, 950, t);
  c.Frame8->setToolTip(Tr("Enable(ON)/Disable(OFF) the OUTPUT 4 to be triggered by Lo and Hi voltage levels."));
  b.label(c.Frame8, "Label23", Tr("Enable"), 90, 300, 760);
  c.txtMem[12] = b.field(c.Frame8, "", 860, 270, 1000, 10, Tr(kTipC), "0000000000");
  b.label(c.Frame8, "Label24", Tr("Disable"), 90, 610, 760);
  c.txtMem[13] = b.field(c.Frame8, "", 860, 580, 1000, 10, Tr(kTipB), "0000000000");
  b.label(c.Frame8, "Label21", Tr("Lo"), 1900, 300, 170);
  c.txtBlo = b.field(c.Frame8, "txtBlo", 2080, 270, 420, 4,
                     Tr("0.0-25.0V. If voltage drops below this Low limit the Output 4 will be switched Off."), "00.0");
  b.label(c.Frame8, "Label22", Tr("Hi"), 1900, 610, 170);
  c.txtBhi = b.field(c.Frame8, "txtBhi", 2080, 580, 420, 4,
                     Tr("0.0-25.0V. If voltage rises above this High limit the Output 4 will be switched On."), "00.0");

  c.Frame10 = b.frame(specials, "Frame10", Tr("14: ALL Outputs ON"), 75, 2520, 2535, 575, t);
  c.txtMem[14] = b.field(c.Frame10, "", 90, 240, 1250, 10, Tr(kTipB), "0000000000");
  c.Frame11 = b.frame(specials, "Frame11", Tr("15: ALL Ouputs OFF"), 75, 3165, 2535, 575, t);
  c.txtMem[15] = b.field(c.Frame11, "", 90, 240, 1250, 10, Tr(kTipB), "0000000000");

  for (int n = 0; n < kCommandCount; ++n) {
    QLineEdit* field = c.txtMem[static_cast<std::size_t>(n)];
    field->setObjectName(QString("txtMem(%1)").arg(n));
    field->setFont(commandFont);
  }

  // Fixed parameters.
  c.Frame2 = b.frame(direct, "Frame2", Tr("Fixed Parameters"), 2790, 360, 1675, 1335, m);
  b.label(c.Frame2, "Label20", Tr("CW Call"), 75, 300, 780);
  c.txtCallID =
      b.field(c.Frame2, "txtCallID", 870, 270, 760, 6, Tr("CW Call to be transmitted in reply (0-6 char)"), "HHHHHH");
  b.label(c.Frame2, "Label9", Tr("Modifier ID"), 75, 660, 780);
  c.txtSeqCmd = b.field(c.Frame2, "txtSeqCmd", 870, 630, 760, 8, Tr("Modifier Sequence (1 to 8 digits)"), "00000000");
  c.txtSeqCmd->setFont(commandFont);
  b.label(c.Frame2, "Label10", Tr("Checksum ID"), 75, 1020, 780);
  c.txtCrcTag = b.field(c.Frame2, "txtCrcTag", 870, 990, 760, 1, Tr("Checksum Digit (1 digit)"), "0");
  c.txtCrcTag->setFont(commandFont);

  // Power-on settings.
  c.Frame3 = b.frame(direct, "Frame3", Tr("Power-On Settings"), 2790, 1725, 1675, 2490, m);
  c.Frame3->setToolTip(Tr("Settings at Power-On"));
  for (int i = 0; i < 4; ++i) {
    const std::string name = "chkOutput(" + std::to_string(i) + ")";
    auto* toggle = b.button(c.Frame3, "", OutputText(i, false), 150, 300 + 380 * i, 1375, 340,
                            Tr("Press button to set this output to ON after Power-On"));
    toggle->setObjectName(QString::fromStdString(name));
    toggle->setCheckable(true);
    c.chkOutput[static_cast<std::size_t>(i)] = toggle;
  }
  c.chkMorse =
      b.check(c.Frame3, "chkMorse", Tr("CW Enabled"), 150, 1860, 1450, Tr("Enable/Disable CW Reply to Commands at Power-On"));
  c.chkBCheck = b.check(c.Frame3, "chkBCheck", Tr("V.Check Enabled"), 150, 2160, 1450,
                        Tr("Enable/Disable Voltage Check (Output 4) at Power-On"));
  c.chkMorse->setChecked(true);
  c.chkBCheck->setChecked(true);

  // Configuration files.
  c.Frame6 = b.frame(direct, "Frame6", Tr("Configuration"), 60, 4210, 1335, 740, m);
  c.cmdLoad = b.button(c.Frame6, "cmdLoad", Tr("&Load"), 90, 280, 560, 360, Tr("Load Configuration from Disk"));
  c.cmdSave = b.button(c.Frame6, "cmdSave", Tr("Sa&ve"), 690, 280, 560, 360, Tr("Save Configuration to Disk"));

  // Programming.
  c.Frame12 = b.frame(direct, "Frame12", Tr("Programming"), 1440, 4210, 3050, 735, m);
  b.label(c.Frame12, "Label12", Tr("Prg Comm"), 90, 330, 620);
  c.txtPrgComm = b.field(c.Frame12, "txtPrgComm", 720, 300, 280, 2, Tr("Program Comm number (1-16)"), "00");
  c.txtPrgComm->setText("1");
  c.chkPrg = b.check(c.Frame12, "chkPrg", Tr("&Enable"), 1020, 320, 670, Tr("Enable Program Comm"));
  c.chkPrg->setStyleSheet("QCheckBox { color: blue; }");
  c.cmdRead = b.button(c.Frame12, "cmdRead", Tr("&READ"), 1700, 260, 560, 380, Tr("Read data from Quorvantelix"));
  c.cmdSend = b.button(c.Frame12, "cmdSend", Tr("&PROGRAM"), 2280, 260, 740, 380, Tr("Program Quorvantelix"));
  c.cmdRead->setEnabled(false);
  c.cmdSend->setEnabled(false);

  // Remote Modify / Send: the replacement.
  c.Frame5 = b.frame(remote, "Frame5", Tr("Remotely Replace a Command"), 120, 480, 4335, 1815, m);
  const QFont sequenceFont = MonoFont(12, true);
  c.Label6 = b.label(c.Frame5, "Label6", Tr("Original Sequence"), 120, 250, 1950, 270);
  c.Label6->setFont(NarrowFont(9.75));
  c.txtSeqOri = b.field(c.Frame5, "txtSeqOri", 120, 530, 1950, 10,
                        Tr("Sequence to be replaced. Cannot end with Modifier ID"), "0000000000", 0, 390);
  c.txtSeqOri->setFont(sequenceFont);
  c.Label8 = b.label(c.Frame5, "Label8", Tr("New Sequence"), 2250, 250, 1950, 270);
  c.Label8->setFont(NarrowFont(9.75));
  c.txtSeqNew = b.field(c.Frame5, "txtSeqNew", 2250, 530, 1950, 10,
                        Tr("New Sequence. Cannot contain Checksum ID or end with Modifier ID"), "0000000000", 0, 390);
  c.txtSeqNew->setFont(sequenceFont);
  b.label(c.Frame5, "Label13", Tr("Modifier ID:"), 120, 1080, 950);
  c.lblSeqCmd = b.label(c.Frame5, "lblSeqCmd", "[]", 1080, 1080, 1100);
  c.lblSeqCmd->setFont(MonoFont(9.75));
  b.label(c.Frame5, "Label7", Tr("Checksum ID:"), 120, 1380, 950);
  c.lblCrcTag = b.label(c.Frame5, "lblCrcTag", "[]", 1080, 1380, 1100);
  c.lblCrcTag->setFont(MonoFont(9.75));
  c.cmdSeqCalc = b.button(c.Frame5, "cmdSeqCalc", Tr("&Calculate Sequence to Send"), 2250, 1080, 1950, 480,
                          Tr("Calculate correct sequence for remotely replace a command."));

  // Send Sequence.
  c.Frame4 = b.frame(remote, "Frame4", Tr("Send Sequence"), 120, 2400, 4335, 2500, m);
  c.Label3 = b.label(c.Frame4, "Label3", Tr("Sequence to Send (1024 digits)"), 120, 250, 4000, 300);
  c.Label3->setFont(SansFont(9.75, true));
  c.Text1 = b.field(c.Frame4, "Text1", 120, 560, 4100, 1024, Tr("Allowed digits: 0..9*#ABCD, Space and Return"),
                    "0123456789*#ABCD", 0, 390);
  c.Text1->setFont(sequenceFont);
  b.label(c.Frame4, "Label4", Tr("Digit duration"), 120, 1110, 1250);
  c.Text2 = b.field(c.Frame4, "Text2", 1400, 1080, 480, 4, Tr("Duration of a Digit"), "0000");
  b.label(c.Frame4, "Label2", Tr("mS"), 1920, 1110, 300);
  b.label(c.Frame4, "Label5", Tr("Interdigit duration"), 120, 1440, 1250);
  c.Text3 = b.field(c.Frame4, "Text3", 1400, 1410, 480, 3, Tr("Pause between digits"), "000");
  b.label(c.Frame4, "Label1", Tr("mS"), 1920, 1440, 300);
  auto* label15 = b.label(c.Frame4, "Label15", Tr("Betw. sequences"), 120, 1770, 1250);
  c.Text4 = b.field(c.Frame4, "Text4", 1400, 1740, 480, 4, Tr("Pause between two sequences"), "0000");
  auto* label14 = b.label(c.Frame4, "Label14", Tr("mS"), 1920, 1770, 300);
  b.label(c.Frame4, "Label16", Tr("PTT Comm"), 2300, 1110, 850);
  c.txtPttCom = b.field(c.Frame4, "txtPttCom", 3180, 1080, 400, 0, Tr("PTT Comm number (1-16)"), "00");
  c.chkPtt = b.check(c.Frame4, "chkPtt", Tr("&Enable"), 3620, 1100, 680, Tr("Enable PTT Comm"));
  b.label(c.Frame4, "Label17", Tr("Tx Delay"), 2300, 1440, 850);
  c.txtTxd = b.field(c.Frame4, "txtTxd", 3180, 1410, 500, 0, Tr("TX Delay (20-2000)"), "0000");
  b.label(c.Frame4, "Label18", Tr("mS"), 3720, 1440, 300);
  c.cmdTone = b.button(c.Frame4, "cmdTone", Tr("Se&nd Sequence"), 120, 1850, 1700, 450, Tr("Send Sequence using Sound Card"));
  c.cmdTone->setFont(SansFont(8.25, true));
  c.lblInfoSend = b.label(c.Frame4, "lblInfoSend", "", 2300, 1850, 1905, 420);
  c.lblInfoSend->setWordWrap(true);
  for (QWidget* hidden : std::initializer_list<QWidget*>{label15, c.Text4, label14}) {
    hidden->setVisible(false);
    hidden->setEnabled(false);
  }
  for (QLineEdit* centred : {c.txtMorseSpeed, c.txtTmr2, c.txtCallID, c.txtSeqCmd, c.txtCrcTag, c.txtPrgComm, c.Text2,
                             c.Text3, c.Text4, c.txtPttCom, c.txtTxd})
    centred->setAlignment(Qt::AlignCenter);

  c.Text1->setText("0123456789*#ABCD");
  c.Text2->setText("50");
  c.Text3->setText("50");
  c.Text4->setText("1000");
  c.txtPttCom->setText("1");
  c.txtTxd->setText("200");

  // For a screen reader: each field is named by the label beside it (its
  // buddy), or by its frame's title where it has no label; the pages too.
  const std::pair<const char*, QWidget*> buddies[] = {
      {"Label11", c.txtMorseSpeed}, {"Label25", c.txtMem[10]}, {"Label26", c.txtMem[11]}, {"Label19", c.txtTmr2},
      {"Label23", c.txtMem[12]},    {"Label24", c.txtMem[13]}, {"Label21", c.txtBlo},     {"Label22", c.txtBhi},
      {"Label20", c.txtCallID},     {"Label9", c.txtSeqCmd},   {"Label10", c.txtCrcTag},  {"Label12", c.txtPrgComm},
      {"Label6", c.txtSeqOri},      {"Label8", c.txtSeqNew},   {"Label3", c.Text1},       {"Label4", c.Text2},
      {"Label5", c.Text3},          {"Label15", c.Text4},      {"Label16", c.txtPttCom},  {"Label17", c.txtTxd}};
  for (const auto& [label, field] : buddies) window->findChild<QLabel*>(label)->setBuddy(field);
  for (int n = 0; n < 9; ++n)
    c.lblCommands[static_cast<std::size_t>(labelIndex[n])]->setBuddy(c.txtMem[static_cast<std::size_t>(n)]);
  c.txtMem[9]->setAccessibleName(c.Frame1->title());
  c.txtMem[14]->setAccessibleName(c.Frame10->title());
  c.txtMem[15]->setAccessibleName(c.Frame11->title());
  c.SSTab1->setAccessibleName(Tr("Pages of the window"));
  c.SSTabCmd->setAccessibleName(Tr("Pages of the commands"));

  // Size for the longest texts these labels show, then give them their own.
  c.Label6->setText(Tr("Original Sequence [cmd 15]"));
  c.Label8->setText(Tr("New Sequence  [cmd 15]"));
  c.lblSeqCmd->setText("[DDDDDDDD]");
  c.scale = b.fittingScale(&c.scaleSetBy);
  b.apply(c.scale);
  window->setFixedSize(TwipsToPixels(4830, c.scale), TwipsToPixels(5295, c.scale));
  c.Label3->setText(Tr("Sequence to Send"));
  c.Label6->setText(Tr("Original Sequence"));
  c.Label8->setText(Tr("New Sequence"));
  c.lblSeqCmd->setText("[]");
  return c;
}

}  // namespace tonalis
