// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tonalis {

// Key rules of the input fields: each takes one typed character code and
// returns the code to enter (possibly upper-cased) or 0 to drop the key.
// Keys that type no character (arrows, Delete, function keys) never get here.
inline constexpr int kBackspace = 8;
inline constexpr int kCopy = 3;  // Ctrl+C
inline constexpr int kReturn = 13;

int FilterDigitKey(int code);     // 0-9 and Backspace
int FilterDecimalKey(int code);   // 0-9, '.' (a ',' enters '.') and Backspace
int FilterCallSignKey(int code);  // upper-cased; 0-9 : ; < = > ? @ A-Z, space, Backspace
int FilterDtmfKey(int code);      // upper-cased; 0-9 * # A-D, Backspace, Ctrl+C

// The sequence to send: as FilterDtmfKey, but Return sends (it is dropped
// here and reported by the caller).
int FilterSequenceKey(int code);

// The Checksum ID: as FilterDtmfKey without Ctrl+C.
int FilterChecksumKey(int code);

// The new command of a replacement: as FilterDtmfKey, and never the
// Checksum ID digit.
int FilterNewSequenceKey(int code, char checksumId);

}  // namespace tonalis
