// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace tonalis {
namespace {

constexpr int kTwipsPerPixel = 15;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string Std(const QString& s) { return s.toStdString(); }

}  // namespace

void ShowSettings(const AppSettings& s, QWidget* window, const FormControls& c) {
  QPoint position(s.windowLeft / kTwipsPerPixel, s.windowTop / kTwipsPerPixel);
  // A position saved on a screen that is no longer there: back onto the main one.
  const QRect frame(position, window->frameGeometry().size());
  const auto screens = QGuiApplication::screens();
  const bool visible = std::any_of(screens.begin(), screens.end(), [&frame](const QScreen* screen) {
    return screen->availableGeometry().intersects(frame.adjusted(0, 0, -frame.width() / 2, -frame.height() / 2));
  });
  if (!visible && QGuiApplication::primaryScreen())
    position = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
  window->move(position);

  c.SSTab1->setCurrentIndex(s.mainTab);
  c.Text1->setText(Q(s.text1));
  c.Text2->setText(Q(s.text2));
  c.Text3->setText(Q(s.text3));
  c.Text4->setText(Q(s.text4));
  c.txtPttCom->setText(Q(s.txtPttCom));
  c.txtPrgComm->setText(Q(s.txtPrgComm));
  c.txtTxd->setText(Q(s.txtTxd));
  c.SSTabCmd->setCurrentIndex(0);
}

AppSettings SettingsOf(const QWidget* window, const FormControls& c, const std::string& configPath) {
  AppSettings s;
  s.currentConfigPath = configPath;
  s.windowLeft = window->pos().x() * kTwipsPerPixel;
  s.windowTop = window->pos().y() * kTwipsPerPixel;
  s.mainTab = c.SSTab1->currentIndex();
  s.text1 = Std(c.Text1->text());
  s.text2 = Std(c.Text2->text());
  s.text3 = Std(c.Text3->text());
  s.text4 = Std(c.Text4->text());
  s.txtPttCom = Std(c.txtPttCom->text());
  s.txtPrgComm = Std(c.txtPrgComm->text());
  s.txtTxd = Std(c.txtTxd->text());
  return s;
}

}  // namespace tonalis
