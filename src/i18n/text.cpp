// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/text.h"

#include <atomic>

namespace tonalis {
namespace {
std::atomic<Translate> gMessageTranslation{Untranslated};
}  // namespace

void SetMessageTranslation(Translate tx) { gMessageTranslation = tx ? tx : Untranslated; }

std::string Message(const char* text) { return gMessageTranslation.load()(text); }

}  // namespace tonalis
