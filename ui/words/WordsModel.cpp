// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/words/WordsModel.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "engine/ListRec.h"
#include "engine/WordListFile.h"
#include "imports/FieldText.h"
#include "lists/ListFolder.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "ui/words/SearchKey.h"

#include <algorithm>

namespace fs = std::filesystem;
using Direction = ListFolder::Direction;

namespace {

// Above this many separate runs of rows, the views are told to start afresh rather than run
// by run: each run costs the filter a pass over every row.
constexpr size_t kMaxRunsTold = 32;

QString ShownText(const std::string& bytes) {
    return QString::fromStdString(Escaped(FieldText::ToUtf8(bytes)));
}

// Runs of consecutive rows in `rows` (ascending), each as first and last row.
std::vector<std::pair<int, int>> Runs(const std::vector<int>& rows) {
    std::vector<std::pair<int, int>> runs;
    for (int row : rows) {
        if (!runs.empty() && runs.back().second + 1 == row)
            runs.back().second = row;
        else
            runs.emplace_back(row, row);
    }
    return runs;
}

int Slot(ListFolder::Direction direction) {
    return direction == ListFolder::Direction::kForwards ? 0 : 1;
}

// The direction of a state or counter column.
int SlotOf(int column) {
    return Slot(column == WordsModel::kState || column == WordsModel::kCounter
                    ? ListFolder::Direction::kForwards
                    : ListFolder::Direction::kBackwards);
}

}  // namespace

WordsModel::WordsModel(QObject* parent) : QAbstractTableModel(parent) {}

WordsModel::Entry WordsModel::MakeEntry(WordRecord record, int origin) {
    Entry entry;
    entry.word = ShownText(record.word);
    entry.definition = ShownText(record.definition);
    entry.foldedWord = SearchKey::Fold(entry.word);
    entry.foldedDefinition = SearchKey::Fold(entry.definition);
    entry.record = std::move(record);
    entry.origin = origin;
    return entry;
}

bool WordsModel::Load(FileSystem& files, const fs::path& folder, std::string& error) {
    const std::string path = ListFolder::WordList(folder).string();
    std::string bytes;
    if (const int failure = files.ReadFile(path, bytes); failure != 0) {
        error = "cannot read " + path + " (" + DescribeError(failure) + ")";
        return false;
    }
    size_t trailing = 0;
    std::vector<WordRecord> records = WordListFile::ParseAll(bytes, trailing);
    std::vector<WordProgress> progress[kDirections];
    for (const Direction direction : ListFolder::kDirections) {
        progress[Slot(direction)] =
            SessionProgress::Read(files, ListFolder::Session(folder, direction), records.size());
    }
    const MediaIndex index = MediaIndex::Load(folder);
    beginResetModel();
    m_media.emplace(folder);
    m_thumbnails.clear();
    m_entries.clear();
    m_entries.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const CardMedia* media = index.IsEmpty() ? nullptr : index.Find(records[i]);
        Entry entry = MakeEntry(std::move(records[i]), static_cast<int>(i));
        for (int slot = 0; slot < kDirections; ++slot) entry.progress[slot] = progress[slot][i];
        if (media) entry.media = *media;
        m_entries.push_back(std::move(entry));
    }
    m_changes.clear();
    m_loadedList = std::move(bytes);
    endResetModel();
    return true;
}

bool WordsModel::IsChangedElsewhere(FileSystem& files, const fs::path& folder) const {
    std::string bytes;
    if (files.ReadFile(ListFolder::WordList(folder).string(), bytes) != 0) return true;
    return bytes != m_loadedList;
}

