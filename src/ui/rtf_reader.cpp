// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rtf_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <vector>

namespace tonalis {
namespace {

// Windows-1252 for 0x80..0x9F, where it differs from ISO 8859-1.
constexpr char32_t kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

char32_t FromCp1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b; }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string Escape(char32_t c) {
  switch (c) {
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '&':
      return "&amp;";
    case '"':
      return "&quot;";
    case 0xA0:
      return "&nbsp;";
    default: {
      std::string s;
      AppendUtf8(s, c);
      return s;
    }
  }
}

struct Colour {
  int r = 0, g = 0, b = 0;
  bool automatic = true;
};

// Character formatting, as a group carries it.
struct CharState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;
  int font = -1;
  int colour = 0;
  int unicodeSkip = 1;
  bool operator==(const CharState& o) const {
    return bold == o.bold && italic == o.italic && underline == o.underline && halfPoints == o.halfPoints &&
           font == o.font && colour == o.colour;
  }
};

enum class Destination { Text, Skip, FontTable, ColourTable };

struct Group {
  CharState chars;
  Destination destination = Destination::Text;
};

// Destinations whose content is not text to show.
bool IsSkippedDestination(const std::string& word) {
  static const char* const kSkipped[] = {"stylesheet",   "info",       "pict",       "object",    "header",
                                         "footer",       "headerl",    "headerr",    "headerf",   "footerl",
                                         "footerr",      "footerf",    "fldinst",    "listtable", "listoverridetable",
                                         "rsidtbl",      "generator",  "xmlnstbl",   "themedata", "colorschememapping",
                                         "latentstyles", "datastore",  "filetbl",    "revtbl",    "author",
                                         "operator",     "title",      "subject",    "keywords",  "comment",
                                         "doccomm",      "template",   "nonshppict", "bkmkstart", "bkmkend",
                                         "footnote",     "annotation", "atnid",      "atnauthor"};
  for (const char* skipped : kSkipped)
    if (word == skipped) return true;
  return false;
}

class Converter {
 public:
  explicit Converter(std::string_view rtf) : in_(rtf) {}

  RtfConversion run() {
    std::size_t start = 0;
    while (start < in_.size() && (in_[start] == ' ' || in_[start] == '\r' || in_[start] == '\n' || in_[start] == '\t'))
      ++start;
    if (in_.substr(start, 5) != "{\\rtf") return fail("This file is not a rich-text (RTF) document.");
    pos_ = start;
    while (pos_ < in_.size()) {
      const char c = in_[pos_];
      if (c == '{') {
        ++pos_;
        if (stack_.size() >= kMaxDepth) return fail("The document nests its groups too deeply.");
        stack_.push_back(stack_.empty() ? Group{} : stack_.back());
        if (stack_.back().destination == Destination::FontTable) fontName_.clear();
      } else if (c == '}') {
        ++pos_;
        if (stack_.empty()) return fail("The document closes a group it never opened.");
        const Group closed = stack_.back();
        stack_.pop_back();
        if (closed.destination == Destination::FontTable) finishFontName();
        if (stack_.empty()) {
          ended_ = true;
          break;
        }
      } else if (c == '\\') {
        if (!controlWord()) return fail(error_);
      } else if (c == '\r' || c == '\n') {
        ++pos_;
      } else {
        ++pos_;
        character(static_cast<unsigned char>(c));
      }
    }
    if (!ended_) return fail("The document ends before its last group is closed: it is incomplete.");
    endParagraph(true);
    RtfConversion result;
    result.html = "<html><body>" + body_ + "</body></html>";
    return result;
  }

 private:
  static constexpr std::size_t kMaxDepth = 200;

  RtfConversion fail(const std::string& why) {
    RtfConversion r;
    r.error = why;
    return r;
  }

  Group& top() { return stack_.back(); }

