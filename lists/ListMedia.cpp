// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListMedia.h"

#include "lists/MediaCheck.h"

#include <QImageReader>
#include <QString>

#include <sys/stat.h>

ListMedia::ListMedia(const std::filesystem::path& folder) : m_folder(folder), m_store(folder) {}

void ListMedia::Refresh() {
    struct stat info {};
    const bool exists = ::stat((m_folder / MediaIndex::kFile).c_str(), &info) == 0;
    const timespec time = exists ? info.st_mtim : timespec{-1, 0};
    const off_t size = exists ? info.st_size : -1;
    if (time.tv_sec == m_indexTime.tv_sec && time.tv_nsec == m_indexTime.tv_nsec &&
        size == m_indexSize)
        return;
    m_indexTime = time;
    m_indexSize = size;
    m_index = exists ? MediaIndex::Load(m_folder) : MediaIndex();
}

CardMedia ListMedia::Of(const WordRecord& card) {
    Refresh();
    const CardMedia* media = m_index.Find(card);
    return media ? *media : CardMedia();
}

QImage ListMedia::Picture(const std::string& name) const {
    if (name.empty()) return {};
    const std::optional<std::filesystem::path> path = m_store.Verified(name);
    if (!path) return {};
    return PictureFile(path->string());
}

QImage ListMedia::PictureFile(const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    reader.setAllocationLimit(MediaCheck::kMaxPictureMegabytes);
    reader.setAutoTransform(true);
    return reader.read();
}

std::string ListMedia::Path(const std::string& name) const {
    if (name.empty()) return {};
    const std::optional<std::filesystem::path> path = m_store.Verified(name);
    return path ? path->string() : std::string();
}
