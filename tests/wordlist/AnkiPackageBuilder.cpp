// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/wordlist/AnkiPackageBuilder.h"

#include <zip.h>
#include <zstd.h>

#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "AnkiPackageBuilder: %s failed\n", what);
    std::abort();
}

constexpr const char* kNotesAndCards = R"(
CREATE TABLE notes (id integer primary key, guid text not null, mid integer not null,
  mod integer not null, usn integer not null, tags text not null, flds text not null,
  sfld integer not null, csum integer not null, flags integer not null, data text not null);
CREATE TABLE cards (id integer primary key, nid integer not null, did integer not null,
  ord integer not null, mod integer not null, usn integer not null, type integer not null,
  queue integer not null, due integer not null, ivl integer not null, factor integer not null,
  reps integer not null, lapses integer not null, left integer not null, odue integer not null,
  odid integer not null, flags integer not null, data text not null);
CREATE TABLE revlog (id integer primary key, cid integer not null, usn integer not null,
  ease integer not null, ivl integer not null, lastIvl integer not null,
  factor integer not null, time integer not null, type integer not null);
CREATE TABLE graves (usn integer not null, oid integer not null, type integer not null);
CREATE TABLE col (id integer primary key, crt integer not null, mod integer not null,
  scm integer not null, ver integer not null, dty integer not null, usn integer not null,
  ls integer not null, conf text not null, models text not null, decks text not null,
  dconf text not null, tags text not null);
)";

constexpr const char* kCurrentTables = R"(
CREATE TABLE notetypes (id integer not null primary key, name text not null,
  mtime_secs integer not null, usn integer not null, config blob not null);
CREATE TABLE fields (ntid integer not null, ord integer not null, name text not null,
  config blob not null, PRIMARY KEY (ntid, ord)) without rowid;
CREATE TABLE decks (id integer primary key not null, name text not null,
  mtime_secs integer not null, usn integer not null, common blob not null,
  kind blob not null);
CREATE TABLE config (KEY text not null primary key, usn integer not null,
  mtime_secs integer not null, val blob not null) without rowid;
)";

constexpr int64_t kBasicId = 1000, kClozeId = 1001;

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out.push_back('\'');
        out.push_back(c);
    }
    return out + "'";
}

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

std::string LegacyCol(const AnkiPackageContents& contents) {
    std::string decks = "{";
    for (const auto& [id, name] : contents.decks) {
        if (decks.size() > 1) decks += ",";
        decks += Json(std::to_string(id)) + ":{\"id\":" + std::to_string(id) +
                 ",\"name\":" + Json(name) + "}";
    }
    decks += "}";
    const std::string models =
        "{\"1000\":{\"id\":1000,\"name\":\"Basic\",\"type\":0,\"flds\":[{\"name\":\"Front\","
        "\"ord\":0},{\"name\":\"Back\",\"ord\":1}]},\"1001\":{\"id\":1001,\"name\":\"Cloze\","
        "\"type\":1,\"flds\":[{\"name\":\"Text\",\"ord\":0},{\"name\":\"Back Extra\","
        "\"ord\":1}]}}";
    return "INSERT INTO col VALUES (1, 0, 0, 0, 11, 0, 0, 0, '{}', " + Quoted(models) + ", " +
           Quoted(decks) + ", '{}', '{}');";
}

// The current schema names a deck's levels with 0x1F between them; the note type's kind,
// 1 for cloze, is field 1 of its protocol-buffer config.
std::string CurrentCol(const AnkiPackageContents& contents) {
    std::string sql = kCurrentTables;
    sql += "INSERT INTO col VALUES (1, 0, 0, 0, 18, 0, 0, 0, '', '', '', '', '');";
    sql +=
        "INSERT INTO notetypes VALUES (1000, 'Basic', 0, 0, x'0800'), "
        "(1001, 'Cloze', 0, 0, x'0801');";
    sql +=
        "INSERT INTO fields VALUES (1000, 0, 'Front', x''), (1000, 1, 'Back', x''), "
        "(1001, 0, 'Text', x''), (1001, 1, 'Back Extra', x'');";
    for (const auto& [id, name] : contents.decks) {
        std::string stored;
        for (size_t i = 0; i < name.size(); ++i) {
            if (name.compare(i, 2, "::") == 0) {
                stored.push_back('\x1f');
                ++i;
            } else {
                stored.push_back(name[i]);
            }
        }
        sql += "INSERT INTO decks VALUES (" + std::to_string(id) + ", " + Quoted(stored) +
               ", 0, 0, x'', x'');";
    }
    return sql;
}

