// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace tonalis {

// A rich-text (RTF) document as HTML for the help viewer: paragraphs and
// their alignment, bold, italic, underline, font sizes and families,
// colours, \'hh and \uN characters; tables become lines with their cells
// side by side. Unknown control words and destinations are skipped.
struct RtfConversion {
  std::string html;   // UTF-8; empty when the document could not be read
  std::string error;  // why not, for the reader
};

RtfConversion RtfToHtml(std::string_view rtf);

}  // namespace tonalis
