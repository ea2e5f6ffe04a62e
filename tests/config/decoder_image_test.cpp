// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/decoder_image.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

#include "config/text_value.h"
#include "support/examples.h"

namespace tonalis {
namespace {

using testing::WorkedExample;

DecoderImage FromHex(const std::string& hex) {
  std::istringstream in(hex);
  DecoderImage image{};
  for (auto& b : image) {
    unsigned v = 0;
    in >> std::hex >> v;
    b = static_cast<std::uint8_t>(v);
  }
  return image;
}

const char* kWorkedExampleHex =
    "81 0C 3C 0A 73 8A FF FF 01 01 80 FF FF FF FF FF "
    "FF FF 01 0A 80 FF FF FF FF FF FF FF 80 FF FF FF "
    "FF FF FF FF FF FF 80 FF FF FF FF FF FF FF FF FF "
    "80 FF FF FF FF FF FF FF FF FF 80 FF FF FF FF FF "
    "FF FF FF FF 80 FF FF FF FF FF FF FF FF FF 80 FF "
    "FF FF FF FF FF FF FF FF 80 FF FF FF FF FF FF FF "
    "FF FF 80 FF FF FF FF FF FF FF FF FF 80 FF FF FF "
    "FF FF FF FF FF FF 80 FF FF FF FF FF FF FF FF FF "
    "80 FF FF FF FF FF FF FF FF FF 80 FF FF FF FF FF "
    "FF FF FF FF 80 FF FF FF FF FF FF FF FF FF 80 FF "
    "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF "
    "01 02 03 04 80 FF FF FF FF 41 42 43 00 FF FF FF";

std::vector<std::uint8_t> Bytes(const DecoderImage& image, std::size_t from, std::size_t count) {
  return {image.begin() + static_cast<long>(from), image.begin() + static_cast<long>(from + count)};
}

TEST(Encode, WorkedExampleIsByteExact) {
  const EncodeResult r = ValidateAndEncode(WorkedExample());
  ASSERT_TRUE(r.ok()) << r.refusal->text;
  EXPECT_EQ(r.image, FromHex(kWorkedExampleHex));
}

TEST(Encode, ChecksInTheirFixedOrderWithTheirMessages) {
  struct Case {
    const char* name;
    std::function<void(DecoderConfig&)> change;
    const char* message;
  };
  const Case cases[] = {
      {"no checksum id", [](DecoderConfig& c) { c.txtCrcTag = ""; }, "Checksum ID empty."},
      {"both ids empty", [](DecoderConfig& c) { c.txtCrcTag = "", c.txtSeqCmd = ""; }, "Checksum ID empty."},
      {"speed 13", [](DecoderConfig& c) { c.txtMorseSpeed = "13"; }, "Please insert a valid Morse Speed"},
      {"speed 151", [](DecoderConfig& c) { c.txtMorseSpeed = "151"; }, "Please insert a valid Morse Speed"},
      {"speed empty", [](DecoderConfig& c) { c.txtMorseSpeed = ""; }, "Please insert a valid Morse Speed"},
      {"timer 0", [](DecoderConfig& c) { c.txtTmr2 = "0"; }, "Please insert a valid Output 2 Timer Interval"},
      {"timer 256", [](DecoderConfig& c) { c.txtTmr2 = "256"; }, "Please insert a valid Output 2 Timer Interval"},
      {"equal levels", [](DecoderConfig& c) { c.txtBlo = "12", c.txtBhi = "12"; },
       "Battery High Level must be grater than Low level"},
      {"ordering before range", [](DecoderConfig& c) { c.txtBlo = "30", c.txtBhi = "5"; },
       "Battery High Level must be grater than Low level"},
      {"low above range", [](DecoderConfig& c) { c.txtBlo = "25.45", c.txtBhi = "25.5"; },
       "Please insert a valid Low Battery Voltage"},
      {"high too low", [](DecoderConfig& c) { c.txtBlo = "0", c.txtBhi = "0.05"; },
       "Please insert a valid High Battery Voltage"},
      {"high above range", [](DecoderConfig& c) { c.txtBhi = "25.6"; }, "Please insert a valid High Battery Voltage"},
      {"twins 2 and 5", [](DecoderConfig& c) { c.txtMem[5] = "99", c.txtMem[2] = "99"; },
       "Command #2 is equal to Command #5"},
      {"triplets", [](DecoderConfig& c) { c.txtMem[3] = c.txtMem[7] = c.txtMem[9] = "4"; },
       "Command #3 is equal to Command #7"},
      {"twins 3 and 15", [](DecoderConfig& c) { c.txtMem[15] = "77", c.txtMem[3] = "77"; },
       "Command #3 is equal to Command #15"},
      {"no modifier", [](DecoderConfig& c) { c.txtSeqCmd = ""; }, "Modifier ID is empty"},
      // Too large for a double: out of range, not read as 0.
      {"speed of 400 digits", [](DecoderConfig& c) { c.txtMorseSpeed = std::string(400, '9'); },
       "Please insert a valid Morse Speed"},
      {"timer of 400 digits", [](DecoderConfig& c) { c.txtTmr2 = std::string(400, '9'); },
       "Please insert a valid Output 2 Timer Interval"},
      {"high of 400 digits", [](DecoderConfig& c) { c.txtBhi = std::string(400, '9'); },
       "Please insert a valid High Battery Voltage"},
      {"everything wrong", [](DecoderConfig& c) { c = DecoderConfig{}; }, "Checksum ID empty."},
  };
  for (const auto& tc : cases) {
    DecoderConfig c = WorkedExample();
    tc.change(c);
    const EncodeResult r = ValidateAndEncode(c);
    ASSERT_FALSE(r.ok()) << tc.name;
    EXPECT_EQ(r.refusal->title, "Warning") << tc.name;
    EXPECT_EQ(r.refusal->text, tc.message) << tc.name;
  }
}

TEST(Encode, ImpossibleTextsAreRefusedNamingTheField) {
  struct Case {
    std::function<void(DecoderConfig&)> change;
    const char* expectedStart;
  };
  const Case cases[] = {
      {[](DecoderConfig& c) { c.txtCrcTag = "12"; }, "Checksum ID must be one DTMF digit"},
      {[](DecoderConfig& c) { c.txtCrcTag = "a"; }, "Checksum ID must be one DTMF digit"},
      {[](DecoderConfig& c) { c.txtMorseSpeed = "20x"; }, "Morse Speed \"20x\" is not a number."},
      {[](DecoderConfig& c) { c.txtTmr2 = "10s"; }, "Output 2 Timer Interval \"10s\" is not a number."},
      {[](DecoderConfig& c) { c.txtMem[4] = "12345678901"; }, "Command #4 is too long: 11 digits, at most 10"},
      {[](DecoderConfig& c) { c.txtMem[15] = "12a"; }, "Command #15 contains \"a\", which is not a DTMF digit"},
      {[](DecoderConfig& c) { c.txtMem[0] = "1\t2"; }, "Command #0 contains the control character 9"},
      {[](DecoderConfig& c) { c.txtMem[0] = "1\xC3\xA9"; }, "Command #0 contains \"\xC3\xA9\""},
      {[](DecoderConfig& c) { c.txtSeqCmd = "123456789"; }, "Modifier ID is too long: 9 digits, at most 8"},
      {[](DecoderConfig& c) { c.txtSeqCmd = "12 3"; }, "Modifier ID contains \" \""},
      {[](DecoderConfig& c) { c.txtCallID = "ABCDEFG"; }, "CW Call is too long: 7 characters, at most 6"},
      {[](DecoderConfig& c) { c.txtCallID = "ab"; }, "CW Call contains \"a\", which the decoder cannot send"},
      {[](DecoderConfig& c) { c.txtCallID = std::string(7, '\0'); }, "CW Call contains the control character 0"},
      {[](DecoderConfig& c) { c.txtCallID = "\xC3\xBF\xC3\xBF"; }, "CW Call contains \"\xC3\xBF\""},
  };
  for (const auto& tc : cases) {
    DecoderConfig c = WorkedExample();
    tc.change(c);
    const EncodeResult r = ValidateAndEncode(c);
    ASSERT_FALSE(r.ok()) << tc.expectedStart;
    EXPECT_EQ(r.refusal->title, "Warning");
    EXPECT_EQ(r.refusal->text.rfind(tc.expectedStart, 0), 0u) << r.refusal->text;
  }
}

TEST(Encode, FieldBytes) {
  struct Case {
    const char* name;
    std::function<void(DecoderConfig&)> change;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"outputs 1+4, CW",
       [](DecoderConfig& c) {
         c.chkOutput = {1, 0, 0, 1}, c.chkMorse = 1, c.chkBCheck = 0;
       },
       0,
       {0x89}},
      {"everything on",
       [](DecoderConfig& c) {
         c.chkOutput = {1, 1, 1, 1}, c.chkMorse = 1, c.chkBCheck = 1;
       },
       0,
       {0x9F}},
      {"nothing set",
       [](DecoderConfig& c) {
         c.chkOutput = {0, 0, 0, 0}, c.chkMorse = 0, c.chkBCheck = 0;
       },
       0,
       {0x00}},
      {"checksum D", [](DecoderConfig& c) { c.txtCrcTag = "D"; }, 1, {0x00}},
      {"checksum 0", [](DecoderConfig& c) { c.txtCrcTag = "0"; }, 1, {0x0A}},
      {"speed 14", [](DecoderConfig& c) { c.txtMorseSpeed = "14"; }, 2, {85}},
      {"speed 15", [](DecoderConfig& c) { c.txtMorseSpeed = "15"; }, 2, {79}},
      {"speed 28", [](DecoderConfig& c) { c.txtMorseSpeed = "28"; }, 2, {42}},
      {"speed 68", [](DecoderConfig& c) { c.txtMorseSpeed = "68"; }, 2, {18}},
      {"speed 140", [](DecoderConfig& c) { c.txtMorseSpeed = "140"; }, 2, {8}},
      {"speed 150", [](DecoderConfig& c) { c.txtMorseSpeed = "150"; }, 2, {8}},
      {"timer 1", [](DecoderConfig& c) { c.txtTmr2 = "1"; }, 3, {0x01}},
      {"timer 255", [](DecoderConfig& c) { c.txtTmr2 = "255"; }, 3, {0xFF}},
      {"timer 007", [](DecoderConfig& c) { c.txtTmr2 = "007"; }, 3, {7}},
      {"levels at the top", [](DecoderConfig& c) { c.txtBlo = "25.4", c.txtBhi = "25.5"; }, 4, {254, 255}},
      {"low 0", [](DecoderConfig& c) { c.txtBlo = "0"; }, 4, {0}},
      {"low 0.05 rounds to even", [](DecoderConfig& c) { c.txtBlo = "0.05"; }, 4, {0}},
      {"low .5", [](DecoderConfig& c) { c.txtBlo = ".5"; }, 4, {5}},
      {"low rounded, not cut", [](DecoderConfig& c) { c.txtBlo = "11.56"; }, 4, {116}},
      {"high at its minimum", [](DecoderConfig& c) { c.txtBlo = "0", c.txtBhi = "0.1"; }, 4, {0, 1}},
      {"ten digits in the last command",
       [](DecoderConfig& c) { c.txtMem[15] = "1234567890"; },
       158,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A}},
      {"command 0",
       [](DecoderConfig& c) { c.txtMem[0] = "1234"; },
       8,
       {1, 2, 3, 4, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"command 1 every code",
       [](DecoderConfig& c) { c.txtMem[1] = "0*#ABCD"; },
       18,
       {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x00, 0x80, 0xFF, 0xFF}},
      {"ten digits, no end mark",
       [](DecoderConfig& c) { c.txtMem[2] = "1234567890"; },
       28,
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A, 0x80}},
      {"empty command 15",
       [](DecoderConfig& c) { c.txtMem[15] = ""; },
       158,
       {0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"modifier of 8", [](DecoderConfig& c) { c.txtSeqCmd = "12345678"; }, 176, {1, 2, 3, 4, 5, 6, 7, 8, 0x80}},
      {"modifier of 1",
       [](DecoderConfig& c) { c.txtSeqCmd = "9"; },
       176,
       {9, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"call of 6", [](DecoderConfig& c) { c.txtCallID = "IZ1 @?"; }, 185, {'I', 'Z', '1', ' ', '@', '?', 0x00}},
      {"empty call", [](DecoderConfig& c) { c.txtCallID = ""; }, 185, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& tc : cases) {
    DecoderConfig c = WorkedExample();
    tc.change(c);
    const EncodeResult r = ValidateAndEncode(c);
    ASSERT_TRUE(r.ok()) << tc.name << ": " << r.refusal->text;
    EXPECT_EQ(Bytes(r.image, tc.offset, tc.bytes.size()), tc.bytes) << tc.name;
    EXPECT_EQ(Bytes(r.image, 6, 2), std::vector<std::uint8_t>(2, 0xFF)) << tc.name;
    EXPECT_EQ(Bytes(r.image, 168, 8), std::vector<std::uint8_t>(8, 0xFF)) << tc.name;
  }
}

TEST(Decode, FieldsFromBytes) {
  DecoderImage image = FromHex(kWorkedExampleHex);
  auto decodeWith = [&](std::size_t offset, std::vector<std::uint8_t> bytes) {
    DecoderImage copy = image;
    std::copy(bytes.begin(), bytes.end(), copy.begin() + static_cast<long>(offset));
    return DecodeImage(copy);
  };

  DecoderConfig c = decodeWith(0, {0x89});
  EXPECT_EQ(c.chkOutput, (std::array<int, 4>{1, 0, 0, 1}));
  EXPECT_EQ(c.chkMorse, 1);
  EXPECT_EQ(c.chkBCheck, 0);
  c = decodeWith(0, {0x60});
  EXPECT_EQ(c.chkOutput, (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(c.chkMorse + c.chkBCheck, 0);

  const std::pair<std::uint8_t, const char*> checksum[] = {{0x0C, "#"}, {0x00, "D"}, {0x0A, "0"}, {0xFF, ""}, {16, ""}};
  for (const auto& [b, text] : checksum) EXPECT_EQ(decodeWith(1, {b}).txtCrcTag, text) << int(b);

  const std::pair<std::uint8_t, const char*> speeds[] = {{85, "14"},  {60, "20"}, {42, "28"}, {8, "149"},
                                                         {0xFF, "5"}, {12, "99"}, {31, "38"}, {0, ""}};
  for (const auto& [b, text] : speeds) EXPECT_EQ(decodeWith(2, {b}).txtMorseSpeed, text) << int(b);

  EXPECT_EQ(decodeWith(3, {0}).txtTmr2, "0");
  EXPECT_EQ(decodeWith(3, {255}).txtTmr2, "255");
  c = decodeWith(4, {0, 255});
  EXPECT_EQ(c.txtBlo, "0.0");
  EXPECT_EQ(c.txtBhi, "25.5");

  const std::pair<std::vector<std::uint8_t>, const char*> commands[] = {
      {{1, 2, 3, 4, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "1234"},
      {{0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x00, 0x80, 0xFF, 0xFF}, "0*#ABCD"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A}, "1234567890"},
      {{0x80, 1, 2, 3, 4, 5, 6, 7, 8, 9}, ""},
      {{1, 0xFF, 2, 0x80, 3, 3, 3, 3, 3, 3}, "12"},
      {{1, 0x5A, 0x10, 2, 0x80, 0, 0, 0, 0, 0}, "12"},
  };
  for (const auto& [bytes, text] : commands) {
    EXPECT_EQ(decodeWith(8, bytes).txtMem[0], text);
    EXPECT_EQ(decodeWith(158, bytes).txtMem[15], text);
  }
  // The command after a full slot starts at its own offset.
  EXPECT_EQ(decodeWith(8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0x0A}).txtMem[1], "10");

  EXPECT_EQ(decodeWith(176, {1, 2, 3, 4, 5, 6, 7, 8, 0x80}).txtSeqCmd, "12345678");
  EXPECT_EQ(decodeWith(176, {1, 2, 3, 4, 5, 6, 7, 8, 9}).txtSeqCmd, "12345678");
  EXPECT_EQ(decodeWith(176, std::vector<std::uint8_t>(9, 0xFF)).txtSeqCmd, "");

  EXPECT_EQ(decodeWith(185, {0x41, 0x42, 0x43, 0x00, 0xFF, 0xFF, 0xFF}).txtCallID, "ABC");
  EXPECT_EQ(decodeWith(185, {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47}).txtCallID, "ABCDEFG");
  // A board never programmed holds 0xFF: seven characters, shown as ISO 8859-1.
  EXPECT_EQ(decodeWith(185, std::vector<std::uint8_t>(7, 0xFF)).txtCallID,
            "\xC3\xBF\xC3\xBF\xC3\xBF\xC3\xBF\xC3\xBF\xC3\xBF\xC3\xBF");
  EXPECT_EQ(decodeWith(185, {0x41, 0x0A, 0x85, 0x00}).txtCallID, "A\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Decode, WorkedExampleGivesBackItsConfiguration) {
  EXPECT_EQ(DecodeImage(FromHex(kWorkedExampleHex)), WorkedExample());
}

TEST(Decode, MorseSpeedRoundTrip) {
  // 48 of the speeds 14..150 survive programming and reading back.
  int unchanged = 0;
  for (int wpm = 14; wpm <= 150; ++wpm) {
    DecoderConfig c = WorkedExample();
    c.txtMorseSpeed = std::to_string(wpm);
    const EncodeResult r = ValidateAndEncode(c);
    ASSERT_TRUE(r.ok());
    if (DecodeImage(r.image).txtMorseSpeed == c.txtMorseSpeed) ++unchanged;
  }
  EXPECT_EQ(unchanged, 48);
  for (const auto& [typed, read] : {std::pair{"150", "149"}, {"100", "99"}, {"39", "38"}, {"85", "85"}}) {
    DecoderConfig c = WorkedExample();
    c.txtMorseSpeed = typed;
    EXPECT_EQ(DecodeImage(ValidateAndEncode(c).image).txtMorseSpeed, read);
  }
}

TEST(Decode, EncodeThenDecodeKeepsTheTexts) {
  DecoderConfig c = WorkedExample();
  c.chkOutput = {0, 1, 1, 0};
  c.chkBCheck = 1;
  c.txtMem = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "*", "#", "A", "B", "C", "1234567890"};
  c.txtSeqCmd = "DDDDDDDD";
  c.txtCrcTag = "D";
  c.txtCallID = "IZ1:;<";
  c.txtBlo = "0.5";
  c.txtBhi = "25.5";
  const EncodeResult r = ValidateAndEncode(c);
  ASSERT_TRUE(r.ok()) << r.refusal->text;
  EXPECT_EQ(DecodeImage(r.image), c);
}

TEST(Decode, AnyImageGivesTextsWithinTheirFields) {
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 2000; ++round) {
    DecoderImage image{};
    for (auto& b : image) b = static_cast<std::uint8_t>(byte(rng));
    const DecoderConfig c = DecodeImage(image);
    for (const auto& command : c.txtMem) EXPECT_LE(command.size(), 10u);
    EXPECT_LE(c.txtSeqCmd.size(), 8u);
    EXPECT_LE(CodePointCount(c.txtCallID), 7u);
    EXPECT_TRUE(IsValidUtf8(c.txtCallID));
    EXPECT_LE(c.txtCrcTag.size(), 1u);
    // Whatever was read, encoding it again either refuses or succeeds; it never misbehaves.
    (void)ValidateAndEncode(c);
  }
}

}  // namespace
}  // namespace tonalis
