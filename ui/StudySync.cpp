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

StudySync::~StudySync() { Join(); }

void StudySync::Join() {
    // What it wrote stays written.
    if (m_worker.joinable()) m_worker.join();
    m_done = nullptr;
}

ListSync::Options StudySync::SyncOptions() const {
    ListSync::Options options;
    // The study window holds its direction's lock for as long as it studies.
    options.callerHoldsLock = true;
    return options;
}

bool StudySync::Run(int32_t wordOnScreen, ListSync::Report& report, std::string& error) {
    if (!m_isJoined) return true;
    Wait();
    std::vector<AnswerLog::Entry> answers = m_log.TakeAll();
    const bool synced = ListSync::Sync(m_dataHome, m_listFolder, m_direction, answers, wordOnScreen,
                                       report, error, SyncOptions());
    // A sync may fail after its journal took the answers (in the replay or the writing of the
    // session): offered again they would count twice.
    if (!synced && !report.answersTaken) m_log.PutBack(std::move(answers));
    // A folder that was away (a stick not in) is watched once it is back.
    if (m_watcher && m_watcher->directories().isEmpty()) WatchFolder();
    return synced;
}

bool StudySync::Start(int32_t wordOnScreen, std::function<void(const Outcome&)> done) {
    if (!m_isJoined || IsRunning()) return false;
    m_answers = m_log.TakeAll();
    m_outcome = Outcome();
    m_done = std::move(done);
    const uint64_t started = ++m_started;
    // The thread reads only what stays as it is until it is joined, and writes only the
    // outcome, read after the join.
    m_worker = std::thread([this, wordOnScreen, started] {
        m_outcome.synced =
            ListSync::Sync(m_dataHome, m_listFolder, m_direction, m_answers, wordOnScreen,
                           m_outcome.report, m_outcome.error, SyncOptions());
        QMetaObject::invokeMethod(
            this, [this, started] { Finish(started); }, Qt::QueuedConnection);
    });
    return true;
}

void StudySync::Finish(uint64_t started) {
    // Already taken in by Wait, or the call of a sync before the one running now.
    if (started != m_started || !m_worker.joinable()) return;
    m_worker.join();
    // A sync may fail after its journal took the answers: offered again they would count
    // twice.
    if (!m_outcome.synced && !m_outcome.report.answersTaken) m_log.PutBack(std::move(m_answers));
    m_answers.clear();
    if (m_watcher && m_watcher->directories().isEmpty()) WatchFolder();
    std::function<void(const Outcome&)> done = std::move(m_done);
    m_done = nullptr;
    if (done) done(m_outcome);
}

void StudySync::Record() {
    // A sync under way writes the journal; the answers wait in the log until it has ended.
    if (!m_isJoined || m_log.IsEmpty() || IsRunning()) return;
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
