// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/translations/MarkingTranslator.h"

#include <QFile>
#include <QXmlStreamReader>

#include "translations/Translations.h"

namespace {

QString Key(const QString& context, const QString& source) { return context + QChar(0) + source; }

}  // namespace

bool MarkingTranslator::InstallForTheProgram() {
    static MarkingTranslator marking;
    static const bool isRead =
        marking.Read(QStringLiteral(QUIBBIX_SOURCE_ROOT "/translations/quibbix_de.ts"));
    if (isRead) Translations::Use(&marking, QStringLiteral("marked"));
    return isRead;
}

bool MarkingTranslator::Read(const QString& tsFile) {
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            m_known.insert(Key(context, xml.readElementText()));
        }
    }
    return !xml.hasError();
}

QString MarkingTranslator::translate(const char* context, const char* sourceText, const char*,
                                     int) const {
    const QString source = QString::fromUtf8(sourceText);
    if (!m_known.contains(Key(QString::fromUtf8(context), source))) return QString();
    return QChar(kOpen) + source + QChar(kClose);
}
