#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The display settings in force: the stored fonts and colours (DisplaySettings, which also
// knows their file's layout), loaded from and saved to list/GUISetting.cfg. Copied by value
// to the side dialogs.

#include "engine/AtomicFile.h"
#include "engine/DisplaySettings.h"
#include "engine/FileSystem.h"

#include <cstdint>

class CQuibConfigData : public DisplaySettings {
public:
    CQuibConfigData() = default;
    CQuibConfigData(const CQuibConfigData&) = default;
    CQuibConfigData& operator=(const CQuibConfigData&) = default;
    virtual ~CQuibConfigData() = default;

    // Reads the file into the record: 1 on success; 0, with the record unchanged, when the
    // file cannot be read or is shorter than kFileSize. Bytes past kFileSize are ignored.
    int32_t Load(FileSystem& files = DefaultFileSystem());
    // Replaces the file whole: 1 on success, 0 when it cannot be written (the old file stays).
    int32_t Save(FileSystem& files = DefaultFileSystem()) const;
    // The same, saying in `error` why it could not be written.
    int32_t Save(FileSystem& files, FileError& error) const;
};