bool WordsModel::SetText(int row, int column, const QString& text, QString& error) {
    if (column != kWord && column != kDefinition) {
        error = tr("Only a word or a definition can be changed.");
        return false;
    }
    Entry& entry = m_entries.at(row);
    const std::string& stored = column == kWord ? entry.record.word : entry.record.definition;
    // Unchanged, as the editor had it or as the table shows it.
    if (text == QString::fromStdString(FieldText::ToUtf8(stored)) ||
        text == (column == kWord ? entry.word : entry.definition))
        return true;
    WordRecord record = entry.record;
    std::string problem;
    const bool isSound =
        column == kWord ? m_checker.Word(text.toStdString(), record, problem)
                        : m_checker.Definition(WordOf(row), text.toStdString(), record, problem);
    if (!isSound) {
        error = QString::fromStdString(problem);
        return false;
    }
    if (record == entry.record) return true;
    m_changes.push_back({Change::Kind::kEdit, {{row, entry}}});
    Entry edited = MakeEntry(std::move(record), entry.origin);
    std::copy(std::begin(entry.progress), std::end(entry.progress), edited.progress);
    edited.media = entry.media;
    entry = std::move(edited);
    emit dataChanged(index(row, 0), index(row, kColumns - 1));
    return true;
}

void WordsModel::SetMedia(int row, const CardMedia& media) {
    Entry& entry = m_entries.at(row);
    if (entry.media == media) return;
    m_changes.push_back({Change::Kind::kEdit, {{row, entry}}});
    entry.media = media;
    emit dataChanged(index(row, kMedia), index(row, kMedia));
}

std::vector<CardMedia> WordsModel::Media() const {
    std::vector<CardMedia> media;
    for (const Entry& entry : m_entries) {
        if (media.empty() && entry.media.IsEmpty()) continue;
        if (media.empty()) media.resize(static_cast<size_t>(&entry - m_entries.data()));
        media.push_back(entry.media);
    }
    if (!media.empty()) media.resize(m_entries.size());
    return media;
}

int WordsModel::AddWord(const QString& word, const QString& definition, QString& error) {
    if (m_entries.size() >= kMaxStudyWords) {
        error = tr("The list holds %1 words, the most a list can hold.").arg(kMaxStudyWords);
        return -1;
    }
    WordRecord record;
    std::string problem;
    if (!m_checker.Entry(word.toStdString(), definition.toStdString(), record, problem)) {
        error = QString::fromStdString(problem);
        return -1;
    }
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back(MakeEntry(std::move(record), -1));
    endInsertRows();
    m_changes.push_back({Change::Kind::kAdd, {{row, m_entries.back()}}});
    return row;
}

bool WordsModel::RemoveWords(std::vector<int> rows, QString& error) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return true;
    if (rows.size() >= m_entries.size()) {
        error = tr("A list keeps at least one word.");
        return false;
    }
    Change change{Change::Kind::kRemove, {}};
    for (int row : rows) change.rows.emplace_back(row, m_entries.at(row));
    Take(rows);
    m_changes.push_back(std::move(change));
    return true;
}

void WordsModel::Take(const std::vector<int>& rows) {
    const std::vector<std::pair<int, int>> runs = Runs(rows);
    if (runs.size() > kMaxRunsTold) {
        beginResetModel();
        std::vector<bool> isTaken(m_entries.size(), false);
        for (int row : rows) isTaken[row] = true;
        size_t kept = 0;
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (!isTaken[i]) m_entries[kept++] = std::move(m_entries[i]);
        m_entries.resize(kept);
        endResetModel();
        return;
    }
    // From the last run back, so the rows of the others stay where they are.
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        beginRemoveRows(QModelIndex(), run->first, run->second);
        m_entries.erase(m_entries.begin() + run->first, m_entries.begin() + run->second + 1);
        endRemoveRows();
    }
}

void WordsModel::PutBack(const std::vector<std::pair<int, Entry>>& rows) {
    std::vector<int> numbers;
    for (const auto& [row, entry] : rows) numbers.push_back(row);
    const std::vector<std::pair<int, int>> runs = Runs(numbers);
    if (runs.size() > kMaxRunsTold) beginResetModel();
    // Ascending, so each row returns to the place it had among the rows before it.
    size_t next = 0;
    for (const auto& [first, last] : runs) {
        if (runs.size() <= kMaxRunsTold) beginInsertRows(QModelIndex(), first, last);
        for (int row = first; row <= last; ++row)
            m_entries.insert(m_entries.begin() + row, rows[next++].second);
        if (runs.size() <= kMaxRunsTold) endInsertRows();
    }
    if (runs.size() > kMaxRunsTold) endResetModel();
}

