// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/AnkiCollection.h"

#include "engine/LearnersWords.h"
#include "engine/ListRec.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <chrono>
#include <cstdint>
#include <sqlite3.h>
#include <string_view>

namespace {

// SQLite calls the progress handler every kProgressSteps virtual machine steps; past
// kMaxProgressCalls calls, or kMaxReadSeconds, the query is given up. Reading 65,534 notes
// takes well under a hundredth of either; only a database built to make the queries loop,
// or to make each step costly, gets there.
constexpr int kProgressSteps = 100;
constexpr int kMaxProgressCalls = 1000000;
constexpr auto kMaxReadTime = std::chrono::seconds(10);

// The largest value read, and the most the notes' fields may hold together. A stored value
// cannot be larger than the unpacked collection; only a value the schema computes (a
// generated column, a default) can, and it is refused before it fills the memory.
constexpr int kMaxValueSize = 16 << 20;
constexpr size_t kMaxFieldsSize = size_t{128} << 20;

// SQLite's whole heap, for the sorting and temporary tables a hostile query may ask for. It
// is the process's limit: the importers are the only users of SQLite in the program.
constexpr sqlite3_int64 kMaxHeapSize = sqlite3_int64{256} << 20;

// Far beyond what Anki's schema and our queries need; a schema that needs more is refused.
struct Limit {
    int id;
    int value;
};
constexpr Limit kLimits[] = {
    {SQLITE_LIMIT_LENGTH, kMaxValueSize},
    {SQLITE_LIMIT_SQL_LENGTH, 100000},
    {SQLITE_LIMIT_COLUMN, 100},
    {SQLITE_LIMIT_EXPR_DEPTH, 100},
    {SQLITE_LIMIT_COMPOUND_SELECT, 10},
    {SQLITE_LIMIT_VDBE_OP, 25000},
    {SQLITE_LIMIT_FUNCTION_ARG, 8},
    {SQLITE_LIMIT_ATTACHED, 0},
    {SQLITE_LIMIT_LIKE_PATTERN_LENGTH, 100},
    {SQLITE_LIMIT_VARIABLE_NUMBER, 10},
    {SQLITE_LIMIT_TRIGGER_DEPTH, 1},
    {SQLITE_LIMIT_WORKER_THREADS, 0},
};

// The byte pair at offsets 18 and 19 of the header is 2 in a database in WAL mode, which a
// deserialized image cannot open; the file in a package is complete, so it reads as if it
// used a rollback journal.
constexpr size_t kHeaderSize = 100;
constexpr size_t kWriteVersionOffset = 18;
constexpr size_t kReadVersionOffset = 19;

std::string MiB(size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// SQLite's printf() repeating a character a billion times ("%.*c") loops for seconds, out
// of the progress handler's reach, before it gives up. No collection formats its own values,
// so a schema that asks to is refused.
void RefuseFormatting(sqlite3_context* context, int, sqlite3_value**) {
    sqlite3_result_error(context, "its schema formats text with printf(); refused as hostile", -1);
}

constexpr const char* kFormatFunctions[] = {"printf", "format"};

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
        const sqlite3_int64 heapLimit = sqlite3_hard_heap_limit64(-1);
        if (heapLimit == 0 || heapLimit > kMaxHeapSize) sqlite3_hard_heap_limit64(kMaxHeapSize);
        if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            return Fail(error);
        for (const Limit& limit : kLimits) sqlite3_limit(m_db, limit.id, limit.value);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
        // A virtual table runs its module's code on the database's shadow tables; no
        // collection needs one.
        sqlite3_drop_modules(m_db, nullptr);
        for (const char* name : kFormatFunctions) {
            sqlite3_create_function_v2(m_db, name, -1,
                                       SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                       nullptr, &RefuseFormatting, nullptr, nullptr, nullptr);
        }
        m_deadline = std::chrono::steady_clock::now() + kMaxReadTime;
        sqlite3_progress_handler(m_db, kProgressSteps, &Database::Progress, this);
        // Sorting spills to memory, under the heap limit, rather than to files of any size.
        if (sqlite3_exec(m_db, "PRAGMA temp_store=MEMORY", nullptr, nullptr, nullptr) != SQLITE_OK)
            return Fail(error);
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

    // SQLite's own words, except where a limit above stopped the read: those say what the
    // collection asked for.
    bool Fail(std::string& error) {
        if (!m_db) {
            error = LearnersWords::Said("Import", "out of memory");
            return false;
        }
        switch (sqlite3_errcode(m_db)) {
            case SQLITE_TOOBIG:
                error = LearnersWords::Filled(
                    LearnersWords::Said(
                        "Import",
                        "it holds or computes a value larger than %1; refused as damaged"),
                    {MiB(kMaxValueSize)});
                break;
            case SQLITE_NOMEM:
                error = LearnersWords::Filled(
                    LearnersWords::Said(
                        "Import", "reading it takes more than %1 of memory; refused as damaged"),
                    {MiB(kMaxHeapSize)});
                break;
            case SQLITE_INTERRUPT:
                error = LearnersWords::Said(
                    "Import",
                    "reading it takes more work than any collection needs; refused as damaged");
                break;
            default:
                error = sqlite3_errmsg(m_db);
                break;
        }
        return false;
    }

private:
    static int Progress(void* self) {
        Database& db = *static_cast<Database*>(self);
        return ++db.m_progressCalls > kMaxProgressCalls ||
               std::chrono::steady_clock::now() > db.m_deadline;
    }

    sqlite3* m_db = nullptr;
    int m_progressCalls = 0;
    std::chrono::steady_clock::time_point m_deadline;
};

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string(text, sqlite3_column_bytes(statement, column)) : std::string();
}

std::string_view ColumnView(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? std::string_view(text,
                                   static_cast<size_t>(sqlite3_column_bytes(statement, column)))
                : std::string_view();
}

// Fields are separated by the unit separator, 0x1F; only the first two are kept.
AnkiCollection::Note SplitFields(std::string_view fields) {
    AnkiCollection::Note note;
    const size_t first = fields.find('\x1f');
    note.front = std::string(fields.substr(0, first));
    if (first != std::string_view::npos) {
        const size_t second = fields.find('\x1f', first + 1);
        note.back = std::string(fields.substr(
            first + 1, second == std::string_view::npos ? second : second - first - 1));
    }
    return note;
}

// One note past the most a list holds is read, to tell that there are more.
bool ReadNotes(Database& db, std::vector<AnkiCollection::Note>& notes, std::string& error) {
    const std::string sql =
        "SELECT flds FROM notes ORDER BY id LIMIT " + std::to_string(kMaxStudyWords + 1);
    sqlite3_stmt* statement = db.Prepare(sql.c_str(), &error);
    if (!statement) return false;
    int step = SQLITE_ROW;
    size_t fieldsSize = 0;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        if (notes.size() == kMaxStudyWords) {
            error = LearnersWords::Filled(
                LearnersWords::Said("Import",
                                    "it holds more than %1 notes, the most a list can hold"),
                {std::to_string(kMaxStudyWords)});
            break;
        }
        const std::string_view fields = ColumnView(statement, 0);
        fieldsSize += fields.size();
        if (fieldsSize > kMaxFieldsSize) {
            error =
                "its notes hold more than " + MiB(kMaxFieldsSize) + " of text; refused as damaged";
            break;
        }
        notes.push_back(SplitFields(fields));
    }
    sqlite3_finalize(statement);
    if (step == SQLITE_ROW) return false;
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
        error = LearnersWords::Said("Import", "it holds no notes table");
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
