// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/FormatGuesser.h"

#include "imports/AnkiImporter.h"
#include "imports/InputDecoder.h"
#include "imports/TextTidy.h"
#include "imports/ZipArchive.h"

#include <cctype>
#include <filesystem>
#include <string_view>

namespace {

bool IsKvtml(std::string_view text) {
    const std::string_view head = InputDecoder::WithoutBom(text.substr(0, 1024));
    const size_t start = head.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || head[start] != '<') return false;
    return head.find("<kvtml") != std::string_view::npos;
}

// Whether the text holds "&#N;" or "&#xN;", N one or more hexadecimal digits. Scanned by
// hand: std::regex recurses once per character it matches, and a long run of digits after
// "&#" overflowed the stack.
bool HasNumericReference(std::string_view text) {
    for (size_t pos = text.find("&#"); pos != std::string::npos; pos = text.find("&#", pos + 2)) {
        size_t end = pos + 2;
        if (end < text.size() && text[end] == 'x') ++end;
        const size_t digits = end;
        while (end < text.size() && std::isxdigit(static_cast<unsigned char>(text[end]))) ++end;
        if (end > digits && end < text.size() && text[end] == ';') return true;
    }
    return false;
}

// Mnemosyne writes an empty side as "<br>" and characters outside its code page as numeric
// references, and never quotes; older Anki quotes and writes neither.
bool LooksLikeMnemosyne(std::string_view text) {
    const std::string sample(text.substr(0, 65536));
    if (sample.find("\t\"") != std::string::npos || sample.compare(0, 1, "\"") == 0) return false;
    return sample.find("\t<br>") != std::string::npos ||
           sample.find("<br>\t") != std::string::npos || HasNumericReference(sample);
}

bool LooksLikeCsv(std::string_view text) {
    const std::string sample(text.substr(0, 8192));
    return sample.find('\t') == std::string::npos &&
           (sample.find(',') != std::string::npos || sample.find(';') != std::string::npos);
}

std::string ExtensionOf(const std::string& path) {
    return TextTidy::Lower(std::filesystem::path(path).extension().string());
}

// "PK" and then 3, 4 for an archive's first entry or 5, 6 for an empty archive.
bool IsZip(const std::string& head) {
    return head.compare(0, 4, "PK\x03\x04") == 0 || head.compare(0, 4, "PK\x05\x06") == 0;
}

// Office Open XML workbooks hold xl/workbook.xml; OpenDocument files name their type in a
// first entry "mimetype".
bool HoldsSpreadsheet(const std::string& path) {
    ZipArchive zip;
    std::string error, mimeType;
    if (!zip.Open(path, error)) return false;
    if (zip.Has("xl/workbook.xml")) return true;
    constexpr size_t kMaxMimeTypeSize = 256;
    return zip.Read("mimetype", kMaxMimeTypeSize, mimeType, error) == ZipArchive::ReadResult::kOk &&
           mimeType.rfind("application/vnd.oasis.opendocument.spreadsheet", 0) == 0;
}

}  // namespace

bool FormatGuesser::IsSpreadsheet(const std::string& path, const std::string& head) {
    const std::string extension = ExtensionOf(path);
    for (const char* name : {".xlsx", ".xlsm", ".xls", ".ods"}) {
        if (extension == name) return true;
    }
    return IsZip(head) && HoldsSpreadsheet(path);
}

bool FormatGuesser::IsAnkiPackage(const std::string& path, const std::string& head) {
    const std::string extension = ExtensionOf(path);
    return extension == ".apkg" || extension == ".colpkg" || IsZip(head);
}

ImportFormat FormatGuesser::Guess(const std::string& path, std::string_view text) {
    const std::string extension = ExtensionOf(path);
    if (extension == ".kvtml" || IsKvtml(text)) return ImportFormat::Kvtml;
    const std::string_view content = InputDecoder::WithoutBom(text);
    if (AnkiImporter::HasHeader(content)) return ImportFormat::Anki;
    if (extension == ".csv") return ImportFormat::Csv;
    // Our own export writes .tsv, and its texts may hold "&#38;" or "<br>" literally.
    if (extension == ".tsv") return ImportFormat::Tsv;
    if (LooksLikeCsv(content)) return ImportFormat::Csv;
    return LooksLikeMnemosyne(content) ? ImportFormat::Mnemosyne : ImportFormat::Tsv;
}

const char* FormatGuesser::Name(ImportFormat format) {
    switch (format) {
        case ImportFormat::Tsv:
            return "tsv";
        case ImportFormat::Csv:
            return "csv";
        case ImportFormat::Anki:
            return "anki";
        case ImportFormat::Kvtml:
            return "kvtml";
        case ImportFormat::Mnemosyne:
            return "mnemosyne";
        case ImportFormat::AnkiPackage:
            return "apkg";
        case ImportFormat::Guess:
            break;
    }
    return "guess";
}

bool FormatGuesser::Parse(const std::string& name, ImportFormat& format) {
    for (ImportFormat candidate :
         {ImportFormat::Tsv, ImportFormat::Csv, ImportFormat::Anki, ImportFormat::Kvtml,
          ImportFormat::Mnemosyne, ImportFormat::AnkiPackage}) {
        if (name == Name(candidate)) {
            format = candidate;
            return true;
        }
    }
    return false;
}
