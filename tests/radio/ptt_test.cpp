// SPDX-License-Identifier: GPL-3.0-or-later
// The ways of keying the transmitter, each through a real part: a FIFO for
// the CM108's hidraw device, Hamlib's rigctld with its dummy rig.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "radio/cm108_ptt.h"
#include "radio/hamlib_ptt.h"
#include "radio/station_ptt.h"
#include "support/real_time_output.h"
#include "support/recording.h"
#include "support/rigctld.h"
#include "support/test_files.h"
#include "tone/sequence_sender.h"

namespace tonalis {
namespace {

using testing::RecordingMessages;
using testing::RecordingProgress;

// Keys or releases and waits for the driver to say it is done.
std::optional<bool> Key(PttDriver& driver, bool on) {
  std::optional<bool> result;
  driver.key(on, [&](bool ok) { result = ok; });
  (void)QTest::qWaitFor([&] { return result.has_value(); }, 10000);
  return result;
}

PttChoice Rigctld(const testing::Rigctld& rig) {
  PttChoice c;
  c.method = PttMethod::Rigctld;
  c.rigctldHost = "127.0.0.1";
  c.rigctldPort = rig.port();
  return c;
}

TEST(Cm108Ptt, WritesOneReportPerChange) {
  testing::TempDir dir;
  const std::string fifo = dir.file("hidraw");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Held open for reading and writing, so the driver's opening never waits.
  const int reader = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  RecordingMessages messages;
  {
    Cm108Ptt ptt(fifo, 5, messages);
    EXPECT_EQ(Key(ptt, true), true);
    EXPECT_EQ(Key(ptt, false), true);
    EXPECT_EQ(Key(ptt, true), true);
  }  // destroyed while keyed: released
  std::uint8_t bytes[64] = {};
  const ssize_t n = ::read(reader, bytes, sizeof bytes);
  ::close(reader);
  const std::vector<std::uint8_t> expected = {0, 0, 0x10, 0x10, 0, 0, 0, 0, 0x10, 0,
                                              0, 0, 0x10, 0x10, 0, 0, 0, 0, 0x10, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + std::max<ssize_t>(n, 0)), expected);
  EXPECT_TRUE(messages.shown.empty());

  Cm108Ptt missing(dir.file("hidraw9"), 3, messages);
  EXPECT_EQ(Key(missing, true), false);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("is not there: is the radio interface plugged in?"), std::string::npos)
      << messages.shown[0].text;
  EXPECT_EQ(messages.shown[0].text.rfind("Cannot key the transmitter (CM108 GPIO 3 on " + dir.file("hidraw9") + "):", 0),
            0u) << messages.shown[0].text;
  // The release on the way out: nothing was keyed, so one message in all.
  EXPECT_EQ(Key(missing, false), true);
  EXPECT_EQ(messages.shown.size(), 1u);
  Cm108Ptt unnamed("", 3, messages);
  EXPECT_EQ(Key(unnamed, true), false);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text.rfind("Cannot key the transmitter (CM108 GPIO 3 on no device chosen):", 0), 0u)
      << messages.shown[1].text;
}

// The sound chips that carry the GPIO (C-Media's and SSS's) come first.
TEST(Cm108Ptt, TheChipsFamilyIsListedFirst) {
  testing::TempDir dir;
  const std::pair<const char*, const char*> devices[] = {
      {"hidraw0", "HID_ID=0003:0000046D:0000C52B\nHID_NAME=Logitech Receiver\n"},
      {"hidraw1", "HID_ID=0003:00000C76:00001607\nHID_NAME=SSS USB Headphone Set\n"},
      {"hidraw2", "HID_ID=0003:00000D8C:0000013C\nHID_NAME=C-Media USB Audio Device\n"},
  };
  for (const auto& [name, uevent] : devices) {
    std::filesystem::create_directories(dir.path() / name / "device");
    testing::WriteAll((dir.path() / name / "device" / "uevent").string(), uevent);
  }
  const auto list = ListHidDevices(dir.path().string());
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].device, "/dev/hidraw1");
  EXPECT_TRUE(list[0].cm108) << "SSS's chips are of the family";
  EXPECT_EQ(list[0].vendor, 0x0c76u);
  EXPECT_EQ(list[0].name, "SSS USB Headphone Set");
  EXPECT_EQ(list[1].device, "/dev/hidraw2");
  EXPECT_TRUE(list[1].cm108);
  EXPECT_EQ(list[2].device, "/dev/hidraw0");
  EXPECT_FALSE(list[2].cm108) << "a receiver of keyboards is not";
}

