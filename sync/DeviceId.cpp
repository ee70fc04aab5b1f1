// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/DeviceId.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"

#include <cerrno>
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

}  // namespace

bool DeviceId::IsValid(const std::string& text) {
    if (text.size() != kLength) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

bool DeviceId::LoadOrCreate(FileSystem& files, const std::string& dataDir, std::string& id,
                            std::string& notice, std::string& error,
                            const std::function<uint64_t()>& random) {
    notice.clear();
    error.clear();
    const std::string path = dataDir + "/" + kFileName;
    std::string bytes;
    const int readError = files.ReadFile(path, bytes);
    if (readError == 0 && IsValid(Trimmed(bytes))) {
        id = Trimmed(bytes);
        return true;
    }
    if (readError != 0 && readError != ENOENT) {
        error = FileError{path, readError}.Describe();
        return false;
    }
    const std::string made = MakeId(random);
    FileError writeError;
    if (!ReplaceFiles(files, {{path, made + "\n"}}, writeError)) {
        error = writeError.Describe();
        return false;
    }
    if (readError == 0) {
        notice = path + ": held no device id (\"" + Escaped(bytes.substr(0, 40)) +
                 "\"); this computer now syncs as the new device " + made;
    }
    id = made;
    return true;
}
