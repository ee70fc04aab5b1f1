#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A list's words as a table for the Words window: each word and definition with its progress
// in both directions of study, edited in memory with every change open to undo, until the
// window saves the records through the list's update. Rows stay in file order; sorting and
// searching are the filter's (WordsFilter).

#include "engine/FileSystem.h"
#include "engine/WordRecord.h"
#include "imports/CardMedia.h"
#include "imports/EntryChecker.h"
#include "imports/FieldEncoder.h"
#include "lists/ListFolder.h"
#include "lists/ListMedia.h"
#include "lists/RecordMatcher.h"
#include "ui/words/SessionProgress.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHash>
#include <QPixmap>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class WordsModel : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(WordsModel)

public:
    enum Column {
        kWord,
        kDefinition,
        kState,
        kCounter,
        kReverseState,
        kReverseCounter,
        kMedia,
        kColumns
    };
    // How high the media column draws a card's picture.
    static constexpr int kThumbnailHeight = 32;
    // Folded text for the text columns, the state's place in the usual course, the counter.
    static constexpr int kSortRole = Qt::UserRole;

    explicit WordsModel(QObject* parent = nullptr);

    // Reads list/kelvo.lst and the progress of both directions from `folder`, replacing
    // whatever the model held and forgetting its changes. False with `error` set when the
    // words cannot be read.
    bool Load(FileSystem& files, const std::filesystem::path& folder, std::string& error);
    // How the texts a learner types are stored; the import's default chooses per text.
    void SetEncoding(FieldEncoder::Encoding encoding) { m_checker = EntryChecker(encoding); }

    // Each change is checked as import checks an entry; refused, it sets `error` to import's
    // message and changes nothing. A text equal to the one shown is no change.
    bool SetText(int row, int column, const QString& text, QString& error);
    // The new word's row (at the end, as a new record goes), or -1.
    int AddWord(const QString& word, const QString& definition, QString& error);
    // Refused when it would leave the list without words.
    bool RemoveWords(std::vector<int> rows, QString& error);
    // Takes back the last change not yet taken back; false when there is none.
    bool Undo();
    bool CanUndo() const { return !m_changes.empty(); }
    bool IsModified() const { return !m_changes.empty(); }

    // How many of `rows` have progress in either direction, which deleting them would lose.
    int CountWithProgress(const std::vector<int>& rows) const;
    // `foldedNeedle` is folded by SearchKey.
    bool Matches(int row, const QString& foldedNeedle) const;
    // What the list is to hold, in row order: untouched words keep their stored bytes.
    std::vector<WordRecord> Records() const;
    // For each row, the record of the list as loaded that it continues, or -1 for an added
    // word, so that a word's progress follows it whatever it is now spelled.
    RecordMatcher::Pairing Pairing() const;
    // The bytes of list/kelvo.lst as loaded, which Pairing counts records in.
    const std::string& LoadedList() const { return m_loadedList; }
    // The row to go on at for record `record` of the list as loaded: its own, or when it was
    // deleted the row of the record after it (the first one after the last); -1 for none.
    int RowToGoOnAt(int record) const;
    // The pictures and recordings of `row`: names in the list's media store, or paths of files
    // chosen here and not yet brought in.
    const CardMedia& MediaOf(int row) const { return m_entries.at(row).media; }
    // Gives `row` other media, as a change that Undo takes back.
    void SetMedia(int row, const CardMedia& media);
    // Every row's media, in row order, for the save; empty when no row has any.
    std::vector<CardMedia> Media() const;
    // The word of `row` in UTF-8, as stored.
    std::string WordOf(int row) const;
    const WordProgress& ProgressOf(int row, ListFolder::Direction direction) const {
        return m_entries.at(row).progress[direction == ListFolder::Direction::kForwards ? 0 : 1];
    }

    // Told of a change the table's editor asked for and the checks refused: where, the text
    // refused and why.
    using RefusalHandler =
        std::function<void(const QModelIndex& index, const QString& text, const QString& why)>;
    void SetRefusalHandler(RefusalHandler handler) { m_onRefused = std::move(handler); }
    // Whether list/kelvo.lst in `folder` holds other bytes than when the model was loaded: a
    // save would undo what changed it.
    bool IsChangedElsewhere(FileSystem& files, const std::filesystem::path& folder) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    static constexpr int kDirections = 2;  // forwards first
    struct Entry {
        WordRecord record;  // the stored bytes, as the file holds them
        QString word;       // shown, control characters escaped
        QString definition;
        QString foldedWord;
        QString foldedDefinition;
        int origin = -1;  // the record it was loaded from; -1 for a word added here
        WordProgress progress[kDirections];
        CardMedia media;
    };
    struct Change {
        enum class Kind { kEdit, kAdd, kRemove };
        Kind kind;
        // The rows as they were before the change, ascending; an added row holds the new one.
        std::vector<std::pair<int, Entry>> rows;
    };

    static Entry MakeEntry(WordRecord record, int origin);
    QVariant Shown(const Entry& entry, int column) const;
    QVariant SortKey(const Entry& entry, int column) const;
    QVariant MediaShown(const Entry& entry, int role) const;
    // Removes (or puts back) `rows`, ascending, telling the views in as few steps as it can.
    void Take(const std::vector<int>& rows);
    void PutBack(const std::vector<std::pair<int, Entry>>& rows);

    std::vector<Entry> m_entries;
    std::vector<Change> m_changes;
    EntryChecker m_checker;
    RefusalHandler m_onRefused;
    std::string m_loadedList;  // list/kelvo.lst's bytes
    std::optional<ListMedia> m_media;
    mutable QHash<QString, QPixmap> m_thumbnails;  // by name or path
};
