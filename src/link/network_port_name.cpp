// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/network_port_name.h"

#include <algorithm>
#include <cctype>

namespace tonalis {
namespace {

constexpr const char* kNotNetworkPort = TONALIS_TEXT(
    "%1 is not a network port: write rfc2217://HOST:PORT or socket://HOST:PORT (an IPv6 address in brackets, "
    "[::1]), PORT from 1 to 65535.");

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char wanted, char c) { return std::tolower(static_cast<unsigned char>(c)) == wanted; });
}

// Letters, digits and '-' between dots, each label neither starting nor ending with '-'.
bool IsHostName(const std::string& host) {
  if (host.empty() || host.size() > 253) return false;
  std::size_t start = 0;
  while (start <= host.size()) {
    const std::size_t end = std::min(host.find('.', start), host.size());
    const std::string label = host.substr(start, end - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
    if (!std::all_of(label.begin(), label.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }))
      return false;
    start = end + 1;
  }
  return true;
}

bool IsIpv6(const std::string& host) {
  return std::count(host.begin(), host.end(), ':') >= 2 && host.size() <= 45 &&
         std::all_of(host.begin(), host.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.'; });
}

}  // namespace

bool NamesNetworkPort(const std::string& name) {
  return StartsWith(name, "rfc2217://") || StartsWith(name, "socket://");
}

std::optional<NetworkPortName> ParseNetworkPortName(const std::string& name, std::string* why, Translate tx) {
  auto refuse = [&]() -> std::optional<NetworkPortName> {
    if (why) *why = Fill(tx(kNotNetworkPort), {name});
    return std::nullopt;
  };
  NetworkPortName parsed;
  std::string rest;
  if (StartsWith(name, "rfc2217://")) {
    parsed.kind = NetworkPortName::Kind::Rfc2217;
    rest = name.substr(10);
  } else if (StartsWith(name, "socket://")) {
    rest = name.substr(9);
  } else {
    return refuse();
  }
  if (!rest.empty() && rest.back() == '/') rest.pop_back();
  const std::size_t colon = rest.rfind(':');
  if (colon == std::string::npos) return refuse();
  std::string host = rest.substr(0, colon);
  const std::string port = rest.substr(colon + 1);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
    if (!IsIpv6(host)) return refuse();
  } else if (!IsHostName(host)) {
    return refuse();  // an IPv6 address without its brackets, or no host at all
  }
  const bool digits = std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (port.empty() || port.size() > 5 || !digits) return refuse();
  const long number = std::stol(port);
  if (number < 1 || number > 65535) return refuse();
  parsed.host = host;
  parsed.port = static_cast<std::uint16_t>(number);
  return parsed;
}

}  // namespace tonalis
