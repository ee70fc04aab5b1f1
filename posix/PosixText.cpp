// SPDX-License-Identifier: GPL-2.0-or-later
#include "posix/PosixText.h"

#include <locale.h>
#include <wctype.h>

namespace PosixText {

char32_t Lower(char32_t c) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    if (!utf8) return c;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8));
}

}  // namespace PosixText