TEST(Cm108Ptt, WritesOnlyToAHidrawDeviceOrAFifo) {
  testing::TempDir dir;
  const std::string fifo = dir.file("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  testing::WriteAll(dir.file("notes.txt"), "notes");
  // A sysfs that calls /dev/null (1:3) a hidraw device.
  const std::string sysfs = dir.file("sys");
  std::filesystem::create_directories(sysfs + "/dev/char/1:3");
  std::filesystem::create_directories(sysfs + "/class/hidraw");
  std::filesystem::create_directory_symlink(sysfs + "/class/hidraw", sysfs + "/dev/char/1:3/subsystem");
  std::string disk;
  for (const char* candidate : {"/dev/loop0", "/dev/sda", "/dev/vda", "/dev/nvme0n1", "/dev/ram0"}) {
    struct stat st {};
    if (::stat(candidate, &st) == 0 && S_ISBLK(st.st_mode)) {
      disk = candidate;
      break;
    }
  }
  struct Case {
    std::string device;
    std::string sysfs;
    const char* refused;  // empty: accepted
  };
  const Case cases[] = {
      {fifo, "/sys", ""},
      {dir.file("missing"), "/sys", ""},  // the opening says it is not there
      {"/dev/null", sysfs, ""},
      {"/dev/null", "/sys", "it is a device of another kind"},
      {dir.file("notes.txt"), "/sys", "it is an ordinary file"},
      {dir.path().string(), "/sys", "it is a folder"},
      {disk, "/sys", "it is a disk"},
  };
  for (const auto& c : cases) {
    if (c.device.empty()) continue;  // no block device on this machine
    const auto problem = Cm108DeviceProblem(c.device, c.sysfs);
    EXPECT_EQ(problem.has_value(), std::string(c.refused) != "") << c.device;
    if (problem) {
      EXPECT_NE(problem->find(c.refused), std::string::npos) << *problem;
    }
  }
}

TEST(HamlibPtt, KeysAndReleasesThroughRigctld) {
  testing::Rigctld rig;
  ASSERT_EQ(rig.ptt(), 0) << "rigctld did not start";
  RecordingMessages messages;
  {
    HamlibPtt ptt(Rigctld(rig), messages);
    EXPECT_EQ(Key(ptt, true), true);
    EXPECT_EQ(rig.ptt(), 1);
    EXPECT_EQ(Key(ptt, false), true);
    EXPECT_EQ(rig.ptt(), 0);
    EXPECT_EQ(Key(ptt, true), true);
    EXPECT_EQ(rig.ptt(), 1);
  }
  EXPECT_EQ(rig.ptt(), 0) << "a driver that goes releases first";
  EXPECT_TRUE(messages.shown.empty()) << messages.shown[0].text;
}

TEST(HamlibPtt, FailuresAreSaidInPlainWords) {
  struct Case {
    PttChoice choice;
    const char* said;
  };
  PttChoice nobody;
  nobody.method = PttMethod::Rigctld;
  nobody.rigctldHost = "127.0.0.1";
  nobody.rigctldPort = 1;  // nothing listens there
  PttChoice unknown;
  unknown.method = PttMethod::Cat;
  unknown.rigModel = 99999;
  unknown.rigDevice = "/dev/null";
  PttChoice gone;
  gone.method = PttMethod::Cat;
  gone.rigModel = 1035;
  gone.rigDevice = "/dev/tonalis-no-such-rig";
  const testing::Rigctld refusing(false);
  const Case cases[] = {
      {nobody, "rigctld does not answer at 127.0.0.1:1"},
      // A refusal is an answer: not keyed, and nothing is left to release.
      {Rigctld(refusing), "rigctld refused PTT (Invalid parameter). A rigctld started without a PTT type"},
      {unknown, "Hamlib has no rig model 99999"},
      {gone, "Cannot open /dev/tonalis-no-such-rig"},
  };
  for (const auto& c : cases) {
    RecordingMessages messages;
    HamlibPtt ptt(c.choice, messages);
    EXPECT_EQ(Key(ptt, true), false) << c.said;
    ASSERT_EQ(messages.shown.size(), 1u) << c.said;
    EXPECT_EQ(messages.shown[0].text.rfind("Cannot key the transmitter (" + DescribePtt(c.choice) + "):", 0), 0u);
    EXPECT_NE(messages.shown[0].text.find(c.said), std::string::npos) << messages.shown[0].text;
    EXPECT_FALSE(ptt.stateUnknown()) << c.said;
  }
  // The dummy rig answers CAT directly.
  PttChoice dummy;
  dummy.method = PttMethod::Cat;
  dummy.rigModel = 1;
  dummy.rigDevice = "/dev/null";
  RecordingMessages messages;
  HamlibPtt cat(dummy, messages);
  EXPECT_EQ(Key(cat, true), true);
  EXPECT_EQ(Key(cat, false), true);
  EXPECT_TRUE(messages.shown.empty());
}

// Between Hamlib and rigctld: passes everything on, except the answer to
// "T 1", which it garbles or loses with the connection, as a noisy link or a
// dropped network does; with `vanishes` it then takes no new connection.
class LossyRigLink : public QObject {
 public:
  enum class Fault { CutConnection, GarbleAnswer, GarbleRelease };
  LossyRigLink(int rigPort, Fault fault, bool vanishes) : rigPort_(rigPort), fault_(fault), vanishes_(vanishes) {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* client = server_.nextPendingConnection()) {
        if (gone_) {
          client->abort();
          client->deleteLater();
          continue;
        }
        auto* rig = new QTcpSocket(client);
        rig->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(rigPort_));
        connect(client, &QTcpSocket::readyRead, rig, [this, client, rig] {
          const QByteArray data = client->readAll();
          if (data.startsWith("T") && data.trimmed().endsWith(" 1") && fault_ != Fault::GarbleRelease)
            keyCommands_ = true;
          if (data.startsWith("T") && data.trimmed().endsWith(" 0") && fault_ == Fault::GarbleRelease)
            keyCommands_ = true;
          rig->write(data);
        });
        connect(rig, &QTcpSocket::readyRead, client, [this, client, rig] {
          QByteArray answer = rig->readAll();
          // The answer to "T 1" is its RPRT line; what comes before it ends an earlier answer.
          if (keyCommands_ && answer.contains("RPRT")) {
            keyCommands_ = false;
            client->write(answer.left(answer.indexOf("RPRT")));
            if (fault_ == Fault::GarbleAnswer) client->write("\x7f#&!%\n");
            if (fault_ == Fault::CutConnection) client->abort();
            if (vanishes_) {
              gone_ = true;
              server_.close();
            }
            return;
          }
          client->write(answer);
        });
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
      }
    });
  }
  int port() const { return server_.serverPort(); }

 private:
  QTcpServer server_;
  int rigPort_;
  Fault fault_;
  bool vanishes_;
  bool keyCommands_ = false;
  bool gone_ = false;
};

