// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/ZipArchive.h"

#include <zip.h>

namespace {

std::string ErrorText(zip_error_t* error) {
    const std::string text = zip_error_strerror(error);
    zip_error_fini(error);
    return text;
}

}  // namespace

ZipArchive::~ZipArchive() {
    if (m_zip) zip_discard(m_zip);
}

bool ZipArchive::Open(const std::string& path, std::string& error) {
    int code = 0;
    m_zip = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (m_zip) return true;
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, code);
    error = ErrorText(&zipError);
    return false;
}

bool ZipArchive::OpenBytes(const std::string& bytes, std::string& error) {
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &zipError);
    if (source) {
        m_zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &zipError);
        if (m_zip) {
            zip_error_fini(&zipError);
            return true;
        }
        zip_source_free(source);
    }
    error = ErrorText(&zipError);
    return false;
}

bool ZipArchive::Has(const std::string& name) const {
    return m_zip && zip_name_locate(m_zip, name.c_str(), 0) >= 0;
}

ZipArchive::ReadResult ZipArchive::Read(const std::string& name, size_t maxSize, std::string& bytes,
                                        std::string& error) const {
    bytes.clear();
    const zip_int64_t index = m_zip ? zip_name_locate(m_zip, name.c_str(), 0) : -1;
    if (index < 0) return ReadResult::kMissing;
    zip_stat_t stat;
    if (zip_stat_index(m_zip, index, 0, &stat) != 0) {
        error = zip_strerror(m_zip);
        return ReadResult::kDamaged;
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return ReadResult::kEncrypted;
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > maxSize) return ReadResult::kTooLarge;
    zip_file_t* file = zip_fopen_index(m_zip, index, 0);
    if (!file) {
        error = zip_strerror(m_zip);
        return zip_error_code_zip(zip_get_error(m_zip)) == ZIP_ER_NOPASSWD ? ReadResult::kEncrypted
                                                                           : ReadResult::kDamaged;
    }
    // Read on to the end even past the stated size: libzip checks the CRC only there, and a
    // stated size may lie.
    char buffer[65536];
    ReadResult result = ReadResult::kOk;
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) {
            error = zip_file_strerror(file);
            result = ReadResult::kDamaged;
            break;
        }
        if (got == 0) break;
        if (bytes.size() + static_cast<size_t>(got) > maxSize) {
            result = ReadResult::kTooLarge;
            break;
        }
        bytes.append(buffer, static_cast<size_t>(got));
    }
    zip_fclose(file);
    if (result != ReadResult::kOk) bytes.clear();
    return result;
}
