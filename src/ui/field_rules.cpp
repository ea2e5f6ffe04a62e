// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/field_rules.h"

namespace tonalis {
namespace {

int Upper(int code) { return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code; }
bool IsDigit(int code) { return code >= '0' && code <= '9'; }
bool IsDtmf(int code) { return IsDigit(code) || code == '*' || code == '#' || (code >= 'A' && code <= 'D'); }

}  // namespace

int FilterDigitKey(int code) { return IsDigit(code) || code == kBackspace ? code : 0; }

int FilterDecimalKey(int code) {
  // A decimal comma (Italian and most of Europe) is the file's point, never dropped: "11,5" is not 115.
  if (code == ',') return '.';
  return IsDigit(code) || code == '.' || code == kBackspace ? code : 0;
}

int FilterCallSignKey(int code) {
  code = Upper(code);
  return (code >= 48 && code <= 90) || code == ' ' || code == kBackspace ? code : 0;
}

int FilterDtmfKey(int code) {
  code = Upper(code);
  return IsDtmf(code) || code == kBackspace || code == kCopy ? code : 0;
}

int FilterSequenceKey(int code) { return FilterDtmfKey(code); }

int FilterChecksumKey(int code) { return code == kCopy ? 0 : FilterDtmfKey(code); }

int FilterNewSequenceKey(int code, char checksumId) {
  code = FilterDtmfKey(code);
  return checksumId != '\0' && code == static_cast<unsigned char>(checksumId) ? 0 : code;
}

}  // namespace tonalis
