#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The name this data folder's journal goes by in a sync folder: random, made once, kept in a
// file of the data folder and read back unchanged afterwards, so that no two computers ever
// write the same journal, whatever their clocks or host names. Beside it lies where the id was
// made (the machine and the folder's path): a data folder copied to a second computer, or
// beside the first, would otherwise write the first one's journal from two places.

#include "engine/FileSystem.h"

#include <cstdint>
#include <functional>
#include <string>

class DeviceId {
public:
    // 48 random bits as 12 lower-case hex digits: two of a handful of computers share one with
    // a chance below 1 in 10^13, and every journal line carries it, so it stays short.
    static constexpr size_t kLength = 12;
    static constexpr const char* kFileName = "device-id.txt";
    // "MACHINE<TAB>PATH\n": /etc/machine-id (else the host name) and the data folder's
    // absolute path. A separate file, so that device-id.txt reads as it always has.
    static constexpr const char* kPlaceFileName = "device-place.txt";

    // The id kept in `dataDir`, made (with `random`, or the system's random device when empty)
    // and written atomically when there is none. A file that holds no id is replaced by a new
    // one and `notice` says so; it stays empty otherwise. On false `error` names the file and
    // the reason, and nothing was written: a file that cannot be read is not replaced, as the
    // id it may hold names this computer's journal in every sync folder.
    // An id made in another place than `place` (PlaceOf when empty) is replaced by a new one
    // too, once, and `notice` says so; an id kept before places were noted takes this place.
    static bool LoadOrCreate(FileSystem& files, const std::string& dataDir, std::string& id,
                             std::string& notice, std::string& error,
                             const std::function<uint64_t()>& random = {},
                             const std::string& place = {});

    // Where `dataDir` is, as kPlaceFileName holds it (without the line end).
    static std::string PlaceOf(FileSystem& files, const std::string& dataDir);

    // Whether `text` is an id: exactly kLength lower-case hex digits.
    static bool IsValid(const std::string& text);
};
