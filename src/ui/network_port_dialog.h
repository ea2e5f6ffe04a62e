// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace tonalis {

// "Add network port...": a serial port at a site, exported by a network
// serial server, as its host, its TCP port and its kind (telnet with RFC
// 2217, or raw TCP). OK gives its name, rfc2217://HOST:PORT or
// socket://HOST:PORT; a host that is not one is said under the fields and
// the dialog stays.
class NetworkPortDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NetworkPortDialog(QWidget* parent);

  QLineEdit* host() const { return host_; }
  QSpinBox* port() const { return port_; }
  QComboBox* kind() const { return kind_; }
  QLabel* problem() const { return problem_; }

 Q_SIGNALS:
  void chosen(const QString& name);

 public Q_SLOTS:
  void accept() override;

 private:
  QLineEdit* host_;
  QSpinBox* port_;
  QComboBox* kind_;
  QLabel* problem_;
};

}  // namespace tonalis
