#include "engine/AtomicFile.h"

#include <cerrno>

namespace {

// The temporary file and the rename, once the target is known to be missing or writable.
bool ReplaceFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp";
    bool ok = files.WriteFile(temp, bytes) == 0 && files.Rename(temp, path) == 0;
    if (!ok) files.Remove(temp);
    return ok;
}

}  // namespace

bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    // A rename only needs a writable directory, so a file its owner made read-only would be
    // replaced anyway; it is left alone instead, as an in-place write would have to.
    const int probe = files.ProbeWritable(path);
    if (probe != 0 && probe != ENOENT) return false;
    return ReplaceFile(files, path, bytes);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFileAtomically(DefaultFileSystem(), path, bytes);
}

bool OverwriteFixedSizeFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    const int error = files.OverwriteInPlace(path, bytes);
    if (error == 0) return true;
    // A file that is there but cannot be opened is left as it is.
    if (error != ENOENT && error != EINVAL && files.ProbeWritable(path) != 0) return false;
    return ReplaceFile(files, path, bytes);
}

bool ReadWholeFile(FileSystem& files, const std::string& path, std::string& bytes) {
    return files.ReadFile(path, bytes) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    return ReadWholeFile(DefaultFileSystem(), path, bytes);
}
