// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/network_port_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "i18n/language.h"
#include "link/network_port_name.h"

namespace tonalis {

NetworkPortDialog::NetworkPortDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmNetworkPort");
  setWindowTitle(tr("Add network port"));
  host_ = new QLineEdit(this);
  host_->setObjectName("host");
  host_->setPlaceholderText("site-pi.lan");
  host_->setToolTip(tr("The site's computer or serial server: a name, an IPv4 address, or an IPv6 one."));
  port_ = new QSpinBox(this);
  port_->setObjectName("tcpPort");
  port_->setRange(1, 65535);
  port_->setValue(2001);
  kind_ = new QComboBox(this);
  kind_->setObjectName("kind");
  kind_->addItem(tr("Telnet with RFC 2217 (ser2net telnet(rfc2217)): sets the line to 4800 8N1"), "rfc2217");
  kind_->addItem(tr("Raw TCP (ser2net tcp): the server's line must be set to 4800 8N1"), "socket");
  problem_ = new QLabel(this);
  problem_->setObjectName("problem");
  problem_->setWordWrap(true);
  problem_->setStyleSheet("color: #b00000");
  auto* note = new QLabel(tr("A network port reads and programs the board; it never keys a transmitter."), this);
  note->setWordWrap(true);

  auto* form = new QFormLayout;
  form->addRow(tr("&Host:"), host_);
  form->addRow(tr("&TCP port:"), port_);
  form->addRow(tr("&Kind:"), kind_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &NetworkPortDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &NetworkPortDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(problem_);
  layout->addWidget(buttons);
}

void NetworkPortDialog::accept() {
  QString host = host_->text().trimmed();
  // An IPv6 address goes in brackets in the name, whether typed with them or not.
  if (host.contains(':') && !host.startsWith('[')) host = '[' + host + ']';
  const QString name = kind_->currentData().toString() + "://" + host + ':' + QString::number(port_->value());
  std::string why;
  if (!ParseNetworkPortName(name.toStdString(), &why, TrStd)) {
    problem_->setText(QString::fromStdString(why));
    host_->setFocus();
    return;
  }
  problem_->clear();
  Q_EMIT chosen(name);
  QDialog::accept();
}

}  // namespace tonalis
