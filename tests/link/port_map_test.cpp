#include "link/port_map.h"

#include <gtest/gtest.h>

#include <sstream>

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
      "# radio interfaces\r\n"
      "COM3=/dev/ttyUSB0\r\n"
      "  com4 = /dev/serial/by-id/usb-FTDI_FT232R-if00-port0  \n"
      "\n"
      "; old adapter\n"
      "COM17=/dev/ttyUSB9\n"
      "COM5\n"
      "LPT1=/dev/lp0\n"
      "COM3=/dev/ttyACM0\n");
  const PortMap map = ParsePortMap(in);
  EXPECT_EQ(DeviceForPort(3, map), "/dev/ttyACM0");
  EXPECT_EQ(DeviceForPort(4, map), "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
  EXPECT_EQ(DeviceForPort(1, map), "/dev/ttyS0");
  EXPECT_EQ(DeviceForPort(16, map), "/dev/ttyS15");
  EXPECT_EQ(map.problems, "line 6: COM17=/dev/ttyUSB9\nline 7: COM5\nline 8: LPT1=/dev/lp0\n");
}

}  // namespace
}  // namespace tonalis
