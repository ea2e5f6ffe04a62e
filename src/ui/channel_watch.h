// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>
#include <optional>
#include <string>

#include "listen/channel_listener.h"
#include "tone/portaudio_output.h"

namespace tonalis {

// The window's listening to the channel (the Journal's "Listen to the
// channel"): on the Station setup's input device for as long as it is on,
// each sequence heard kept in the journal. A send of ours has the air and
// the input to itself: listening pauses while it goes on, and resumes after.
class ChannelWatch : public QObject {
  Q_OBJECT

 public:
  ChannelWatch(JournalSink& journal, QObject* parent = nullptr);

  // The input device (empty: the default), from the Station setup; a
  // listening under way moves to it.
  void setDevice(const std::string& device);
  // On or off; the reason when it cannot listen (it stays off).
  std::optional<std::string> setOn(bool on);
  bool on() const { return on_; }
  // A send of ours begins, and is over.
  void pauseForSend();
  void resumeAfterSend();
  // In words: "Listening on the default input device since 15:20: 3 sequences heard.", ...
  QString state() const;

 Q_SIGNALS:
  void heard(const QDateTime& when, const QString& sequence);
  // On, off, paused, or resumption failed: state() says.
  void changed();

 private:
  PortAudioInput input_;
  ChannelListener listener_;
  std::string device_;
  bool on_ = false;
  bool paused_ = false;
  QString failure_;
  QDateTime since_;
  int count_ = 0;
};

}  // namespace tonalis
