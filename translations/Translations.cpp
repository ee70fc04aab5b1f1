// SPDX-License-Identifier: GPL-2.0-or-later
#include "translations/Translations.h"

#include "engine/Counted.h"
#include "engine/LearnersWords.h"

#include <QCoreApplication>
#include <QDir>
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
// ("de-AT", "pt-PT", "zh-Hans-SG"), or an empty string when the program has none for it: the
// one of its country, else the one of its language written in the same script (Brazilian
// Portuguese serves Portugal, Simplified Chinese never stands in for Traditional).
QString TranslationFor(const QLocale& locale) {
    const QString full = locale.name();  // "pt_BR", "zh_CN"
    const QString language = full.section(QLatin1Char('_'), 0, 0);
    for (const QString& name : {full, language}) {
        if (QFile::exists(EmbeddedFile(name))) return name;
    }
    const QStringList ours =
        QDir(QStringLiteral(":/i18n"))
            .entryList({QLatin1String("quibbix_") + language + QLatin1String("_*.qm")});
    for (const QString& file : ours) {
        const QString name = file.mid(8).chopped(3);  // "quibbix_pt_BR.qm"
        if (QLocale(name).script() == locale.script()) return name;
    }
    return QString();
}

}  // namespace

QString Translations::Choose(const QStringList& uiLanguages) {
    // The first language named that we can speak wins; English, or the C locale, before any
    // other means English.
    for (const QString& wanted : uiLanguages) {
        const QLocale locale(wanted);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) break;
        const QString name = TranslationFor(locale);
        if (!name.isEmpty()) return name;
    }
    return QString();
}

namespace {

std::optional<std::string> InLearnersWords(const char* context, const char* source, int count) {
    if (!Translations::Active()) return std::nullopt;
    return QCoreApplication::translate(context, source, nullptr, count).toStdString();
}

}  // namespace

bool Translations::MessagesInC() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty()) return value == "C" || value == "POSIX" || value.startsWith("C.");
    }
    return true;
}

QString Translations::Install() {
    // As gettext does, LANGUAGE counts only when the locale is not C: Qt would follow it.
    if (MessagesInC()) return QString();
    const QString name = Choose(QLocale::system().uiLanguages());
    if (name.isEmpty()) return name;
    auto* ours = new QTranslator(QCoreApplication::instance());
    if (!ours->load(EmbeddedFile(name))) {
        delete ours;
        return QString();
    }
    Use(ours, name);
    // Qt's own standard buttons and dialogs; without them they stay English, which is no
    // reason to refuse ours.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLatin1String("qtbase_") + name,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return name;
}

void Translations::Use(QTranslator* translator, const QString& language) {
    QCoreApplication::installTranslator(translator);
    QCoreApplication::instance()->setProperty(kLanguageProperty, language);
    // The libraries without Qt say their pieces through the same translation.
    LearnersWords::UseTranslator(&InLearnersWords);
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