TEST(HamlibPtt, AKeyWhoseAnswerIsLostIsReleasedAgain) {
  struct Case {
    const char* name;
    LossyRigLink::Fault fault;
    bool vanishes;
    const char* said;
  };
  const Case cases[] = {
      {"answer garbled", LossyRigLink::Fault::GarbleAnswer, false, "it was released again, to be safe"},
      {"answer lost, then no rig", LossyRigLink::Fault::CutConnection, true, "the keyed state is unknown"},
  };
  for (const auto& c : cases) {
    testing::Rigctld rig;
    LossyRigLink link(rig.port(), c.fault, c.vanishes);
    PttChoice choice = Rigctld(rig);
    choice.rigctldPort = link.port();
    RecordingMessages messages;
    HamlibPtt ptt(choice, messages);
    EXPECT_EQ(Key(ptt, true), false) << c.name << ": the key is not reported as done";
    ASSERT_EQ(messages.shown.size(), 1u) << c.name;
    EXPECT_NE(messages.shown[0].text.find(c.said), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(ptt.stateUnknown(), c.vanishes) << c.name;
    EXPECT_EQ(rig.ptt(), c.vanishes ? 1 : 0) << c.name << ": the rig did key; it was released unless unreachable";
  }
}

// A release whose answer is lost is said as such: the rig did not refuse it.
TEST(HamlibPtt, AReleaseWithoutAnAnswerIsNotCalledARefusal) {
  testing::Rigctld rig;
  LossyRigLink link(rig.port(), LossyRigLink::Fault::GarbleRelease, false);
  PttChoice choice = Rigctld(rig);
  choice.rigctldPort = link.port();
  RecordingMessages messages;
  HamlibPtt ptt(choice, messages);
  ASSERT_EQ(Key(ptt, true), true);
  EXPECT_EQ(Key(ptt, false), false);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text.find("refused"), std::string::npos) << messages.shown[0].text;
  EXPECT_NE(messages.shown[0].text.find("got no answer from the rig"), std::string::npos) << messages.shown[0].text;
}

