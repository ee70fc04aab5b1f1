// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-launch prepares the user's working directory and starts the program there:
// $XDG_DATA_HOME/quibbix (default ~/.local/share/quibbix) with list/ holding the default word
// list, pictures, sound and display settings, copied in where missing so that a user's own
// files are never overwritten, and session/ for the progress.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

// The default files: beside the build's bin/ in list/, or where they are installed.
QString FindDefaultList(const QString& binDir) {
    const QStringList candidates = {
        qEnvironmentVariable("QUIBBIX_LIST_DIR"),
        binDir + QStringLiteral("/../list"),
        binDir + QStringLiteral("/../share/quibbix/list"),
    };
    for (const QString& dir : candidates) {
        if (!dir.isEmpty() && QFileInfo::exists(dir + QStringLiteral("/kelvo.lst")))
            return QDir(dir).canonicalPath();
    }
    return QString();
}

bool CopyMissing(const QString& from, const QString& to) {
    bool ok = true;
    const QDir source(from);
    for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
        const QString target = to + QLatin1Char('/') + file.fileName();
        if (QFileInfo::exists(target)) continue;
        if (!QFile::copy(file.absoluteFilePath(), target)) {
            std::fprintf(stderr, "quibbix-launch: cannot copy %s to %s\n",
                         qPrintable(file.absoluteFilePath()), qPrintable(target));
            ok = false;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString binDir = QCoreApplication::applicationDirPath();
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/quibbix");
    if (!QDir().mkpath(home + QStringLiteral("/list")) ||
        !QDir().mkpath(home + QStringLiteral("/session"))) {
        std::fprintf(stderr, "quibbix-launch: cannot create %s\n", qPrintable(home));
        return 1;
    }
    const QString defaults = FindDefaultList(binDir);
    if (defaults.isEmpty()) {
        std::fprintf(stderr, "quibbix-launch: the default word list was not found\n");
    } else {
        CopyMissing(defaults, home + QStringLiteral("/list"));
    }

    QProcess program;
    program.setProgram(binDir + QStringLiteral("/quibbix"));
    program.setArguments(QCoreApplication::arguments().mid(1));
    program.setWorkingDirectory(home);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.setInputChannelMode(QProcess::ForwardedInputChannel);
    program.start();
    if (!program.waitForStarted(-1)) {
        std::fprintf(stderr, "quibbix-launch: cannot start %s\n", qPrintable(program.program()));
        return 1;
    }
    program.waitForFinished(-1);
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : 1;
}
