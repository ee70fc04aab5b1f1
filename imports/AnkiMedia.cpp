// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/AnkiMedia.h"

#include "engine/LearnersWords.h"
#include "imports/CardMedia.h"
#include "imports/ZipArchive.h"
#include "imports/ZstdStream.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <string_view>

namespace {

bool IsZstd(std::string_view bytes) {
    return bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("\x28\xb5\x2f\xfd", 4);
}

// A protocol buffer read field by field; false at the end or at bytes that are none.
class Fields {
public:
    explicit Fields(std::string_view bytes) : m_bytes(bytes) {}

    bool Next(uint64_t& number, std::string_view& bytes, uint64_t& value) {
        uint64_t key = 0;
        if (m_pos >= m_bytes.size() || !Varint(key)) return false;
        number = key >> 3;
        switch (key & 7) {
            case 0:
                return Varint(value);
            case 1:
                return Skip(8);
            case 2:
                if (!Varint(value) || value > m_bytes.size() - m_pos) return false;
                bytes = m_bytes.substr(m_pos, value);
                m_pos += value;
                return true;
            case 5:
                return Skip(4);
            default:
                return false;
        }
    }

private:
    bool Varint(uint64_t& value) {
        value = 0;
        for (int shift = 0; shift < 64 && m_pos < m_bytes.size(); shift += 7) {
            const auto byte = static_cast<unsigned char>(m_bytes[m_pos++]);
            value |= uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0) return true;
        }
        return false;
    }
    bool Skip(size_t count) {
        if (count > m_bytes.size() - m_pos) return false;
        m_pos += count;
        return true;
    }

    std::string_view m_bytes;
    size_t m_pos = 0;
};

// MediaEntries: repeated entry (1), each a name (1) and, for files taken over from an older
// package, the member it lies in (255); otherwise the member is the entry's number.
std::map<std::string, std::string> ReadEntries(std::string_view bytes) {
    std::map<std::string, std::string> members;
    Fields entries(bytes);
    uint64_t number = 0, value = 0, index = 0;
    std::string_view entry;
    while (entries.Next(number, entry, value)) {
        if (number != 1) continue;
        std::string name, member = std::to_string(index++);
        Fields fields(entry);
        std::string_view text;
        while (fields.Next(number, text, value)) {
            if (number == 1) name = std::string(text);
            if (number == 255) member = std::to_string(value);
        }
        if (!name.empty()) members.emplace(std::move(name), std::move(member));
    }
    return members;
}

}  // namespace

AnkiMedia::AnkiMedia(std::shared_ptr<const ZipArchive> zip) : m_zip(std::move(zip)) {
    std::string stored, error;
    if (m_zip && m_zip->Read("media", kMaxMapSize, stored, error) == ZipArchive::ReadResult::kOk)
        m_members = ReadMap(stored);
}

std::map<std::string, std::string> AnkiMedia::ReadMap(const std::string& stored) {
    std::string unpacked, error;
    if (IsZstd(stored) &&
        ZstdStream::Unpack(stored, kMaxMapSize, unpacked, error) != ZstdStream::Result::kOk)
        return {};
    const std::string& bytes = IsZstd(stored) ? unpacked : stored;
    if (bytes.empty() || bytes.front() != '{') return ReadEntries(bytes);
    std::map<std::string, std::string> members;
    const QJsonObject map = QJsonDocument::fromJson(QByteArray::fromStdString(bytes)).object();
    for (auto it = map.begin(); it != map.end(); ++it) {
        const std::string name = it.value().toString().toStdString();
        if (!name.empty()) members.emplace(name, it.key().toStdString());
    }
    return members;
}

bool AnkiMedia::Check(const std::string& reference, std::string& note) const {
    const std::string extension = MediaKind::ExtensionOf(reference);
    const auto said = [&](const char* why) {
        note = LearnersWords::Filled(LearnersWords::Said("Import", why), {reference});
        return false;
    };
    if (!MediaKind::IsPicture(extension) && !MediaKind::IsSound(extension))
        return said(
            QT_TRANSLATE_NOOP("Import", "%1: not a picture or recording Quibbix keeps; left out"));
    if (!m_zip || !Has(reference))
        return said(QT_TRANSLATE_NOOP("Import", "%1: not in the package's media; left out"));
    return true;
}

bool AnkiMedia::Fetch(const std::string& reference, File& file, std::string& note) const {
    file = File();
    file.what = reference;
    file.extension = MediaKind::ExtensionOf(reference);
    const auto said = [&](const char* why) {
        note = LearnersWords::Filled(LearnersWords::Said("Import", why), {reference});
        return false;
    };
    if (!Check(reference, note)) return false;
    const auto found = m_members.find(reference);
    std::string stored, error;
    // A compressed file may be far smaller than what it unpacks to; either is held to the limit.
    switch (m_zip->Read(found->second, kMaxFileBytes, stored, error)) {
        case ZipArchive::ReadResult::kOk:
            break;
        case ZipArchive::ReadResult::kTooLarge:
            return said(QT_TRANSLATE_NOOP("Import", "%1: larger than 16 MiB; left out"));
        default:
            return said(
                QT_TRANSLATE_NOOP("Import", "%1: cannot be read from the package; left out"));
    }
    if (!IsZstd(stored)) {
        file.bytes = std::move(stored);
        return true;
    }
    switch (ZstdStream::Unpack(stored, kMaxFileBytes, file.bytes, error)) {
        case ZstdStream::Result::kOk:
            return true;
        case ZstdStream::Result::kTooLarge:
            return said(QT_TRANSLATE_NOOP("Import", "%1: larger than 16 MiB; left out"));
        default:
            return said(
                QT_TRANSLATE_NOOP("Import", "%1: cannot be read from the package; left out"));
    }
}
