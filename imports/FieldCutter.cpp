// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/FieldCutter.h"

#include <QString>
#include <QStringDecoder>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <functional>

namespace {

// The last boundary of `type` after the start whose head fits, or 0.
qsizetype LastFitting(const QString& text, QTextBoundaryFinder::BoundaryType type,
                      const std::function<size_t(qsizetype)>& sizeOf, size_t limit) {
    QTextBoundaryFinder finder(type, text);
    qsizetype best = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        if (sizeOf(at) > limit) break;
        best = at;
    }
    return best;
}

}  // namespace

std::string FieldCutter::Cut(const std::string& utf8, size_t limit, bool singleByte) {
    return Cut(
        utf8, limit,
        singleByte ? std::function<size_t(const std::string&)>()
                   : [](const std::string& head) { return head.size(); });
}

std::string FieldCutter::Cut(const std::string& utf8, size_t limit,
                             const std::function<size_t(const std::string&)>& measure) {
    const bool singleByte = !measure;
    // Only a head of at most `limit` characters is kept, and the boundaries in it depend on
    // a few characters after it: a head well past that is widened, not a text of megabytes.
    const size_t kLookahead = 1024;
    size_t headEnd = utf8.size();
    if (headEnd > limit * 4 + kLookahead) {
        headEnd = limit * 4 + kLookahead;
        while (headEnd > 0 && (static_cast<unsigned char>(utf8[headEnd]) & 0xC0) == 0x80) --headEnd;
    }
    // A leading U+FEFF is a character of the text here, not a byte order mark to drop.
    QStringDecoder decode(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const QString text = decode(QByteArrayView(utf8.data(), static_cast<qsizetype>(headEnd)));
    const auto sizeOf = [&](qsizetype end) {
        return singleByte ? static_cast<size_t>(end)
                          : measure(QStringView(text).left(end).toUtf8().toStdString());
    };
    const qsizetype grapheme = LastFitting(text, QTextBoundaryFinder::Grapheme, sizeOf, limit);
    qsizetype cut = 0;
    for (qsizetype at = std::min(grapheme, text.size() - 1); at > 0 && cut == 0; --at)
        if (text[at] == u' ') cut = at;
    // A Windows-1252 text with no space to cut at is cut at the limit, as it always was.
    if (cut == 0 && !singleByte) cut = LastFitting(text, QTextBoundaryFinder::Word, sizeOf, limit);
    if (cut == 0) cut = grapheme;
    // The boundary finder may place a boundary between the halves of a character outside the
    // Basic Multilingual Plane that Unicode has not assigned yet; the character goes whole.
    if (cut > 0 && cut < text.size() && text[cut].isLowSurrogate()) --cut;
    QString head = text.left(cut);
    while (!head.isEmpty() && QStringLiteral(" ,;:-(").contains(head.back())) head.chop(1);
    return head.toStdString();
}
