// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// errno once a call has failed; some failures of the C library leave it at 0.
int LastError() { return errno != 0 ? errno : EIO; }

// What the standard library can do. It has no sync, so a power cut may still cost the last
// save; the programs install the platform's file system instead.
class StdFileSystem : public FileSystem {
public:
    int ReadFile(const std::string& path, std::string& bytes) override {
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (ec) return ec.value();
        if (fs::is_directory(status)) return EISDIR;
        if (!fs::is_regular_file(status)) return ENODEV;
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) return LastError();
        bytes.clear();
        char buffer[65536];
        size_t got;
        int error = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
            if (bytes.size() + got > static_cast<size_t>(kMaxReadSize)) {
                error = EFBIG;
                break;
            }
            bytes.append(buffer, got);
        }
        if (error == 0 && std::ferror(file)) error = LastError();
        std::fclose(file);
        return error;
    }

    int ProbeWritable(const std::string& path) override {
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "r+b");
        if (!file) return LastError();
        std::fclose(file);
        return 0;
    }

    int WriteNewFile(const std::string& path, std::string_view bytes) override {
        std::error_code ec;
        if (fs::symlink_status(path, ec).type() != fs::file_type::not_found) return EEXIST;
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "wbx");
        if (!file) return LastError();
        int error =
            std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() ? 0 : LastError();
        if (std::fflush(file) != 0 && error == 0) error = LastError();
        if (std::fclose(file) != 0 && error == 0) error = LastError();
        return error;
    }

    int AppendToFile(const std::string& path, std::string_view bytes) override {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(path, ec);
        if (ec) return ec.value();
        if (!fs::is_regular_file(status)) return ENODEV;
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "ab");
        if (!file) return LastError();
        const uintmax_t size = fs::file_size(path, ec);
        int error =
            std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() ? 0 : LastError();
        if (std::fclose(file) != 0 && error == 0) error = LastError();
        if (error != 0 && !ec) fs::resize_file(path, size, ec);
        return error;
    }

    int OverwriteInPlace(const std::string& path, std::string_view bytes) override {
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "r+b");
        if (!file) return LastError();
        // Unbuffered, so the record goes to the file in one write.
        std::setvbuf(file, nullptr, _IONBF, 0);
        int error = 0;
        if (std::fseek(file, 0, SEEK_END) != 0 ||
            std::ftell(file) != static_cast<long>(bytes.size())) {
            error = EINVAL;
        } else if (std::fseek(file, 0, SEEK_SET) != 0 ||
                   std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
            error = LastError();
        }
        if (std::fclose(file) != 0 && error == 0) error = LastError();
        return error;
    }

    int Rename(const std::string& from, const std::string& to) override {
        std::error_code ec;
        fs::rename(from, to, ec);
        return ec.value();
    }

    // Not atomic: the standard library has no rename that refuses to replace.
    int RenameNoReplace(const std::string& from, const std::string& to) override {
        std::error_code ec;
        if (fs::symlink_status(to, ec).type() != fs::file_type::not_found) return EEXIST;
        return Rename(from, to);
    }

    int Remove(const std::string& path) override {
        std::error_code ec;
        fs::remove(path, ec);
        return ec.value();
    }

    int SyncDirectory(const std::string&) override { return 0; }

    int MakeDirectory(const std::string& path) override {
        std::error_code ec;
        if (fs::create_directory(path, ec)) return 0;
        return ec ? ec.value() : EEXIST;
    }

    int ListDirectory(const std::string& path, std::vector<std::string>& names) override {
        std::error_code ec;
        names.clear();
        for (const fs::directory_entry& entry : fs::directory_iterator(path, ec))
            names.push_back(entry.path().filename().string());
        return ec.value();
    }
};

FileSystem* g_installed = nullptr;

}  // namespace

FileSystem& DefaultFileSystem() {
    static StdFileSystem files;
    return g_installed ? *g_installed : files;
}

void InstallFileSystem(FileSystem& files) { g_installed = &files; }
