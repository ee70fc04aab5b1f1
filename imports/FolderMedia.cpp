// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/FolderMedia.h"

#include "engine/LearnersWords.h"
#include "imports/CardMedia.h"

#include <QString>
#include <QUrl>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Noted(const std::string& what, const char* why) {
    return LearnersWords::Filled(LearnersWords::Said("Import", why), {what});
}

}  // namespace

bool FolderMedia::Check(const std::string& reference, std::string& note) const {
    const std::string extension = MediaKind::ExtensionOf(reference);
    if (!MediaKind::IsPicture(extension) && !MediaKind::IsSound(extension)) {
        note = Noted(
            reference,
            QT_TRANSLATE_NOOP("Import", "%1: not a picture or recording Quibbix keeps; left out"));
        return false;
    }
    struct stat info {};
    if (::lstat(reference.c_str(), &info) != 0) {
        note = Noted(reference, QT_TRANSLATE_NOOP("Import", "%1: no such file; left out"));
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        note = Noted(
            reference,
            QT_TRANSLATE_NOOP("Import", "%1: a symbolic link, which is never followed; left out"));
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        note = Noted(reference, QT_TRANSLATE_NOOP("Import", "%1: not a regular file; left out"));
        return false;
    }
    if (static_cast<uint64_t>(info.st_size) > kMaxFileBytes) {
        note = Noted(reference, QT_TRANSLATE_NOOP("Import", "%1: larger than 16 MiB; left out"));
        return false;
    }
    return true;
}

bool FolderMedia::Fetch(const std::string& reference, File& file, std::string& note) const {
    file = File();
    file.path = reference;
    file.what = reference;
    file.extension = MediaKind::ExtensionOf(reference);
    return Check(reference, note);
}

std::string FolderMedia::Resolve(const fs::path& document, const std::string& written,
                                 std::string& note) {
    const QString text = QString::fromStdString(written).trimmed();
    if (text.isEmpty()) return {};
    fs::path path;
    const QUrl url(text);
    if (url.isLocalFile()) {
        path = fs::path(url.toLocalFile().toStdString());
    } else if (url.scheme().size() > 1) {
        // A scheme of one letter is a Windows drive ("C:\..."), which is no address either.
        note = LearnersWords::Filled(
            LearnersWords::Said("Import", "%1: not a file beside the document; left out"),
            {written});
        return {};
    } else {
        // Documents written on Windows separate folders with backslashes.
        path = fs::path(QString(text).replace(QLatin1Char('\\'), QLatin1Char('/')).toStdString());
    }
    if (path.is_relative()) path = document.parent_path() / path;
    return path.lexically_normal().string();
}
