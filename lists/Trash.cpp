// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/Trash.h"

#include "engine/AtomicFile.h"
#include "platform/PosixFiles.h"

#include <string_view>
#include <system_error>

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

bool Put(const std::filesystem::path& trashDir, const std::filesystem::path& item,
         const std::filesystem::path& originalPath, const std::string& wantedName,
         std::filesystem::path& trashed, std::string& error) {
    int code = 0;
    const std::filesystem::path files = trashDir / "files", info = trashDir / "info";
    if (!PosixFiles::MakePrivateDirectory(trashDir, code) ||
        !PosixFiles::MakePrivateDirectory(files, code) ||
        !PosixFiles::MakePrivateDirectory(info, code)) {
        error = "cannot make the trash folder " + trashDir.string() + ": " + DescribeError(code);
        return false;
    }
    const std::string content = "[Trash Info]\nPath=" + EncodePath(originalPath.string()) +
                                "\nDeletionDate=" + PosixFiles::LocalTimestamp() + "\n";
    for (int n = 1; n <= kMaxAttempts; ++n) {
        const std::string name = n == 1 ? wantedName : wantedName + "." + std::to_string(n);
        const std::filesystem::path infoFile = info / (name + ".trashinfo");
        // Reserving the info file first, exclusively, keeps two programs trashing at once
        // from taking the same name.
        const int reserved = PosixFiles::CreateExclusive(infoFile, content, code);
        if (reserved == 0) continue;
        if (reserved < 0) {
            error = "cannot write " + infoFile.string() + ": " + DescribeError(code);
            return false;
        }
        // Never over an item a trash left without its info file.
        const std::filesystem::path target = files / name;
        const PosixFiles::MoveResult moved = PosixFiles::MoveNoReplace(item, target, code);
        if (moved == PosixFiles::MoveResult::kMoved) {
            trashed = target;
            return true;
        }
        std::error_code ignored;
        std::filesystem::remove(infoFile, ignored);
        if (moved == PosixFiles::MoveResult::kTargetExists) continue;
        error = moved == PosixFiles::MoveResult::kOtherFileSystem
                    ? "the trash (" + trashDir.string() +
                          ") is on another file system, and nothing is deleted here; " +
                          item.string() + " was left as it was"
                    : "cannot move " + item.string() + " to the trash: " + DescribeError(code);
        return false;
    }
    error = "no free name in the trash for " + wantedName;
    return false;
}

}  // namespace Trash
