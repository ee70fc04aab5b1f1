#include "engine/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

// A rename only needs a writable directory, so a file its owner made read-only would be
// replaced anyway; it is left alone instead, as an in-place write would have to.
bool ExistsButIsNotWritable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file) {
        std::fclose(file);
        return false;
    }
    return errno != ENOENT;
}

// The temporary file and the rename, once the target is known to be missing or writable.
bool ReplaceFile(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp";
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temp, path, ec);
        ok = !ec;
    }
    if (!ok) std::filesystem::remove(temp, ec);
    return ok;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return !ExistsButIsNotWritable(path) && ReplaceFile(path, bytes);
}

bool OverwriteFixedSizeFile(const std::string& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (file) {
        // Unbuffered, so the record goes to the file in one write.
        std::setvbuf(file, nullptr, _IONBF, 0);
        bool ok = std::fseek(file, 0, SEEK_END) == 0 &&
                  std::ftell(file) == static_cast<long>(bytes.size()) &&
                  std::fseek(file, 0, SEEK_SET) == 0 &&
                  std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        ok = std::fclose(file) == 0 && ok;
        if (ok) return true;
    } else if (errno != ENOENT) {
        return false;
    }
    return ReplaceFile(path, bytes);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}
