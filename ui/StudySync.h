#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The study window's side of a list synced through a folder: the log of this run's answers
// that the other computers need, the sync itself with those answers put back when it fails,
// run on a thread of its own so that no key press waits for it, and a watch on the folder
// that says, once its files have settled, that something may have arrived. A list that does
// not sync costs one stat and nothing else.

#include "engine/AnswerLog.h"
#include "lists/ListFolder.h"
#include "lists/ListSync.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class QFileSystemWatcher;

class StudySync : public QObject {
public:
    // A sync engine writes a file in several steps and often several files in a row: the
    // folder is read once it has been quiet this long.
    static constexpr int kSettleMs = 2000;

    // The list in `listFolder`, studied in `direction`.
    StudySync(std::filesystem::path listFolder, ListFolder::Direction direction);
    ~StudySync() override;

    bool IsJoined() const { return m_isJoined; }
    AnswerLog& Log() { return m_log; }

    // Puts the answers logged so far in this computer's journal, where no kill or failed sync
    // can lose them: before every save of the session files that count them. On failure they
    // wait in the log for the next try, and the reason goes to standard error.
    void Record();

    // Syncs the list with the answers logged so far; `wordOnScreen` is the word index on
    // screen, or -1. On failure the answers wait in the log for the next try.
    bool Run(int32_t wordOnScreen, ListSync::Report& report, std::string& error);

    // How a sync run by Start ended.
    struct Outcome {
        bool synced = false;
        ListSync::Report report;
        std::string error;
    };
    // Runs the same sync on a thread of its own; `done` runs on this object's thread once it
    // has ended. False (nothing started) when the list does not sync or a sync is running.
    // Until it ends Record does nothing, and the session files are the sync's to write.
    bool Start(int32_t wordOnScreen, std::function<void(const Outcome&)> done);
    bool IsRunning() const { return m_worker.joinable(); }
    // Waits for a running sync and runs its `done` now.
    void Wait() { Finish(m_started); }
    // Waits for a running sync and leaves it at that: for a program that is ending, where
    // nothing is left to take it in.
    void Join();

    // From now on `changed` runs once the sync folder has settled after a change.
    void Watch(std::function<void()> changed);
    // Runs `changed` again after another quiet spell: for a change that came at a bad moment.
    void TryAgainLater() { m_settle.start(kSettleMs); }

    // Seconds of use on the other computers.
    int64_t OthersSeconds() const;

private:
    ListSync::Options SyncOptions() const;
    // Takes in the sync started as the `started`th, if it is the one running.
    void Finish(uint64_t started);
    void WatchFolder();
    void OnFolderChanged();

    std::filesystem::path m_listFolder;
    std::filesystem::path m_dataHome;
    ListFolder::Direction m_direction;
    bool m_isJoined = false;
    AnswerLog m_log;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    QTimer m_settle;
    std::function<void()> m_changed;
    // The sync running on its thread: the answers it was given and how it ended.
    std::thread m_worker;
    uint64_t m_started = 0;
    std::vector<AnswerLog::Entry> m_answers;
    Outcome m_outcome;
    std::function<void(const Outcome&)> m_done;
};
