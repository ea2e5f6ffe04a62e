// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/ptt_choice.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

TEST(PttChoice, CommandLineOptions) {
  using Parser = std::optional<std::string> (*)(const std::string&, PttChoice&);
  struct Case {
    Parser parse;
    const char* value;
    const char* described;  // empty: refused
  };
  const Case cases[] = {
      {ParseCm108Option, "/dev/hidraw1", "CM108 GPIO 3 on /dev/hidraw1"},
      {ParseCm108Option, "/dev/hidraw1:4", "CM108 GPIO 4 on /dev/hidraw1"},
      {ParseCm108Option, "/dev/hidraw1:8", "CM108 GPIO 8 on /dev/hidraw1"},
      {ParseCm108Option, "/dev/hidraw1:9", ""},
      {ParseCm108Option, "/dev/hidraw1:0", ""},
      {ParseCm108Option, ":3", ""},
      {ParseRigOption, "1035:/dev/ttyUSB0", "CAT: Hamlib model 1035 on /dev/ttyUSB0"},
      {ParseRigOption, "1035:/dev/ttyUSB0:9600", "CAT: Hamlib model 1035 on /dev/ttyUSB0 at 9600 baud"},
      {ParseRigOption, "1035", ""},
      {ParseRigOption, "x:/dev/ttyUSB0", ""},
      {ParseRigOption, "1035:/dev/ttyUSB0:fast", ""},
      {ParseRigOption, "1035::9600", ""},
      {ParseRigctldOption, "localhost:4532", "rigctld at localhost:4532"},
      {ParseRigctldOption, "::1:4532", "rigctld at ::1:4532"},
      {ParseRigctldOption, "localhost", ""},
      {ParseRigctldOption, "localhost:70000", ""},
      {ParseRigctldOption, ":4532", ""},
      {ParsePttLineOption, "dtr", "DTR of PTT Comm"},
      {ParsePttLineOption, "rts", "RTS of PTT Comm"},
      {ParsePttLineOption, "DTR", ""},
  };
  for (const auto& c : cases) {
    PttChoice choice;
    const auto error = c.parse(c.value, choice);
    EXPECT_EQ(!error, std::string(c.described) != "") << c.value;
    if (!error) {
      EXPECT_EQ(DescribePtt(choice), c.described) << c.value;
    }
  }
  PttChoice inverted;
  inverted.invert = true;
  EXPECT_EQ(DescribePtt(inverted), "RTS of PTT Comm, inverted");
  EXPECT_TRUE(PttChoice{}.usesPttPort());
  EXPECT_EQ(PttMethodName(PttChoice{}), "rts") << "the board tool's own PTT is the default";
}

TEST(PttChoice, MethodNamesRoundTrip) {
  const std::pair<const char*, bool> methods[] = {
      {"rts", true}, {"dtr", true}, {"cm108", false}, {"cat", false}, {"rigctld", false}};
  for (const auto& [name, usesPort] : methods) {
    PttChoice choice;
    ASSERT_TRUE(SetPttMethodByName(name, choice)) << name;
    EXPECT_EQ(PttMethodName(choice), name);
    EXPECT_EQ(choice.usesPttPort(), usesPort) << name;
  }
  PttChoice choice;
  EXPECT_FALSE(SetPttMethodByName("vox", choice));
}

TEST(PttChoice, Cm108ReportSetsOnePinAsOutput) {
  const std::tuple<int, bool, Cm108Report> cases[] = {
      {3, true, {0x00, 0x00, 0x04, 0x04, 0x00}}, {3, false, {0x00, 0x00, 0x00, 0x04, 0x00}},
      {1, true, {0x00, 0x00, 0x01, 0x01, 0x00}}, {8, true, {0x00, 0x00, 0x80, 0x80, 0x00}},
      {0, true, {0x00, 0x00, 0x04, 0x04, 0x00}},  // out of range: the usual pin, never a wild shift
  };
  for (const auto& [gpio, keyed, report] : cases) EXPECT_EQ(Cm108PttReport(gpio, keyed), report) << gpio << keyed;
}

}  // namespace
}  // namespace tonalis
