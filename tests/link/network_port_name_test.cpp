// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/network_port_name.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

TEST(NetworkPortName, TheFormsASiteWritesAndTheRestRefused) {
  using Kind = NetworkPortName::Kind;
  struct Row {
    const char* name;
    std::optional<Kind> kind;
    const char* host;
    int port;
  } rows[] = {
      {"rfc2217://site-pi.lan:2001", Kind::Rfc2217, "site-pi.lan", 2001},
      {"RFC2217://127.0.0.1:2001/", Kind::Rfc2217, "127.0.0.1", 2001},
      {"socket://[::1]:3000", Kind::Raw, "::1", 3000},
      {"socket://[fe80::1:2]:65535", Kind::Raw, "fe80::1:2", 65535},
      {"rfc2217://::1:2001", std::nullopt, "", 0},          // IPv6 needs its brackets
      {"rfc2217://site-pi.lan", std::nullopt, "", 0},       // no port
      {"rfc2217://site-pi.lan:0", std::nullopt, "", 0},
      {"rfc2217://site-pi.lan:65536", std::nullopt, "", 0},
      {"rfc2217://site-pi.lan:20x1", std::nullopt, "", 0},
      {"rfc2217://:2001", std::nullopt, "", 0},
      {"rfc2217://-pi.lan:2001", std::nullopt, "", 0},
      {"rfc2217://si te:2001", std::nullopt, "", 0},
      {"telnet://site:23", std::nullopt, "", 0},
      {"/dev/ttyUSB0", std::nullopt, "", 0},
  };
  for (const Row& row : rows) {
    std::string why;
    const auto parsed = ParseNetworkPortName(row.name, &why);
    ASSERT_EQ(parsed.has_value(), row.kind.has_value()) << row.name << ": " << why;
    if (!parsed) {
      EXPECT_EQ(why.rfind(std::string(row.name) + " is not a network port: write rfc2217://HOST:PORT", 0), 0u) << why;
      continue;
    }
    EXPECT_EQ(parsed->kind, *row.kind) << row.name;
    EXPECT_EQ(parsed->host, row.host) << row.name;
    EXPECT_EQ(parsed->port, row.port) << row.name;
  }
  EXPECT_TRUE(NamesNetworkPort("Socket://x:1"));
  EXPECT_FALSE(NamesNetworkPort("COM7"));
  EXPECT_FALSE(NamesNetworkPort("/dev/rfc2217"));
}

}  // namespace
}  // namespace tonalis
