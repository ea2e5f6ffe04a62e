// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/port_map.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>

#include "support/test_files.h"

namespace tonalis {
namespace {

TEST(PortMap, PortNumbers) {
  const std::pair<const char*, std::optional<int>> cases[] = {{"1", 1},
                                                              {"16", 16},
                                                              {"07", 7},
                                                              {"1.5", 2},
                                                              {"2.5", 2},
                                                              {"15.5", 16},
                                                              {"16.4", std::nullopt},
                                                              {"0", std::nullopt},
                                                              {"17", std::nullopt},
                                                              {"", std::nullopt},
                                                              {"x", std::nullopt},
                                                              {"1x", std::nullopt},
                                                              {"16.5", std::nullopt},
                                                              {"0.6", std::nullopt}};
  for (const auto& [text, number] : cases) EXPECT_EQ(PortNumberFromText(text), number) << '"' << text << '"';
}

TEST(PortMap, FileMapsNumbersToDevices) {
  std::istringstream in(
      "\xEF\xBB\xBF# radio interfaces\r\n"
      "COM3=/dev/ttyUSB0\r\n"
      "  com4 = /dev/serial/by-id/usb-FTDI_FT232R-if00-port0  \n"
      "\n"
      "; old adapter\n"
      "COM17=/dev/ttyUSB9\n"
      "COM5\n"
      "LPT1=/dev/lp0\n"
      "COM3=/dev/ttyACM0\n"
      "COM6=/dev/ttyUSB1 # the radio\n"
      "COM7=\n"
      "COM2=/dev/ttyUSB2\n"
      "COM8=/home/op/My Radio/board port\n"
      "COM9=\"/home/op/a #b\" ; quoted\n"
      "COM10=\"/dev/x\" more\n"
      "COM11=\"/dev/x\n"
      "COM12=/dev/ttyUSB4\n"
      "COM12=\"/dev/ttyUSB5\n"
      "COM13=/dev/ttyUSB6\t# after a tab\n");
  const PortMap map = ParsePortMap(in);
  EXPECT_EQ(DeviceForPort(3, map), "/dev/ttyACM0");
  EXPECT_EQ(DeviceForPort(4, map), "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
#ifdef _WIN32
  EXPECT_EQ(DeviceForPort(1, map), "\\\\.\\COM1");
  EXPECT_EQ(DeviceForPort(16, map), "\\\\.\\COM16") << "COM10 and above only through the device namespace";
#else
  EXPECT_EQ(DeviceForPort(1, map), "/dev/ttyS0");
  EXPECT_EQ(DeviceForPort(16, map), "/dev/ttyS15");
#endif
  EXPECT_EQ(DeviceForPort(2, map), "/dev/ttyUSB2");
  EXPECT_EQ(DeviceForPort(6, map), "/dev/ttyUSB1") << "a comment after the path";
  EXPECT_EQ(DeviceForPort(8, map), "/home/op/My Radio/board port") << "spaces in a path";
  EXPECT_EQ(DeviceForPort(9, map), "/home/op/a #b");
  EXPECT_EQ(DeviceForPort(13, map), "/dev/ttyUSB6") << "a comment after a tab";
  // A port whose line cannot be read is not opened, never another device in its place.
  for (int unreadable : {7, 10, 11, 12}) EXPECT_EQ(DeviceForPort(unreadable, map), "") << unreadable;
  EXPECT_EQ(map.refused.at(7), "line 11: no device after '='");
  EXPECT_EQ(map.problemText(),
            "line 6: COM17=/dev/ttyUSB9 (the port number must be 1 to 16)\n"
            "line 7: COM5 (not of the form COMn=device)\n"
            "line 8: LPT1=/dev/lp0 (not of the form COMn=device)\n"
            "line 11: COM7= (no device after '=')\n"
            "line 15: COM10=\"/dev/x\" more (text after the quoted device path)\n"
            "line 16: COM11=\"/dev/x (a quote that is not closed)\n"
            "line 18: COM12=\"/dev/ttyUSB5 (a quote that is not closed)\n");

  // A byte-order mark on a first line that is a port.
  std::istringstream bom("\xEF\xBB\xBF" "COM1=/dev/ttyUSB0\n");
  const PortMap withBom = ParsePortMap(bom);
  EXPECT_EQ(DeviceForPort(1, withBom), "/dev/ttyUSB0");
  EXPECT_TRUE(withBom.problems.empty());
}

#ifndef _WIN32
// ports.ini is read as every settings file is: what cannot be one is refused at once.
TEST(PortMap, OnlyASmallOrdinaryFileIsRead) {
  testing::TempDir dir;
  struct Case {
    const char* name;
    std::function<void(const std::string& file)> make;
    const char* said;  // empty: read
  };
  const Case cases[] = {
      {"missing", [](const std::string&) {}, ""},
      {"a map", [](const std::string& f) { testing::WriteAll(f, "COM3=/dev/ttyUSB0\n"); }, ""},
      {"a FIFO", [](const std::string& f) { ::mkfifo(f.c_str(), 0600); }, "is a pipe (FIFO)"},
      {"a link to /dev/zero", [](const std::string& f) { std::filesystem::create_symlink("/dev/zero", f); }, "is a device"},
      {"a large file", [](const std::string& f) { testing::WriteAll(f, std::string(1 << 20, 'x')); }, "too large"},
  };
  for (const auto& c : cases) {
    const std::string folder = dir.file(std::to_string(&c - cases));
    std::filesystem::create_directories(folder);
    c.make(folder + "/ports.ini");
    PortMap map;
    map.devices[1] = "stale";
    const auto before = std::chrono::steady_clock::now();
    const auto problem = ReadPortsIni(folder, map);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1)) << c.name;
    EXPECT_EQ(problem.has_value(), *c.said != 0) << c.name << ": " << problem.value_or("");
    if (problem) {
      EXPECT_NE(problem->find(c.said), std::string::npos) << *problem;
    }
    EXPECT_EQ(map.devices.count(1), 0u) << c.name;
    EXPECT_EQ(map.devices.count(3), std::string(c.name) == "a map" ? 1u : 0u) << c.name;
  }
}
#endif

TEST(PortMap, ChoosingAPortKeepsTheRestOfTheFile) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const Case cases[] = {
      {"empty file", "", "COM3=/dev/serial/by-id/x\n"},
      {"appended after comments",
       "# radio\nCOM1=/dev/ttyUSB0\n",
       "# radio\nCOM1=/dev/ttyUSB0\nCOM3=/dev/serial/by-id/x\n"},
      {"no final line break", "COM1=/dev/ttyUSB0", "COM1=/dev/ttyUSB0\nCOM3=/dev/serial/by-id/x\n"},
      {"replaced in place, CR LF kept",
       "; mine\r\ncom3 = /dev/ttyUSB7\r\nCOM4=/dev/ttyS3\r\n",
       "; mine\r\nCOM3=/dev/serial/by-id/x\r\nCOM4=/dev/ttyS3\r\n"},
      {"later lines for the port dropped, bad lines kept",
       "COM3=/dev/a\nCOM33=/dev/b\nCOM3=/dev/c\n",
       "COM3=/dev/serial/by-id/x\nCOM33=/dev/b\n"},
      {"byte-order mark kept", "\xEF\xBB\xBF" "COM3=/dev/a\n", "\xEF\xBB\xBF" "COM3=/dev/serial/by-id/x\n"},
  };
  for (const auto& c : cases) {
    const std::string after = SetPortInMap(c.before, 3, "/dev/serial/by-id/x");
    EXPECT_EQ(after, c.after) << c.name;
    std::istringstream in(after);
    EXPECT_EQ(DeviceForPort(3, ParsePortMap(in)), "/dev/serial/by-id/x") << c.name;
  }
  // A path with a space is quoted, and reads back whole.
  const std::string spaced = SetPortInMap("", 1, "/home/op/my checkout/build/board-sim-port");
  EXPECT_EQ(spaced, "COM1=\"/home/op/my checkout/build/board-sim-port\"\n");
  std::istringstream in(spaced);
  EXPECT_EQ(DeviceForPort(1, ParsePortMap(in)), "/home/op/my checkout/build/board-sim-port");
}

}  // namespace
}  // namespace tonalis
