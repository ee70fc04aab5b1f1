// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/QuibConfigData.h"

#include <string>

int32_t CQuibConfigData::Load(FileSystem& files) {
    std::string bytes;
    // A short file would leave fields half read; it counts as no file at all.
    if (!ReadWholeFile(files, kFileName, bytes) || bytes.size() < kFileSize) return 0;
    Decode(bytes);
    return 1;
}

int32_t CQuibConfigData::Save(FileSystem& files) const {
    FileError error;
    return Save(files, error);
}

int32_t CQuibConfigData::Save(FileSystem& files, FileError& error) const {
    return ReplaceFiles(files, {{kFileName, Encode()}}, error) ? 1 : 0;
}
