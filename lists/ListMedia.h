#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The pictures and recordings of the cards a study shows, from one list folder: its index is read
// again whenever it changes on the disk (the Words window or a sync wrote it), and every file is
// checked against its name before it is used, a picture decoded within a memory limit, so that a
// damaged or planted file shows nothing.

#include "engine/WordRecord.h"
#include "imports/CardMedia.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"

#include <QImage>

#include <ctime>
#include <string>

class ListMedia {
public:
    // `folder` is the list folder.
    explicit ListMedia(const std::filesystem::path& folder);

    // The card's media, with the index brought up to date first; empty when it has none.
    CardMedia Of(const WordRecord& card);
    // The picture kept as `name`; null when there is none or it cannot be read.
    QImage Picture(const std::string& name) const;
    // The picture in the file at `path`, decoded within the same limit; null when it cannot be.
    static QImage PictureFile(const std::string& path);
    // The path of the file kept as `name`; empty when there is none or it is damaged.
    std::string Path(const std::string& name) const;

private:
    void Refresh();

    std::filesystem::path m_folder;
    MediaStore m_store;
    MediaIndex m_index;
    timespec m_indexTime{-1, 0};
    off_t m_indexSize = -1;
};
