// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/AnswerPicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using Answer = AnswerPicture::Answer;

// The English captions are looked up by answer.
static_assert(AnswerPicture::kDefaults[static_cast<int>(Answer::Know)].answer == Answer::Know &&
              AnswerPicture::kDefaults[static_cast<int>(Answer::Unsure)].answer == Answer::Unsure &&
              AnswerPicture::kDefaults[static_cast<int>(Answer::DontKnow)].answer ==
                  Answer::DontKnow);

struct Look {
    QColor fill;
    QColor outline;
    QColor caption;
};

Look LookOf(Answer answer) {
    switch (answer) {
        case Answer::Know:
            return {QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x80, 0x00), QColor(0x00, 0x80, 0x00)};
        case Answer::Unsure:
            return {QColor(0xFF, 0xFF, 0x00), QColor(0x80, 0x80, 0x00), QColor(0x80, 0x80, 0x00)};
        case Answer::DontKnow:
            break;
    }
    return {QColor(0xFF, 0x00, 0x00), QColor(0x80, 0x00, 0x00), QColor(0xFF, 0x00, 0x00)};
}

QPainterPath MouthPath(Answer answer, const QRectF& face) {
    const double cx = face.center().x();
    const double w = face.width() * 0.52;
    const double y = face.top() + face.height() * 0.66;
    const double depth = face.height() * 0.16;
    QPainterPath path;
    switch (answer) {
        case Answer::Know:  // a smile
            path.moveTo(cx - w / 2, y - depth / 2);
            path.quadTo(cx, y + depth * 1.3, cx + w / 2, y - depth / 2);
            break;
        case Answer::DontKnow:  // a frown
            path.moveTo(cx - w / 2, y + depth * 0.8);
            path.quadTo(cx, y - depth * 1.0, cx + w / 2, y + depth * 0.8);
            break;
        case Answer::Unsure:  // a wavering line
            path.moveTo(cx - w / 2, y);
            for (int i = 1; i <= 24; ++i) {
                const double t = i / 24.0;
                path.lineTo(cx - w / 2 + w * t, y + std::sin(t * 2 * M_PI * 1.5) * depth * 0.35);
            }
            break;
    }
    return path;
}

void DrawFace(QPainter& p, Answer answer, const QRectF& face, bool rich) {
    const Look look = LookOf(answer);
    const double line = std::max(1.0, face.width() / 18);
    if (rich) {
        QRadialGradient shade(face.center() - QPointF(face.width() * 0.18, face.height() * 0.22),
                              face.width() * 0.75);
        shade.setColorAt(0, look.fill.lighter(150));
        shade.setColorAt(0.55, look.fill);
        shade.setColorAt(1, look.fill.darker(125));
        p.setBrush(shade);
    } else {
        p.setBrush(look.fill);
    }
    p.setPen(QPen(look.outline, line));
    p.drawEllipse(face);

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double eyeW = face.width() * 0.11;
    const double eyeH = face.height() * (answer == Answer::Unsure ? 0.11 : 0.16);
    const double eyeY = face.top() + face.height() * 0.30;
    p.drawEllipse(QRectF(face.center().x() - face.width() * 0.2 - eyeW / 2, eyeY, eyeW, eyeH));
    p.drawEllipse(QRectF(face.center().x() + face.width() * 0.2 - eyeW / 2, eyeY, eyeW, eyeH));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, line * 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(MouthPath(answer, face));
}

QFont CaptionFont(const QString& text, int width, int maxPixels, bool rich) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setStyleStrategy(rich ? QFont::PreferAntialias : QFont::NoAntialias);
    for (int px = maxPixels; px > 5; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
    }
    return font;
}

}  // namespace

const AnswerPicture::Default* AnswerPicture::Find(const char* resourceName) {
    for (const Default& picture : kDefaults)
        if (resourceName && std::strcmp(picture.resourceName, resourceName) == 0) return &picture;
    return nullptr;
}

QImage AnswerPicture::Draw(Answer answer, int width, int height, bool rich,
                           const QString& caption) {
    const Look look = LookOf(answer);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, rich);
    p.setRenderHint(QPainter::TextAntialiasing, rich);

    // The English caption lays the picture out, so that a caption in another language
    // changes the words alone: it takes the same place, at the English size or smaller, and
    // keeps clear of the edges, where the button's focus frame runs over the picture.
    const QString english = QString::fromLatin1(kDefaults[static_cast<int>(answer)].caption);
    const QFont englishFont = CaptionFont(english, width - 2, std::max(6, height / 5), rich);
    const int captionHeight = QFontMetrics(englishFont).height();
    const double diameter = std::min(width - 4.0, height - captionHeight - 4.0);
    const QRectF face((width - diameter) / 2, 2, diameter, diameter);
    DrawFace(p, answer, face, rich);

    const bool isEnglish = caption.isEmpty();
    p.setFont(isEnglish ? englishFont
                        : CaptionFont(caption, width - width / 8, englishFont.pixelSize(), rich));
    p.setPen(look.caption);
    p.drawText(QRect(0, height - captionHeight - 1, width, captionHeight), Qt::AlignCenter,
               isEnglish ? english : caption);
    return image;
}

QImage AnswerPicture::DrawListFile(const Default& picture, const QString& caption) {
    return Draw(picture.answer, picture.width * kListScale, picture.height * kListScale, true,
                caption)
        .convertToFormat(QImage::Format_RGB888);
}

QImage AnswerPicture::DrawIconFace(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    DrawFace(p, Answer::Know, QRectF(1, 1, size - 2, size - 2), false);
    return image;
}
