// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/AnkiCollection.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <sqlite3.h>

namespace {

// SQLite calls the progress handler every kProgressSteps virtual machine steps; past
// kMaxProgressCalls calls the query is given up. Reading 65,534 notes takes well under a
// thousandth of that; only a database built to make the queries loop gets there.
constexpr int kProgressSteps = 1000;
constexpr int kMaxProgressCalls = 1000000;

// The byte pair at offsets 18 and 19 of the header is 2 in a database in WAL mode, which a
// deserialized image cannot open; the file in a package is complete, so it reads as if it
// used a rollback journal.
constexpr size_t kHeaderSize = 100;
constexpr size_t kWriteVersionOffset = 18;
constexpr size_t kReadVersionOffset = 19;

class Database {
public:
    ~Database() {
        if (m_db) sqlite3_close(m_db);
    }

    bool Open(std::string& image, std::string& error) {
        if (image.size() >= kHeaderSize && image[kWriteVersionOffset] == 2 &&
            image[kReadVersionOffset] == 2) {
            image[kWriteVersionOffset] = 1;
            image[kReadVersionOffset] = 1;
        }
        if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return Fail(error);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
        sqlite3_progress_handler(m_db, kProgressSteps, &Database::Progress, &m_progressCalls);
        auto* data = reinterpret_cast<unsigned char*>(image.data());
        if (sqlite3_deserialize(m_db, "main", data, image.size(), image.size(),
                                SQLITE_DESERIALIZE_READONLY) != SQLITE_OK)
            return Fail(error);
        return sqlite3_exec(m_db, "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr) ==
                   SQLITE_OK ||
               Fail(error);
    }

    // Whether SQLite can read the schema at all: a damaged or foreign file fails here.
    bool ReadsSchema(std::string& error) {
        sqlite3_stmt* statement = Prepare("SELECT count(*) FROM sqlite_schema", &error);
        if (!statement) return false;
        const bool read = sqlite3_step(statement) == SQLITE_ROW || Fail(error);
        sqlite3_finalize(statement);
        return read;
    }

    bool HasTable(const char* name) {
        sqlite3_stmt* statement =
            Prepare("SELECT 1 FROM sqlite_schema WHERE type = 'table' AND name = ?", nullptr);
        if (!statement) return false;
        sqlite3_bind_text(statement, 1, name, -1, SQLITE_STATIC);
        const bool found = sqlite3_step(statement) == SQLITE_ROW;
        sqlite3_finalize(statement);
        return found;
    }

    // nullptr with the reason in `error` (when given) on failure; the caller finalizes.
    sqlite3_stmt* Prepare(const char* sql, std::string* error) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
            if (error) Fail(*error);
            sqlite3_finalize(statement);
            return nullptr;
        }
        return statement;
    }

    bool Fail(std::string& error) {
        error = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        return false;
    }

private:
    static int Progress(void* calls) { return ++*static_cast<int*>(calls) > kMaxProgressCalls; }

    sqlite3* m_db = nullptr;
    int m_progressCalls = 0;
};

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, sqlite3_column_bytes(statement, column)) : std::string();
}

// Fields are separated by the unit separator, 0x1F; only the first two are kept.
AnkiCollection::Note SplitFields(const std::string& fields) {
    AnkiCollection::Note note;
    const size_t first = fields.find('\x1f');
    note.front = fields.substr(0, first);
    if (first != std::string::npos) {
        const size_t second = fields.find('\x1f', first + 1);
        note.back =
            fields.substr(first + 1, second == std::string::npos ? second : second - first - 1);
    }
    return note;
}

bool ReadNotes(Database& db, std::vector<AnkiCollection::Note>& notes, std::string& error) {
    sqlite3_stmt* statement = db.Prepare("SELECT flds FROM notes ORDER BY id", &error);
    if (!statement) return false;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW)
        notes.push_back(SplitFields(ColumnText(statement, 0)));
    sqlite3_finalize(statement);
    return step == SQLITE_DONE || db.Fail(error);
}

// The deck of every card, counting a card lent to a filtered deck in its home deck; false
// when the cards lie in several decks or none.
bool SingleDeck(Database& db, int64_t& deckId) {
    sqlite3_stmt* statement = db.Prepare(
        "SELECT DISTINCT CASE WHEN odid != 0 THEN odid ELSE did END FROM cards LIMIT 2", nullptr);
    if (!statement) return false;
    int decks = 0;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        deckId = sqlite3_column_int64(statement, 0);
        ++decks;
    }
    sqlite3_finalize(statement);
    return decks == 1;
}

// The current schema keeps decks in their own table, the levels of a name separated by 0x1F.
std::string DeckNameFromTable(Database& db, int64_t deckId) {
    sqlite3_stmt* statement = db.Prepare("SELECT name FROM decks WHERE id = ?", nullptr);
    if (!statement) return std::string();
    sqlite3_bind_int64(statement, 1, deckId);
    std::string name;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        for (char c : ColumnText(statement, 0)) {
            if (c == '\x1f')
                name += "::";
            else
                name.push_back(c);
        }
    }
    sqlite3_finalize(statement);
    return name;
}

// The older schema keeps every deck in one JSON object, keyed by the deck's id.
std::string DeckNameFromJson(Database& db, int64_t deckId) {
    sqlite3_stmt* statement = db.Prepare("SELECT decks FROM col", nullptr);
    if (!statement) return std::string();
    std::string json;
    if (sqlite3_step(statement) == SQLITE_ROW) json = ColumnText(statement, 0);
    sqlite3_finalize(statement);
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json));
    const QJsonObject deck = document.object().value(QString::number(deckId)).toObject();
    return deck.value(QLatin1String("name")).toString().toStdString();
}

}  // namespace

bool AnkiCollection::Read(std::string& image, std::string& error) {
    m_notes.clear();
    m_deckName.clear();
    Database db;
    if (!db.Open(image, error) || !db.ReadsSchema(error)) return false;
    if (!db.HasTable("notes")) {
        error = "it holds no notes table";
        return false;
    }
    if (!ReadNotes(db, m_notes, error)) return false;
    int64_t deckId = 0;
    if (SingleDeck(db, deckId)) {
        m_deckName =
            db.HasTable("decks") ? DeckNameFromTable(db, deckId) : DeckNameFromJson(db, deckId);
    }
    return true;
}
