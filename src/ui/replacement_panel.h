// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

#include "config/decoder_config.h"
#include "config/user_message.h"
#include "exchange/air_exchange.h"
#include "ui/form_layout.h"

namespace tonalis {

// The Remote Modify fields: the notes beside Original and New, the Checksum
// ID's check, and Calculate, which puts the replacement into Sequence to Send
// unless the board would ignore or refuse it. The replacement last
// calculated is sent as one while Sequence to Send still holds it.
class ReplacementPanel : public QObject {
  Q_OBJECT

 public:
  ReplacementPanel(const FormControls& controls, MessageSink& messages, std::function<DecoderConfig()> fields,
                   QObject* parent);
  // Makes `request` the replacement last calculated when it sends it.
  void describe(AirRequest& request) const;

 Q_SIGNALS:
  // Sequence to Send holds a new replacement.
  void calculated();

 private:
  void calculate();
  void onChecksumIdChanged();

  struct Replacement {
    std::string sequence;        // as calculated
    std::string original;        // the command it replaces
    std::optional<int> command;  // that command's number, when the fields hold it
    std::string digits;          // its new digits
  };
  const FormControls& c_;
  MessageSink& messages_;
  std::function<DecoderConfig()> fields_;
  std::optional<Replacement> last_;
};

}  // namespace tonalis
