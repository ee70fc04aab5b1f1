// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PushButton.h"

#include <QIcon>
#include <QPainter>
#include <QPen>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

PushButton::PushButton(const QString& text, bool isPictureButton, QWidget* parent)
    : QPushButton(isPictureButton ? QString() : text, parent), m_isPictureButton(isPictureButton) {}

QPixmap PushButton::SetBitmap(const QPixmap& bitmap) {
    QPixmap previous = m_bitmap;
    m_bitmap = bitmap;
    setText(QString());
    setIcon(QIcon(bitmap));
    setIconSize(bitmap.size());
    return previous;
}

QString PushButton::ShownText() const {
    // Room inside the bevel, as the style leaves it on either side of a caption.
    const int room = width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this);
    const QFontMetrics metrics(font());
    const auto widthOf = [&metrics](QString line) {
        return metrics.horizontalAdvance(line.remove(QLatin1Char('&')));
    };
    const QString caption = text();
    if (m_isPictureButton || caption.contains(QLatin1Char('\n')) || widthOf(caption) <= room)
        return caption;
    // A caption longer than the button, as a translation may well be, goes on two lines,
    // parted at the space that leaves the longer line shortest.
    QString best = caption;
    int bestWidth = widthOf(caption);
    for (qsizetype at = caption.indexOf(QLatin1Char(' ')); at >= 0;
         at = caption.indexOf(QLatin1Char(' '), at + 1)) {
        const int longer = std::max(widthOf(caption.left(at)), widthOf(caption.mid(at + 1)));
        if (longer < bestWidth) {
            bestWidth = longer;
            best = caption.left(at) + QLatin1Char('\n') + caption.mid(at + 1);
        }
    }
    return best;
}

void PushButton::paintEvent(QPaintEvent* event) {
    const QString shown = ShownText();
    if (shown == text()) {
        QPushButton::paintEvent(event);
    } else {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text = shown;
        painter.drawControl(QStyle::CE_PushButton, option);
    }
    if (!hasFocus()) return;
    // Dotted in the text colour, just inside the bevel: it shows on light and dark pictures
    // alike and leaves the picture itself visible.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}
