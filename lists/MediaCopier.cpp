// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/MediaCopier.h"

#include "lists/MediaCheck.h"

#include <QBuffer>
#include <QFile>

#include <sys/stat.h>

MediaCopier::MediaCopier(const std::filesystem::path& folder, const MediaSource& source,
                         std::vector<std::string>& notes)
    : m_store(folder), m_source(source), m_notes(notes) {}

CardMedia MediaCopier::Bring(const CardMedia& references) {
    return {BringOne(references.wordPicture), BringOne(references.wordSound),
            BringOne(references.definitionPicture), BringOne(references.definitionSound)};
}

std::string MediaCopier::BringOne(const std::string& reference) {
    if (reference.empty()) return {};
    const auto [known, isNew] = m_brought.emplace(reference, std::string());
    if (!isNew) return known->second;
    // A file the store holds already, under the name of its bytes.
    if (MediaStore::IsStoredName(reference) && m_store.Has(reference)) {
        known->second = reference;
        return reference;
    }
    MediaSource::File file;
    std::string note;
    std::optional<std::string> name;
    if (m_source.Fetch(reference, file, note)) name = Copy(file, note);
    if (name)
        known->second = *name;
    else if (!note.empty())
        m_notes.push_back(note);
    return known->second;
}

std::optional<std::string> MediaCopier::Copy(const MediaSource::File& file, std::string& note) {
    if (!file.path.empty()) {
        // Looked at through a device of its own, when it is a plain file (a pipe would hold
        // the reading up): the store opens it again, without following a link, to copy it,
        // and says why anything else is left out.
        struct stat info {};
        const bool isPlain = ::lstat(file.path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
        QFile device(QString::fromStdString(file.path.string()));
        if (isPlain && device.open(QIODevice::ReadOnly) &&
            !MediaCheck::IsAcceptable(device, file.extension, file.what, note))
            return std::nullopt;
        return m_store.Add(file.path, file.extension, note);
    }
    QByteArray bytes = QByteArray::fromRawData(file.bytes.data(), qsizetype(file.bytes.size()));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    if (!MediaCheck::IsAcceptable(device, file.extension, file.what, note)) return std::nullopt;
    return m_store.AddBytes(file.bytes, file.extension, file.what, note);
}
