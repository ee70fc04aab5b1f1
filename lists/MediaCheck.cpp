// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/MediaCheck.h"

#include "engine/LearnersWords.h"
#include "imports/CardMedia.h"

#include <QByteArray>
#include <QIODevice>
#include <QImageReader>

namespace {

bool Refuse(const std::string& what, const char* why, std::string& note) {
    note = LearnersWords::Filled(LearnersWords::Said("MediaStore", why), {what});
    return false;
}

// WAV, FLAC, Ogg (Vorbis and Opus) and MP3, with or without its ID3 tag.
bool BeginsAsSound(const QByteArray& head) {
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WAVE") return true;
    if (head.startsWith("fLaC") || head.startsWith("OggS") || head.startsWith("ID3")) return true;
    return head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
           (static_cast<unsigned char>(head[1]) & 0xE0) == 0xE0;
}

}  // namespace

namespace MediaCheck {

bool IsAcceptable(QIODevice& device, const std::string& extension, const std::string& what,
                  std::string& note) {
    if (MediaKind::IsSound(extension)) {
        if (BeginsAsSound(device.peek(12))) return true;
        return Refuse(what, QT_TRANSLATE_NOOP("MediaStore", "%1: not a recording; left out"), note);
    }
    QImageReader reader(&device, QByteArray());
    reader.setAllocationLimit(kMaxPictureMegabytes);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.isEmpty())
        return Refuse(what, QT_TRANSLATE_NOOP("MediaStore", "%1: not a picture; left out"), note);
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (bytes > (qint64(kMaxPictureMegabytes) << 20)) {
        note = LearnersWords::Filled(
            LearnersWords::Said("MediaStore", "%1: a picture too large to show (%2); left out"),
            {what, std::to_string(size.width()) + "×" + std::to_string(size.height())});
        return false;
    }
    return true;
}

}  // namespace MediaCheck
