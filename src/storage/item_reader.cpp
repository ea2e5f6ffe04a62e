// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/item_reader.h"

#include "i18n/text.h"

#include "config/text_value.h"

namespace tonalis {
namespace {

class Reader {
 public:
  explicit Reader(std::istream& in) : in_(in) {}

  int peek() { return in_.peek(); }
  int get() {
    const int c = in_.get();
    if (c == '\n' || (c == '\r' && in_.peek() != '\n')) ++line_;
    return c;
  }
  int line() const { return line_ + 1; }
  bool failed() const { return in_.bad(); }

  // Consumes a line end if one is next: CR LF, LF or a lone CR.
  bool takeLineEnd() {
    if (peek() == '\r') {
      get();
      if (peek() == '\n') get();
      return true;
    }
    if (peek() == '\n') {
      get();
      return true;
    }
    return false;
  }

 private:
  std::istream& in_;
  int line_ = 0;
};

bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }

constexpr const char* kItem = TONALIS_TEXT("item %1");  // at namespace scope, for lupdate
std::string ItemName(std::size_t index) { return Fill(Message(kItem), {std::to_string(index + 1)}); }

}  // namespace

ItemReadResult ReadItems(std::istream& in, std::size_t count) {
  ItemReadResult result;
  Reader r(in);
  // True right after a comma: an item follows even if the file ends there.
  bool afterComma = false;

  while (result.items.size() < count) {
    const std::size_t index = result.items.size();
    if (r.peek() == std::char_traits<char>::eof() && !afterComma) {
      result.error = r.failed() ? Message(TONALIS_TEXT("The file could not be read."))
                                : Fill(Message(TONALIS_TEXT("The file ends early: %1 of %2 is missing.")),
                                       {ItemName(index), std::to_string(count)});
      return result;
    }

    FileItem item;
    item.line = r.line();
    // Everything this item consumes counts, skipped spaces and stray text included.
    std::size_t consumed = 0;
    auto take = [&]() {
      ++consumed;
      return r.get();
    };
    auto tooLong = [&] {
      result.error =
          Fill(Message(TONALIS_TEXT("%1 on line %2 is too long.")), {ItemName(index), std::to_string(item.line)});
      return result;
    };
    auto atDelimiter = [&] {
      const int c = r.peek();
      return c == std::char_traits<char>::eof() || c == ',' || IsLineEnd(c);
    };

    while (r.peek() == ' ') {
      if (consumed >= kMaxItemLength) return tooLong();
      take();
    }

    std::string raw;
    if (r.peek() == '"') {
      item.quoted = true;
      take();
      for (;;) {
        const int c = r.peek();
        if (c == std::char_traits<char>::eof() || IsLineEnd(c)) {
          result.error = Fill(Message(TONALIS_TEXT("Line %1: the closing quote of %2 is missing.")),
                              {std::to_string(item.line), ItemName(index)});
          return result;
        }
        if (consumed >= kMaxItemLength) return tooLong();
        take();
        if (c == '"') break;
        raw.push_back(static_cast<char>(c));
      }
      // Anything between the closing quote and the delimiter is not part of the item.
      while (!atDelimiter()) {
        if (consumed >= kMaxItemLength) return tooLong();
        take();
      }
    } else {
      while (!atDelimiter()) {
        if (consumed >= kMaxItemLength) return tooLong();
        raw.push_back(static_cast<char>(take()));
      }
      while (!raw.empty() && raw.back() == ' ') raw.pop_back();
    }
    // Files from other tools may be in ISO 8859-1 rather than UTF-8.
    item.text = IsValidUtf8(raw) ? std::move(raw) : Latin1ToUtf8(raw);

    afterComma = false;
    if (r.peek() == ',') {
      r.get();
      afterComma = true;
    } else {
      r.takeLineEnd();
    }
    result.items.push_back(std::move(item));
  }
  return result;
}

bool IsStorableText(const std::string& text) { return text.find_first_of("\"\r\n") == std::string::npos; }

std::string QuoteItem(const std::string& text) { return "\"" + text + "\""; }

std::string JoinItemLine(const std::vector<std::string>& items) {
  std::string line;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) line += ',';
    line += items[i];
  }
  return line + "\r\n";
}

}  // namespace tonalis
