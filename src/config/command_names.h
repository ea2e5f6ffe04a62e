// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "config/decoder_config.h"
#include "i18n/text.h"

namespace tonalis {

// What command `index` (0-15) does, as its label names it ("Output 1 ON",
// "Send Status"); empty for another index. In the language of `tx`.
std::string CommandName(int index, Translate tx = Untranslated);
// Its label: "0: Output 1 ON".
std::string CommandLabel(int index, Translate tx = Untranslated);

// The command a user names: its number (0-15), its name whole, or a part of
// exactly one name, in any case ("output 1 on", "status"). Nothing, with the
// reason in `error`, otherwise.
std::optional<int> FindCommand(const std::string& text, std::string* error = nullptr);

}  // namespace tonalis