  bool controlWord() {
    ++pos_;  // the backslash
    if (pos_ >= in_.size()) {
      error_ = "The document ends in the middle of a control word.";
      return false;
    }
    const char c = in_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      switch (c) {
        case '\\':
        case '{':
        case '}':
          character(static_cast<unsigned char>(c));
          break;
        case '~':
          text(0xA0);
          break;
        case '_':
          text(0x2011);
          break;
        case '-':
          break;
        case '*':
          if (!stack_.empty()) top().destination = Destination::Skip;
          break;
        case '\r':
        case '\n':
          paragraph();
          break;
        case '\'': {
          if (pos_ + 2 > in_.size()) {
            error_ = "The document ends in the middle of a character.";
            return false;
          }
          const int hi = HexValue(in_[pos_]);
          const int lo = HexValue(in_[pos_ + 1]);
          pos_ += 2;
          if (hi >= 0 && lo >= 0) character(static_cast<unsigned char>(hi * 16 + lo), true);
          break;
        }
        default:
          break;
      }
      return true;
    }
    std::string word;
    while (pos_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[pos_])) && word.size() < 32)
      word += in_[pos_++];
    bool hasParam = false;
    long param = 0;
    bool negative = false;
    if (pos_ < in_.size() && in_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    int digits = 0;
    while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
      if (digits++ < 10) param = param * 10 + (in_[pos_] - '0');
      hasParam = true;
      ++pos_;
    }
    if (negative) param = -param;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    if (stack_.empty()) return true;
    apply(word, hasParam, param);
    return true;
  }

  static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  void apply(const std::string& w, bool hasParam, long p) {
    CharState& s = top().chars;
    const bool on = !hasParam || p != 0;
    if (w == "bin") {
      pos_ += static_cast<std::size_t>(std::max(0L, std::min(p, static_cast<long>(in_.size() - pos_))));
    } else if (w == "fonttbl") {
      top().destination = Destination::FontTable;
    } else if (w == "colortbl") {
      top().destination = Destination::ColourTable;
      colours_.clear();
      colours_.push_back({});
    } else if (IsSkippedDestination(w)) {
      top().destination = Destination::Skip;
    } else if (top().destination == Destination::FontTable) {
      if (w == "f") currentFont_ = static_cast<int>(p);
    } else if (top().destination == Destination::ColourTable) {
      Colour& c = colours_.back();
      if (w == "red") c.r = static_cast<int>(p), c.automatic = false;
      if (w == "green") c.g = static_cast<int>(p), c.automatic = false;
      if (w == "blue") c.b = static_cast<int>(p), c.automatic = false;
    } else if (top().destination == Destination::Skip) {
      // Nothing in a skipped destination changes what is shown.
    } else if (w == "par" || w == "sect" || w == "page") {
      paragraph();
    } else if (w == "line") {
      text('\n');
    } else if (w == "tab") {
      text('\t');
    } else if (w == "cell" || w == "nestcell") {
      text('\t');
    } else if (w == "row" || w == "nestrow") {
      paragraph();
    } else if (w == "pard") {
      align_ = "left";
    } else if (w == "qc") {
      align_ = "center";
    } else if (w == "qr") {
      align_ = "right";
    } else if (w == "qj") {
      align_ = "justify";
    } else if (w == "ql") {
      align_ = "left";
    } else if (w == "plain") {
      const int skip = s.unicodeSkip;
      s = CharState{};
      s.unicodeSkip = skip;
    } else if (w == "b") {
      s.bold = on;
    } else if (w == "i") {
      s.italic = on;
    } else if (w == "ul") {
      s.underline = on;
    } else if (w == "ulnone") {
      s.underline = false;
    } else if (w == "fs") {
      if (p > 0 && p < 2000) s.halfPoints = static_cast<int>(p);
    } else if (w == "f") {
      s.font = static_cast<int>(p);
    } else if (w == "cf") {
      s.colour = static_cast<int>(p);
    } else if (w == "uc") {
      if (p >= 0 && p < 10) s.unicodeSkip = static_cast<int>(p);
    } else if (w == "u") {
      const auto code = static_cast<char32_t>(p < 0 ? p + 65536 : p) & 0xFFFF;
      if (code >= 0xD800 && code <= 0xDBFF) {
        highSurrogate_ = code;
      } else if (code >= 0xDC00 && code <= 0xDFFF) {
        if (highSurrogate_) text(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (code - 0xDC00));
        highSurrogate_ = 0;
      } else {
        text(code);
      }
      skipFallback(s.unicodeSkip);
    } else if (w == "emdash") {
      text(0x2014);
    } else if (w == "endash") {
      text(0x2013);
    } else if (w == "bullet") {
      text(0x2022);
    } else if (w == "lquote") {
      text(0x2018);
    } else if (w == "rquote") {
      text(0x2019);
    } else if (w == "ldblquote") {
      text(0x201C);
    } else if (w == "rdblquote") {
      text(0x201D);
    }
  }

  // The characters that stand in for a \uN character in readers without Unicode.
  void skipFallback(int count) {
    for (int i = 0; i < count && pos_ < in_.size(); ++i) {
      if (in_[pos_] == '\\' && pos_ + 1 < in_.size() && in_[pos_ + 1] == '\'') {
        pos_ += 4;
      } else if (in_[pos_] == '{' || in_[pos_] == '}' || in_[pos_] == '\\') {
        break;
      } else {
        ++pos_;
      }
    }
    if (pos_ > in_.size()) pos_ = in_.size();
  }

  void character(unsigned char b, bool codePage = false) {
    if (stack_.empty()) return;
    if (top().destination == Destination::FontTable) {
      if (b == ';') {
        fontName_ += ';';
        finishFontName();
      } else {
        AppendUtf8(fontName_, codePage ? FromCp1252(b) : b);
      }
      return;
    }
    if (top().destination == Destination::ColourTable) {
      if (b == ';') colours_.push_back({});
      return;
    }
    text(codePage ? FromCp1252(b) : b);
  }

  void finishFontName() {
    std::string name = fontName_;
    const auto semi = name.find(';');
    if (semi != std::string::npos) name.resize(semi);
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    if (!name.empty() && currentFont_ >= 0) fonts_[currentFont_] = name;
    fontName_.clear();
  }

  void text(char32_t c) {
    if (stack_.empty() || top().destination != Destination::Text) return;
    if (c == 0) return;
    const CharState& s = top().chars;
    if (!runOpen_ || !(s == runState_)) {
      closeRun();
      runState_ = s;
      runOpen_ = true;
      paragraph_ += "<span style=\"" + style(s) + "\">";
    }
    if (c == '\n') {
      paragraph_ += "<br/>";
    } else if (c == '\t') {
      paragraph_ += "&nbsp;&nbsp;&nbsp;&nbsp;";
    } else {
      paragraph_ += Escape(c);
    }
  }

  std::string style(const CharState& s) const {
    std::string css = "font-size:" + std::to_string(s.halfPoints / 2) + (s.halfPoints % 2 ? ".5" : "") + "pt;";
    if (s.bold) css += "font-weight:bold;";
    if (s.italic) css += "font-style:italic;";
    if (s.underline) css += "text-decoration:underline;";
    if (const auto f = fonts_.find(s.font); f != fonts_.end()) {
      std::string family;
      for (char ch : f->second)
        if (ch != '"' && ch != '<' && ch != '>' && ch != '&') family += ch;
      css += "font-family:'" + family + "';";
    }
    if (s.colour > 0 && static_cast<std::size_t>(s.colour) < colours_.size() && !colours_[s.colour].automatic) {
      const Colour& c = colours_[s.colour];
      css += "color:rgb(" + std::to_string(c.r & 255) + "," + std::to_string(c.g & 255) + "," +
             std::to_string(c.b & 255) + ");";
    }
    return css;
  }

  void closeRun() {
    if (runOpen_) paragraph_ += "</span>";
    runOpen_ = false;
  }

  void paragraph() {
    if (stack_.empty() || top().destination != Destination::Text) return;
    endParagraph(false);
  }

  void endParagraph(bool last) {
    closeRun();
    if (last && paragraph_.empty()) return;
    body_ += "<p style=\"margin-top:0;margin-bottom:6px;text-align:" + align_ + ";\">" +
             (paragraph_.empty() ? "&nbsp;" : paragraph_) + "</p>";
    paragraph_.clear();
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<Group> stack_;
  bool ended_ = false;
  std::string error_;
  std::map<int, std::string> fonts_;
  int currentFont_ = -1;
  std::string fontName_;
  std::vector<Colour> colours_{Colour{}};
  std::string align_ = "left";
  std::string body_;
  std::string paragraph_;
  bool runOpen_ = false;
  CharState runState_;
  char32_t highSurrogate_ = 0;
};

}  // namespace

RtfConversion RtfToHtml(std::string_view rtf) { return Converter(rtf).run(); }

}  // namespace tonalis
