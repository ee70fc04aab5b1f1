// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/StudySync.h"

#include "engine/Escaped.h"

#include <QDir>
#include <QFileSystemWatcher>

#include <cstdio>

namespace fs = std::filesystem;

StudySync::StudySync(fs::path listFolder, ListFolder::Direction direction)
    : m_listFolder(std::move(listFolder)),
      m_direction(direction),
      m_isJoined(ListSync::IsJoined(m_listFolder)) {
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_changed) m_changed();
    });
    if (m_isJoined) m_dataHome = ListFolder::DataHomeOf(m_listFolder);
}

StudySync::~StudySync() = default;

bool StudySync::Run(int32_t wordOnScreen, ListSync::Report& report, std::string& error) {
    if (!m_isJoined) return true;
    std::vector<AnswerLog::Entry> answers = m_log.TakeAll();
    ListSync::Options options;
    // The study window holds its direction's lock for as long as it studies.
    options.callerHoldsLock = true;
    const bool synced = ListSync::Sync(m_dataHome, m_listFolder, m_direction, answers, wordOnScreen,
                                       report, error, options);
    // A sync may fail after its journal took the answers (in the replay or the writing of the
    // session): offered again they would count twice.
    if (!synced && !report.answersTaken) m_log.PutBack(std::move(answers));
    // A folder that was away (a stick not in) is watched once it is back.
    if (m_watcher && m_watcher->directories().isEmpty()) WatchFolder();
    return synced;
}

void StudySync::Record() {
    if (!m_isJoined || m_log.IsEmpty()) return;
    std::vector<AnswerLog::Entry> answers = m_log.TakeAll();
    ListSync::Report report;
    std::string error;
    if (ListSync::Record(m_dataHome, m_listFolder, m_direction, answers, report, error)) return;
    m_log.PutBack(std::move(answers));
    std::fprintf(stderr, "quibbix: the answers wait for the next sync: %s\n",
                 Escaped(error).c_str());
}

void StudySync::Watch(std::function<void()> changed) {
    if (!m_isJoined) return;
    m_changed = std::move(changed);
    m_watcher = std::make_unique<QFileSystemWatcher>();
    connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, this,
            [this] { OnFolderChanged(); });
    connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, this, [this] { OnFolderChanged(); });
    WatchFolder();
}

void StudySync::WatchFolder() {
    const QString folder = QString::fromStdString(ListSync::FolderOf(m_listFolder).string());
    if (!QDir(folder).exists() || !m_watcher->addPath(folder)) return;
    OnFolderChanged();
    // Nothing has changed yet: what is there has just been synced.
    m_settle.stop();
}

void StudySync::OnFolderChanged() {
    // A journal rewritten in place (a copy onto a stick, an engine that writes no temporary
    // file) changes no directory entry: every journal is watched as well.
    const QDir folder(QString::fromStdString(ListSync::FolderOf(m_listFolder).string()));
    const QStringList watched = m_watcher->files();
    for (const QString& name : folder.entryList({QStringLiteral("journal-*.txt")}, QDir::Files)) {
        const QString path = folder.filePath(name);
        if (!watched.contains(path)) m_watcher->addPath(path);
    }
    m_settle.start(kSettleMs);
}

int64_t StudySync::OthersSeconds() const {
    return m_isJoined ? ListSync::OthersSeconds(m_listFolder) : 0;
}
