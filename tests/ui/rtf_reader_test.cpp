// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rtf_reader.h"

#include <gtest/gtest.h>

#include <random>

namespace tonalis {
namespace {

bool Has(const std::string& html, const std::string& part) { return html.find(part) != std::string::npos; }

TEST(RtfReader, Formatting) {
  struct Case {
    const char* name;
    std::string rtf;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const Case cases[] = {
      {"plain text", "{\\rtf1 Hello}", {">Hello</span>"}, {}},
      {"bold, italic, underline",
       "{\\rtf1 a\\b b\\b0 \\i c\\i0 \\ul d\\ulnone e}",
       {"font-weight:bold;\">b<", "font-style:italic;\">c<", "text-decoration:underline;\">d<"},
       {}},
      {"groups keep their formatting", "{\\rtf1 {\\b bold}plain}", {"font-weight:bold;\">bold<", "pt;\">plain<"}, {}},
      {"font size in half points",
       "{\\rtf1\\fs36 big\\fs21 odd}",
       {"font-size:18pt;\">big", "font-size:10.5pt;\">odd"},
       {}},
      {"font table",
       "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fmodern Courier New;}}\\f1 mono}",
       {"font-family:'Courier New';\">mono"},
       {"Arial;"}},
      {"font names outside ASCII",
       "{\\rtf1{\\fonttbl{\\f0 Caf\\'e9\x9d;}}\\f0 x}",
       {"font-family:'Caf\xC3\xA9\xC2\x9D';"},
       {}},
      {"font table without groups",
       "{\\rtf1{\\fonttbl\\f0 Arial;\\f1 Times;}\\f1 x}",
       {"font-family:'Times';\">x"},
       {}},
      {"colours",
       "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\\cf2 green\\cf0 auto}",
       {"color:rgb(0,128,0);\">green", "pt;\">auto"},
       {}},
      {"paragraphs and alignment",
       "{\\rtf1\\qc centred\\par\\pard left\\par}",
       {"text-align:center;\"><span", "text-align:left;\"><span"},
       {}},
      {"code page characters", "{\\rtf1\\ansi caf\\'e9 \\'80}", {"caf\xC3\xA9 \xE2\x82\xAC"}, {}},
      {"unicode with its fallback",
       "{\\rtf1\\uc1 \\u8364?uro \\u-10179?\\u-8704?}",
       {"\xE2\x82\xACuro", "\xF0\x9F\x98\x80"},
       {"?"}},
      {"escaped symbols", "{\\rtf1 \\{a\\} \\\\ <b> & \\~x}", {"{a} \\ &lt;b&gt; &amp; &nbsp;x"}, {"<b>"}},
      {"skipped destinations",
       "{\\rtf1{\\*\\generator Riched;}{\\info{\\title Secret}}{\\stylesheet{x}}shown}",
       {"shown"},
       {"Riched", "Secret"}},
      {"fields show their result",
       "{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}",
       {">link<"},
       {"HYPERLINK"}},
      {"tables become lines",
       "{\\rtf1\\trowd a\\cell b\\cell\\row c\\cell\\row}",
       {">a&nbsp;&nbsp;&nbsp;&nbsp;b&nbsp;", ">c&nbsp;"},
       {}},
      {"binary data is skipped", "{\\rtf1{\\pict\\bin4 {}\\\\}after}", {">after<"}, {}},
      {"unknown words are skipped", "{\\rtf1\\frobnicate42 \\sa120 text}", {">text<"}, {"frobnicate"}},
  };
  for (const auto& c : cases) {
    const RtfConversion r = RtfToHtml(c.rtf);
    ASSERT_EQ(r.error, "") << c.name;
    for (const auto& part : c.present) EXPECT_TRUE(Has(r.html, part)) << c.name << ": " << part << "\n" << r.html;
    for (const auto& part : c.absent) EXPECT_FALSE(Has(r.html, part)) << c.name << ": " << part << "\n" << r.html;
  }
}

TEST(RtfReader, RefusesWhatIsNotRtfOrIsDamaged) {
  const std::pair<std::string, const char*> cases[] = {
      {"", "This file is not a rich-text (RTF) document."},
      {"Hello world", "This file is not a rich-text (RTF) document."},
      {"\x89PNG\r\n", "This file is not a rich-text (RTF) document."},
      {"{\\rtf1 unfinished", "The document ends before its last group is closed: it is incomplete."},
      {"{\\rtf1 {\\b open}", "The document ends before its last group is closed: it is incomplete."},
      {"{\\rtf1 x\\", "The document ends in the middle of a control word."},
      {"{\\rtf1 x\\'e", "The document ends in the middle of a character."},
      {"{\\rtf1 " + std::string(500, '{') + std::string(500, '}') + "}", "The document nests its groups too deeply."},
  };
  for (const auto& [rtf, error] : cases) {
    const RtfConversion r = RtfToHtml(rtf);
    EXPECT_EQ(r.error, error) << rtf.substr(0, 40);
    EXPECT_EQ(r.html, "");
  }
}

TEST(RtfReader, AnyBytesGiveTextOrAnError) {
  std::mt19937 rng(7);
  const std::string alphabet = "{}\\'abcdefuxbinpar0123456789- ;\r\n\xE9\xFF";
  for (int round = 0; round < 3000; ++round) {
    std::string rtf = "{\\rtf1 ";
    const int length = static_cast<int>(rng() % 200);
    for (int i = 0; i < length; ++i) rtf += alphabet[rng() % alphabet.size()];
    const RtfConversion r = RtfToHtml(rtf);
    EXPECT_NE(r.html.empty(), r.error.empty());
  }
}

}  // namespace
}  // namespace tonalis