bool WordsModel::Undo() {
    if (m_changes.empty()) return false;
    const Change change = std::move(m_changes.back());
    m_changes.pop_back();
    switch (change.kind) {
        case Change::Kind::kEdit: {
            const auto& [row, entry] = change.rows.front();
            m_entries.at(row) = entry;
            emit dataChanged(index(row, 0), index(row, kColumns - 1));
            break;
        }
        case Change::Kind::kAdd:
            Take({change.rows.front().first});
            break;
        case Change::Kind::kRemove:
            PutBack(change.rows);
            break;
    }
    return true;
}

int WordsModel::CountWithProgress(const std::vector<int>& rows) const {
    int count = 0;
    for (int row : rows) {
        const Entry& entry = m_entries.at(row);
        if (std::any_of(std::begin(entry.progress), std::end(entry.progress),
                        [](const WordProgress& progress) { return progress.HasProgress(); }))
            ++count;
    }
    return count;
}

bool WordsModel::Matches(int row, const QString& foldedNeedle) const {
    const Entry& entry = m_entries[row];
    return entry.foldedWord.contains(foldedNeedle) || entry.foldedDefinition.contains(foldedNeedle);
}

std::vector<WordRecord> WordsModel::Records() const {
    std::vector<WordRecord> records;
    records.reserve(m_entries.size());
    for (const Entry& entry : m_entries) records.push_back(entry.record);
    return records;
}

RecordMatcher::Pairing WordsModel::Pairing() const {
    RecordMatcher::Pairing pairing;
    pairing.reserve(m_entries.size());
    for (const Entry& entry : m_entries) pairing.push_back(entry.origin);
    return pairing;
}

int WordsModel::RowToGoOnAt(int record) const {
    if (m_entries.empty() || record < 0) return -1;
    // Loaded words keep their file order, and added ones follow them all.
    for (size_t row = 0; row < m_entries.size(); ++row)
        if (m_entries[row].origin >= record) return static_cast<int>(row);
    return 0;
}

std::string WordsModel::WordOf(int row) const {
    return FieldText::ToUtf8(m_entries.at(row).record.word);
}

int WordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int WordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant WordsModel::Shown(const Entry& entry, int column) const {
    switch (column) {
        case kWord:
            return entry.word;
        case kDefinition:
            return entry.definition;
        case kState:
        case kReverseState:
            return QCoreApplication::translate(
                "WordProgress", WordProgress::Plain(entry.progress[SlotOf(column)].state));
        case kMedia: {
            const bool hasSound =
                !entry.media.wordSound.empty() || !entry.media.definitionSound.empty();
            return hasSound ? tr("Recording") : QString();
        }
        default: {
            // The counter means something only while a word is being learned.
            const WordProgress& progress = entry.progress[SlotOf(column)];
            return progress.HasCounter() ? QVariant(progress.counter) : QVariant(QString());
        }
    }
}

QVariant WordsModel::SortKey(const Entry& entry, int column) const {
    switch (column) {
        case kWord:
            return entry.foldedWord;
        case kDefinition:
            return entry.foldedDefinition;
        case kState:
        case kReverseState:
            return static_cast<int>(entry.progress[SlotOf(column)].state);
        case kMedia:
            return (entry.media.wordPicture.empty() && entry.media.definitionPicture.empty() ? 0
                                                                                             : 2) +
                   (entry.media.wordSound.empty() && entry.media.definitionSound.empty() ? 0 : 1);
        default:
            return entry.progress[SlotOf(column)].counter;
    }
}

