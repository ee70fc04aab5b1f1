// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/DeviceId.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "sync/SyncTexts.h"

#include <cerrno>
#include <filesystem>
#include <random>

namespace {

std::string MakeId(const std::function<uint64_t()>& random) {
    uint64_t bits = 0;
    if (random) {
        bits = random();
    } else {
        std::random_device device;
        bits = (uint64_t{device()} << 32) ^ device();
    }
    static const char kHex[] = "0123456789abcdef";
    std::string id(DeviceId::kLength, '0');
    for (size_t i = 0; i < DeviceId::kLength; ++i) id[i] = kHex[(bits >> (4 * i)) & 0xf];
    return id;
}

// The file's id without its line end, or the whole text when it holds none.
std::string Trimmed(const std::string& bytes) {
    std::string text = bytes;
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty() && text.back() == '\r') text.pop_back();
    return text;
}

std::string FirstLine(const std::string& bytes) {
    return Trimmed(bytes.substr(0, bytes.find('\n') + 1));
}

}  // namespace

std::string DeviceId::PlaceOf(FileSystem& files, const std::string& dataDir) {
    std::string machine;
    if (files.ReadFile("/etc/machine-id", machine) != 0 || FirstLine(machine).empty())
        files.ReadFile("/proc/sys/kernel/hostname", machine);
    std::error_code ignored;
    const std::filesystem::path path = std::filesystem::absolute(dataDir, ignored);
    return FirstLine(machine) + "\t" + path.lexically_normal().string();
}

bool DeviceId::IsValid(const std::string& text) {
    if (text.size() != kLength) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

bool DeviceId::LoadOrCreate(FileSystem& files, const std::string& dataDir, std::string& id,
                            std::string& notice, std::string& error,
                            const std::function<uint64_t()>& random, const std::string& place) {
    notice.clear();
    error.clear();
    const std::string path = dataDir + "/" + kFileName;
    const std::string placePath = dataDir + "/" + kPlaceFileName;
    const std::string here = place.empty() ? PlaceOf(files, dataDir) : place;
    std::string bytes, placeBytes;
    const int readError = files.ReadFile(path, bytes);
    if (readError != 0 && readError != ENOENT) {
        error = FileError{path, readError}.Describe();
        return false;
    }
    const bool hasId = readError == 0 && IsValid(Trimmed(bytes));
    const int placeError = files.ReadFile(placePath, placeBytes);
    const std::string madeAt = Trimmed(placeBytes);
    if (hasId && placeError == 0 && madeAt == here) {
        id = Trimmed(bytes);
        return true;
    }
    // A place that cannot be read says nothing either way; the id stands.
    if (hasId && placeError != 0 && placeError != ENOENT) {
        id = Trimmed(bytes);
        return true;
    }
    const bool isCopy = hasId && placeError == 0;
    const std::string made = hasId && !isCopy ? Trimmed(bytes) : MakeId(random);
    std::vector<FileImage> images = {{placePath, here + "\n"}};
    if (made != Trimmed(bytes) || !hasId) images.insert(images.begin(), {path, made + "\n"});
    FileError writeError;
    if (!ReplaceFiles(files, images, writeError)) {
        error = writeError.Describe();
        return false;
    }
    if (readError == 0 && !hasId) {
        notice = path + SyncTexts::Said(SyncTexts::kNoDeviceId) + Escaped(bytes.substr(0, 40)) +
                 SyncTexts::Said(SyncTexts::kNowNewDevice) + made;
    } else if (isCopy) {
        notice = path + SyncTexts::Said(SyncTexts::kMadeAt) + Escaped(madeAt) +
                 SyncTexts::Said(SyncTexts::kCopiedFrom) + made +
                 SyncTexts::Said(SyncTexts::kNotFromTwoPlaces);
    }
    id = made;
    return true;
}