void Execute(sqlite3* db, const std::string& sql) {
    Check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK,
          sqlite3_errmsg(db));
}

std::string Serialize(sqlite3* db) {
    sqlite3_int64 size = 0;
    unsigned char* data = sqlite3_serialize(db, "main", &size, 0);
    Check(data != nullptr, "sqlite3_serialize");
    std::string image(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
    sqlite3_free(data);
    return image;
}

void InsertNotes(sqlite3* db, const AnkiPackageContents& contents) {
    sqlite3_stmt* note = nullptr;
    sqlite3_stmt* card = nullptr;
    Check(sqlite3_prepare_v2(db, "INSERT INTO notes VALUES (?, ?, ?, 0, -1, '', ?, ?, 0, 0, '')",
                             -1, &note, nullptr) == SQLITE_OK,
          "prepare notes");
    Check(sqlite3_prepare_v2(db,
                             "INSERT INTO cards VALUES (?, ?, ?, 0, 0, -1, 0, 0, ?, 0, 0, 0, 0, "
                             "0, 0, 0, 0, '')",
                             -1, &card, nullptr) == SQLITE_OK,
          "prepare cards");
    int64_t id = 1500000000000;
    for (const AnkiPackageContents::Note& spec_note : contents.notes) {
        std::string fields;
        for (size_t i = 0; i < spec_note.fields.size(); ++i)
            fields += (i > 0 ? "\x1f" : "") + spec_note.fields[i];
        ++id;
        const std::string guid = "g" + std::to_string(id);
        sqlite3_bind_int64(note, 1, id);
        sqlite3_bind_text(note, 2, guid.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(note, 3, spec_note.isCloze ? kClozeId : kBasicId);
        sqlite3_bind_text(note, 4, fields.data(), static_cast<int>(fields.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_text(note, 5, spec_note.fields.empty() ? "" : spec_note.fields[0].c_str(), -1,
                          SQLITE_TRANSIENT);
        Check(sqlite3_step(note) == SQLITE_DONE, "insert note");
        sqlite3_reset(note);
        sqlite3_bind_int64(card, 1, id);
        sqlite3_bind_int64(card, 2, id);
        sqlite3_bind_int64(card, 3, spec_note.deckId);
        sqlite3_bind_int64(card, 4, id);
        Check(sqlite3_step(card) == SQLITE_DONE, "insert card");
        sqlite3_reset(card);
    }
    sqlite3_finalize(note);
    sqlite3_finalize(card);
}

// The media map of the older packages: JSON, from each member's number to its name.
std::string MediaMap(const AnkiPackageContents& contents) {
    std::string map = "{";
    for (size_t i = 0; i < contents.media.size(); ++i) {
        if (i > 0) map += ",";
        map += Json(std::to_string(i)) + ":" + Json(contents.media[i].first);
    }
    return map + "}";
}

std::string Varint(uint64_t value) {
    std::string out;
    do {
        out += static_cast<char>((value & 0x7F) | (value > 0x7F ? 0x80 : 0));
        value >>= 7;
    } while (value != 0);
    return out;
}

// The current packages' map, a protocol buffer: an entry (field 1) per member in order, each
// with its name (1) and size (2); the member is the entry's number.
std::string MediaEntries(const AnkiPackageContents& contents) {
    std::string map;
    for (const auto& [name, bytes] : contents.media) {
        const std::string entry =
            "\x0a" + Varint(name.size()) + name + "\x10" + Varint(bytes.size());
        map += "\x0a" + Varint(entry.size()) + entry;
    }
    return map;
}

}  // namespace

namespace AnkiPackageBuilder {

std::string DatabaseImage(const std::string& sql) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(":memory:", &db) == SQLITE_OK, "sqlite3_open");
    Execute(db, sql);
    std::string image = Serialize(db);
    sqlite3_close(db);
    return image;
}

std::string CollectionImage(const AnkiPackageContents& contents) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(":memory:", &db) == SQLITE_OK, "sqlite3_open");
    Execute(db, std::string("BEGIN;") + kNotesAndCards);
    Execute(db, contents.schema == AnkiPackageContents::Schema::kLegacy ? LegacyCol(contents)
                                                                        : CurrentCol(contents));
    InsertNotes(db, contents);
    Execute(db, "COMMIT;");
    std::string image = Serialize(db);
    sqlite3_close(db);
    if (contents.isWal) image[18] = image[19] = 2;
    return image;
}

