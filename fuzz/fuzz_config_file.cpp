// SPDX-License-Identifier: GPL-3.0-or-later
// Any file through the configuration file reader.
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "config/text_value.h"
#include "storage/config_file.h"
#include "storage/item_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const tonalis::ConfigFileLoad load = tonalis::ParseConfigFile(in);
  if (load.groupsRead < 0 || load.groupsRead > tonalis::kConfigGroupCount) std::abort();
  if (load.ok() != (load.groupsRead == tonalis::kConfigGroupCount)) std::abort();
  if (!load.ok() && load.error.empty()) std::abort();
  if (!load.ok()) return 0;

  const tonalis::DecoderConfig& c = load.content.config;
  for (int state : c.chkOutput)
    if (state != 0 && state != 1) std::abort();
  if ((c.chkMorse != 0 && c.chkMorse != 1) || (c.chkBCheck != 0 && c.chkBCheck != 1)) std::abort();
  for (const std::string* text : {&c.txtSeqCmd, &c.txtCrcTag, &c.txtCallID, &c.txtBlo, &c.txtBhi})
    if (!tonalis::IsValidUtf8(*text)) std::abort();

  // What was read is written back and read again unchanged.
  std::istringstream again(tonalis::FormatConfigFile(load.content));
  const tonalis::ConfigFileLoad reread = tonalis::ParseConfigFile(again);
  bool storable = tonalis::IsStorableText(load.content.txtPrgComm);
  for (const std::string& command : c.txtMem) storable = storable && tonalis::IsStorableText(command);
  for (const std::string* text :
       {&c.txtSeqCmd, &c.txtCrcTag, &c.txtCallID, &c.txtMorseSpeed, &c.txtTmr2, &c.txtBlo, &c.txtBhi})
    storable = storable && tonalis::IsStorableText(*text);
  if (storable && (!reread.ok() || reread.content.config != c)) std::abort();
  return 0;
}
