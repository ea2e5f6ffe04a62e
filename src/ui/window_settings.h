// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

#include "storage/settings_file.h"
#include "ui/form_layout.h"

namespace tonalis {

// The window's record in the settings file, and back: where it stands (on a
// screen that is there), its page, the Send Sequence fields and the ports.
void ShowSettings(const AppSettings& settings, QWidget* window, const FormControls& c);
AppSettings SettingsOf(const QWidget* window, const FormControls& c, const std::string& configPath);

}  // namespace tonalis