std::string Zstd(const std::string& bytes) {
    std::string out(ZSTD_compressBound(bytes.size()), '\0');
    const size_t size = ZSTD_compress(out.data(), out.size(), bytes.data(), bytes.size(), 3);
    Check(!ZSTD_isError(size), "ZSTD_compress");
    out.resize(size);
    return out;
}

ZipEntries PackageEntries(const AnkiPackageContents& contents) {
    ZipEntries entries;
    const std::string collection = CollectionImage(contents);
    if (contents.schema == AnkiPackageContents::Schema::kLegacy) {
        entries.emplace_back("collection.anki2", collection);
        entries.emplace_back("media", MediaMap(contents));
    } else {
        AnkiPackageContents dummy;
        dummy.schema = AnkiPackageContents::Schema::kLegacy;
        dummy.notes = {
            {{"Please update to the latest Anki version, then import the .colpkg/"
              ".apkg file again.",
              ""}}};
        entries.emplace_back("collection.anki2", CollectionImage(dummy));
        entries.emplace_back("collection.anki21b", Zstd(collection));
        entries.emplace_back("meta", std::string("\x08\x03", 2));
        entries.emplace_back("media", Zstd(MediaEntries(contents)));
    }
    for (size_t i = 0; i < contents.media.size(); ++i) {
        const std::string& bytes = contents.media[i].second;
        entries.emplace_back(
            std::to_string(i),
            contents.schema == AnkiPackageContents::Schema::kLegacy ? bytes : Zstd(bytes));
    }
    return entries;
}

void WriteZip(const std::string& path, const ZipEntries& entries, const char* password,
              bool store) {
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    Check(zip != nullptr, "zip_open");
    for (const auto& [name, bytes] : entries) {
        // libzip reads the buffer only at zip_close, so it must stay alive until then.
        zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
        Check(source != nullptr, "zip_source_buffer");
        const zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        Check(index >= 0, "zip_file_add");
        if (store) Check(zip_set_file_compression(zip, index, ZIP_CM_STORE, 0) == 0, "store");
        if (password)
            Check(zip_file_set_encryption(zip, index, ZIP_EM_AES_256, password) == 0,
                  "zip_file_set_encryption");
    }
    Check(zip_close(zip) == 0, "zip_close");
}

void WritePackage(const std::string& path, const AnkiPackageContents& contents) {
    WriteZip(path, PackageEntries(contents));
}

AnkiPackageContents SampleDeck(int notes) {
    AnkiPackageContents contents;
    contents.decks = {{1, "Default"}, {2, "English::GRE"}};
    for (int i = 0; i < notes; ++i) {
        const std::string n = std::to_string(i);
        contents.notes.push_back(
            {{"<b>word" + n + "</b>",
              "a <i>definition</i> of word " + n + "&nbsp;<br>with a second line", "extra"},
             2});
    }
    contents.media = {{"picture.jpg", std::string(4096, 'p')}};
    return contents;
}

}  // namespace AnkiPackageBuilder
