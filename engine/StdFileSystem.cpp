#include "engine/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

// errno once a call has failed; some failures of the C library leave it at 0.
int LastError() { return errno != 0 ? errno : EIO; }

class StdFileSystem : public FileSystem {
public:
    int ReadFile(const std::string& path, std::string& bytes) override {
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) return LastError();
        bytes.clear();
        char buffer[65536];
        size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
        const int error = std::ferror(file) ? LastError() : 0;
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

    int WriteFile(const std::string& path, std::string_view bytes) override {
        errno = 0;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) return LastError();
        int error =
            std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() ? 0 : LastError();
        if (std::fflush(file) != 0 && error == 0) error = LastError();
        if (std::fclose(file) != 0 && error == 0) error = LastError();
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
        std::filesystem::rename(from, to, ec);
        return ec.value();
    }

    int Remove(const std::string& path) override {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return ec.value();
    }
};

}  // namespace

FileSystem& DefaultFileSystem() {
    static StdFileSystem files;
    return files;
}
