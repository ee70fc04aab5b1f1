// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Translations.h"

#include "engine/Counted.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Where the build embeds the .qm files (see translations/CMakeLists.txt).
const char kEmbedded[] = ":/i18n/quibbix_";

// A property of the application object, not a global: each module has its own copy of
// this file's globals.
const char kLanguageProperty[] = "quibbixLanguage";

QString EmbeddedFile(const QString& name) {
    return QLatin1String(kEmbedded) + name + QLatin1String(".qm");
}

// The name of the program's translation ("de", "pt_BR") for a language the system asks for
// ("de-AT", "pt-BR", "zh-Hans-CN"), or an empty string when the program has none for it.
QString TranslationFor(const QLocale& locale) {
    const QString full = locale.name();  // "pt_BR", "zh_CN"
    for (const QString& name : {full, full.section(QLatin1Char('_'), 0, 0)}) {
        if (QFile::exists(EmbeddedFile(name))) return name;
    }
    return QString();
}

}  // namespace

QString Translations::Install() {
    // The first language the system names that we can speak wins; English, or the C locale,
    // before any other means English, with nothing to load.
    for (const QString& wanted : QLocale::system().uiLanguages()) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) break;
        const QString name = TranslationFor(locale);
        if (name.isEmpty()) continue;
        auto* ours = new QTranslator(QCoreApplication::instance());
        if (!ours->load(EmbeddedFile(name))) {
            delete ours;
            continue;
        }
        Use(ours, name);
        // Qt's own standard buttons and dialogs; without them they stay English, which is
        // no reason to refuse ours.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QLatin1String("qtbase_") + locale.name(),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return name;
    }
    return QString();
}

void Translations::Use(QTranslator* translator, const QString& language) {
    QCoreApplication::installTranslator(translator);
    QCoreApplication::instance()->setProperty(kLanguageProperty, language);
}

QString Translations::Language() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app ? app->property(kLanguageProperty).toString() : QString();
}

bool Translations::Active() { return !Language().isEmpty(); }

QString Translations::Counted(const char* context, const char* source, qint64 count,
                              const char* one, const char* many) {
    if (Active()) return QCoreApplication::translate(context, source, nullptr, int(count));
    return QString::fromStdString(::Counted(uint64_t(count), one, many));
}

QString Translations::DialogText(const QString& english) {
    if (english.isEmpty()) return english;
    return QCoreApplication::translate("Dialog", english.toUtf8().constData());
}
