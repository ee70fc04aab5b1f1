#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A zip archive opened for reading through libzip, for the packages and spreadsheets users
// bring. Every read is capped, so a file that claims or unpacks to more than the caller
// allows is refused instead of filling the memory.

#include <cstddef>
#include <string>

typedef struct zip zip_t;

class ZipArchive {
public:
    enum class ReadResult { kOk, kMissing, kEncrypted, kTooLarge, kDamaged };

    ZipArchive() = default;
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // False, with libzip's reason in `error`, when the file is no readable zip archive.
    bool Open(const std::string& path, std::string& error);
    // The same for an archive in memory; `bytes` must outlive this object.
    bool OpenBytes(const std::string& bytes, std::string& error);

    bool Has(const std::string& name) const;
    // The unpacked bytes of the entry `name`, at most `maxSize` of them; `error` says why a
    // damaged entry could not be read.
    ReadResult Read(const std::string& name, size_t maxSize, std::string& bytes,
                    std::string& error) const;

private:
    zip_t* m_zip = nullptr;
};