QVariant WordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return QVariant();
    const Entry& entry = m_entries[index.row()];
    switch (role) {
        case Qt::EditRole:
            // The editor starts from the text itself: an escape left in it would be stored as
            // a backslash and letters, and a control character is refused with import's words.
            if (index.column() == kWord || index.column() == kDefinition)
                return QString::fromStdString(FieldText::ToUtf8(
                    index.column() == kWord ? entry.record.word : entry.record.definition));
            return Shown(entry, index.column());
        case Qt::DisplayRole:
            return Shown(entry, index.column());
        case Qt::ToolTipRole:
        case Qt::DecorationRole:
            if (index.column() == kMedia) return MediaShown(entry, role);
            return index.column() == kDefinition && role == Qt::ToolTipRole
                       ? QVariant(entry.definition)
                       : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == kCounter || index.column() == kReverseCounter
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant();
        case kSortRole:
            return SortKey(entry, index.column());
        default:
            return QVariant();
    }
}

// The picture small, decoded within the same limit as in the study window; the files named
// in a tooltip.
QVariant WordsModel::MediaShown(const Entry& entry, int role) const {
    const std::string& picture =
        entry.media.wordPicture.empty() ? entry.media.definitionPicture : entry.media.wordPicture;
    if (role == Qt::ToolTipRole) {
        QStringList names;
        for (const std::string* name :
             {&entry.media.wordPicture, &entry.media.wordSound, &entry.media.definitionPicture,
              &entry.media.definitionSound})
            if (!name->empty()) names << QString::fromStdString(*name);
        return names.isEmpty() ? QVariant() : QVariant(names.join(QLatin1Char('\n')));
    }
    if (picture.empty() || !m_media) return QVariant();
    const QString key = QString::fromStdString(picture);
    const auto cached = m_thumbnails.constFind(key);
    if (cached != m_thumbnails.constEnd()) return *cached;
    // A few hundred rows in view at most; the cache starts afresh rather than grow with a
    // long scroll through pictures.
    if (m_thumbnails.size() > 512) m_thumbnails.clear();
    QImage image = MediaStore::IsStoredName(picture) ? m_media->Picture(picture)
                                                     : ListMedia::PictureFile(picture);
    QPixmap thumbnail;
    if (!image.isNull())
        thumbnail =
            QPixmap::fromImage(image.scaledToHeight(kThumbnailHeight, Qt::SmoothTransformation));
    m_thumbnails.insert(key, thumbnail);
    return thumbnail;
}

QVariant WordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const kTitles[kColumns] = {QT_TR_NOOP("Word"),
                                                  QT_TR_NOOP("Definition"),
                                                  QT_TR_NOOP("State"),
                                                  QT_TR_NOOP("Counter"),
                                                  QT_TR_NOOP("State Back"),
                                                  QT_TR_NOOP("Counter Back"),
                                                  QT_TR_NOOP("Picture and Sound")};
    static const char* const kTips[kColumns] = {
        QT_TR_NOOP("The word"),
        QT_TR_NOOP("Its definition"),
        QT_TR_NOOP("Where the word stands, studied from the word to the definition"),
        QT_TR_NOOP("Right answers in a row while it is learned, from the word to the definition"),
        QT_TR_NOOP("Where the word stands, studied backwards, from the definition to the word"),
        QT_TR_NOOP("Right answers in a row while it is learned, studied backwards"),
        QT_TR_NOOP("The card's picture, and whether it has its own recording")};
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns) return QVariant();
    if (role == Qt::DisplayRole) return tr(kTitles[section]);
    if (role == Qt::ToolTipRole) return tr(kTips[section]);
    return QVariant();
}

Qt::ItemFlags WordsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == kWord || index.column() == kDefinition) flags |= Qt::ItemIsEditable;
    return flags;
}

bool WordsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    QString error;
    if (SetText(index.row(), index.column(), value.toString(), error)) return true;
    if (m_onRefused) m_onRefused(index, value.toString(), error);
    return false;
}
