// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/Trash.h"

#include "engine/AtomicFile.h"
#include "engine/LearnersWords.h"

#include <cerrno>
#include <string_view>
#include <system_error>

#include "posix/PosixFiles.h"

namespace {

constexpr int kMaxAttempts = 10000;

}  // namespace

namespace Trash {

std::string EncodePath(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : path) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            std::string_view("/-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
        if (plain) {
            encoded.push_back(static_cast<char>(c));
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 15]);
        }
    }
    return encoded;
}

bool Put(FileSystem& files, const std::filesystem::path& trashDir,
         const std::filesystem::path& item, const std::filesystem::path& originalPath,
         const std::string& wantedName, std::filesystem::path& trashed, std::string& error) {
    int code = 0;
    const std::filesystem::path items = trashDir / "files", info = trashDir / "info";
    if (!PosixFiles::MakePrivateDirectory(trashDir, code) ||
        !PosixFiles::MakePrivateDirectory(items, code) ||
        !PosixFiles::MakePrivateDirectory(info, code)) {
        error = LearnersWords::Filled(
            LearnersWords::Said("Trash", "cannot make the trash folder %1: %2"),
            {trashDir.string(), DescribeError(code)});
        return false;
    }
    const std::string content = "[Trash Info]\nPath=" + EncodePath(originalPath.string()) +
                                "\nDeletionDate=" + PosixFiles::LocalTimestamp() + "\n";
    for (int n = 1; n <= kMaxAttempts; ++n) {
        const std::string name = n == 1 ? wantedName : wantedName + "." + std::to_string(n);
        const std::filesystem::path infoFile = info / (name + ".trashinfo");
        // Reserving the info file first, exclusively, keeps two programs trashing at once
        // from taking the same name.
        code = files.WriteNewFile(infoFile.string(), content);
        if (code == EEXIST) continue;
        if (code != 0) {
            files.Remove(infoFile.string());
            error = LearnersWords::Filled(LearnersWords::Said("Trash", "cannot write %1: %2"),
                                          {infoFile.string(), DescribeError(code)});
            return false;
        }
        // Never over an item a trash left without its info file.
        const std::filesystem::path target = items / name;
        code = files.RenameNoReplace(item.string(), target.string());
        if (code == 0) {
            trashed = target;
            code = files.SyncDirectory(items.string());
            if (code == 0) return true;
            error = LearnersWords::Filled(
                LearnersWords::Said("Trash",
                                    "%1 is in the trash, but the disk did not confirm it: %2"),
                {item.string(), DescribeError(code)});
            return false;
        }
        files.Remove(infoFile.string());
        if (code == EEXIST) continue;
        error = code == EXDEV
                    ? LearnersWords::Filled(
                          LearnersWords::Said("Trash",
                                              "the trash (%1) is on another file system, and "
                                              "nothing is deleted here; %2 was left as it was"),
                          {trashDir.string(), item.string()})
                    : LearnersWords::Filled(
                          LearnersWords::Said("Trash", "cannot move %1 to the trash: %2"),
                          {item.string(), DescribeError(code)});
        return false;
    }
    error = LearnersWords::Filled(LearnersWords::Said("Trash", "no free name in the trash for %1"),
                                  {wantedName});
    return false;
}

}  // namespace Trash
