# SPDX-License-Identifier: GPL-3.0-or-later
# The core library's tests, on every platform (paths from tests/).
set(TONALIS_CORE_TEST_SOURCES
  config/digits_test.cpp
  config/text_value_test.cpp
  config/decoder_image_test.cpp
  remote/replacement_test.cpp
  storage/item_reader_test.cpp
  storage/config_file_test.cpp
  storage/atomic_file_test.cpp
  storage/atomic_file_${TONALIS_PLATFORM}_test.cpp
  storage/recent_files_test.cpp
  storage/settings_file_test.cpp
  link/protocol_test.cpp
  link/port_map_test.cpp
  link/telnet_codec_test.cpp
  link/network_port_name_test.cpp
  site/sites_file_test.cpp
  sim/board_air_test.cpp
  sim/board_sim_test.cpp
  sim/radio_channel_test.cpp
  station/ptt_choice_test.cpp
  history/history_test.cpp
  journal/journal_test.cpp
  i18n/text_test.cpp
  listen/dtmf_decoder_test.cpp
  listen/dtmf_measure_test.cpp
  listen/transmission_check_test.cpp
  listen/morse_decoder_test.cpp
  tone/morse_test.cpp
  tone/synthesis_test.cpp
  tone/send_fields_test.cpp
  ui/field_rules_test.cpp
  ui/rtf_reader_test.cpp
)
if(NOT WIN32)
  list(APPEND TONALIS_CORE_TEST_SOURCES history/history_processes_posix_test.cpp journal/journal_processes_posix_test.cpp tone/synthesis_posix_test.cpp)
endif()
