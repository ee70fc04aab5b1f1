#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Looks at a picture or recording before it comes into a list: a picture must be one Qt's
// image readers read, of a size that fits in the memory a picture may take (a small file
// that claims to be 100,000 pixels square is a decompression bomb); a recording must begin
// as a sound file does. What is refused gets a note naming it.

#include <string>

class QIODevice;

namespace MediaCheck {

// The most memory a picture of a card may take once decoded.
constexpr int kMaxPictureMegabytes = 256;

// `device` is open for reading; `extension` says which kind it is (MediaKind).
bool IsAcceptable(QIODevice& device, const std::string& extension, const std::string& what,
                  std::string& note);

}  // namespace MediaCheck