TEST(StationPtt, TheBoxEnablesAndUntickingReleases) {
  testing::Rigctld rig;
  RecordingProgress progress;
  RecordingMessages messages;
  BoardLink link(progress, messages, [](int) { return std::string("/dev/tonalis-unused"); });
  StationPtt ptt(link, messages);
  ptt.setChoice(Rigctld(rig));
  EXPECT_FALSE(link.pttUsesPort());

  std::optional<bool> done;
  ptt.setPtt(true, [&](bool ok) { done = ok; });
  EXPECT_EQ(done, true) << "with the box clear nothing is keyed, and that is no failure";
  EXPECT_EQ(rig.ptt(), 0);

  link.setPttTicked(true, "1");
  EXPECT_TRUE(ptt.pttEnabled());
  EXPECT_FALSE(link.portOpen()) << "no port is opened for this PTT";
  EXPECT_TRUE(messages.shown.empty());
  done.reset();
  ptt.setPtt(true, [&](bool ok) { done = ok; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return done.has_value(); }, 10000));
  EXPECT_EQ(done, true) << (messages.shown.empty() ? "" : messages.shown[0].text);
  EXPECT_EQ(rig.ptt(), 1);
  link.setPttTicked(false, "1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.ptt() == 0; }, 5000)) << "unticking the box released it";
}

TEST(StationPtt, ASendKeysThroughRigctldOnlyWhileItSends) {
  testing::Rigctld rig;
  RecordingProgress progress;
  RecordingMessages messages;
  BoardLink link(progress, messages, [](int) { return std::string(); });
  StationPtt ptt(link, messages);
  ptt.setChoice(Rigctld(rig));
  link.setPttTicked(true, "1");
  testing::RealTimeOutput output;
  TonePlayer player(output, messages);
  SequenceSender sender(player, ptt, messages);

  QSignalSpy finished(&sender, &SequenceSender::finished);
  ASSERT_TRUE(sender.send("1", CorrectSendTiming({"600", "50", "1000", "200"})));
  ASSERT_TRUE(QTest::qWaitFor([&] { return output.started != testing::RealTimeOutput::Clock::time_point{}; }, 5000));
  EXPECT_EQ(rig.ptt(), 1) << "keyed while the tone plays";
  ASSERT_TRUE(finished.wait(10000));
  EXPECT_TRUE(finished.first().at(1).toBool()) << finished.first().at(0).toString().toStdString();
  EXPECT_EQ(rig.ptt(), 0) << "released after the tail";
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace tonalis

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
