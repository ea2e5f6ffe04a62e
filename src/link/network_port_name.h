// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "i18n/text.h"

namespace tonalis {

// A serial port at the far end of a network link, by name:
//   rfc2217://HOST:PORT   telnet with the COM port option (the line set by us)
//   socket://HOST:PORT    the bytes as they are (the server fixes the line)
// HOST a name, an IPv4 address or an IPv6 one in brackets ([::1]).
struct NetworkPortName {
  enum class Kind { Rfc2217, Raw };
  Kind kind = Kind::Raw;
  std::string host;  // without brackets
  std::uint16_t port = 0;
};

// Whether `name` is meant as a network port (its scheme says so, in any case).
bool NamesNetworkPort(const std::string& name);
// Its parts; nothing, with the reason in `why`, for a name that is not one.
std::optional<NetworkPortName> ParseNetworkPortName(const std::string& name, std::string* why,
                                                   Translate tx = Untranslated);

}  // namespace tonalis
