// SPDX-License-Identifier: GPL-2.0-or-later
// A button bitmap of any bytes loads, or counts as missing, without harm; what loads has the
// size the button asked for.

#include "platform/BitmapLoader.h"
#include "tests/fuzz/FuzzPictureApp.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    StartPictureApp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile("list/Yes.bmp", std::string_view(reinterpret_cast<const char*>(data), size));
    const QPixmap bitmap = LoadBitmapFile("list/Yes.bmp", 55, 45);
    if (!bitmap.isNull() && bitmap.size() != QSize(55, 45)) std::abort();
    return 0;
}
