// SPDX-License-Identifier: GPL-2.0-or-later
// Anki packages built here in both schemas: what a note gives, which collection is read,
// the deck as the title, and the refusal of every package that is not a sound one.
#include "engine/ListRec.h"
#include "imports/AnkiPackageReader.h"
#include "imports/WordFileReader.h"
#include "tests/support/TempDir.h"
#include "tests/wordlist/AnkiPackageBuilder.h"
#include "tests/wordlist/ToolRunner.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

using Records = std::vector<std::pair<std::string, std::string>>;
using Schema = AnkiPackageContents::Schema;

Records RecordsOf(const WordFile& file) {
    Records records;
    for (const WordRecord& record : file.records)
        records.emplace_back(record.word, record.definition);
    return records;
}

AnkiPackageContents GreDeck(Schema schema) {
    AnkiPackageContents contents;
    contents.schema = schema;
    contents.decks = {{1, "Default"}, {1700000000001, "English::GRE"}};
    const int64_t gre = 1700000000001;
    contents.notes = {
        {{"<b>laconic</b>", "using <i>very</i> few words&nbsp;<br>and no more", "extra"}, gre},
        {{"<div>ephemeral <img src=\"e.jpg\"></div>", "lasting a short time [sound:e.mp3]"}, gre},
        {{"{{c1::obsolete::adjective}}", "no longer in use"}, gre, true},
    };
    contents.media = {{"e.jpg", "\xFF\xD8\xFF\xE0 not really a picture"}, {"e.mp3", "ID3"}};
    return contents;
}

const Records kGreRecords = {{"laconic", "using very few words and no more"},
                             {"ephemeral", "lasting a short time"},
                             {"obsolete", "no longer in use"}};

class AnkiSchema : public testing::TestWithParam<Schema> {};

TEST_P(AnkiSchema, NotesGiveFlattenedRecordsAndTheDeckTitle) {
    TempDir dir;
    AnkiPackageBuilder::WritePackage("gre.apkg", GreDeck(GetParam()));
    const Read read = ReadWords("gre.apkg");
    ASSERT_TRUE(read.file.isReadable) << read.messages;
    EXPECT_EQ(RecordsOf(read.file), kGreRecords) << read.messages;
    EXPECT_EQ(read.file.title, "English::GRE");
    EXPECT_NE(read.messages.find("gre.apkg: note: read as apkg (guessed"), std::string::npos);
}

// A package is known by its content too, and a deck split over two decks has no one title.
TEST_P(AnkiSchema, ZipByAnyNameIsReadAndSeveralDecksGiveNoTitle) {
    TempDir dir;
    AnkiPackageContents contents = GreDeck(GetParam());
    contents.notes[1].deckId = 1;
    contents.isWal = true;
    AnkiPackageBuilder::WritePackage("download.zip", contents);
    const Read read = ReadWords("download.zip");
    ASSERT_TRUE(read.file.isReadable) << read.messages;
    EXPECT_EQ(RecordsOf(read.file), kGreRecords);
    EXPECT_EQ(read.file.title, "");
}

INSTANTIATE_TEST_SUITE_P(Schemas, AnkiSchema, testing::Values(Schema::kLegacy, Schema::kCurrent),
                         [](const auto& param) {
                             return param.param == Schema::kLegacy ? "Legacy" : "Current";
                         });

TEST(AnkiPackage, NewestCollectionWinsOverTheUpdateAnkiNote) {
    TempDir dir;
    AnkiPackageContents real = GreDeck(Schema::kLegacy);
    AnkiPackageContents dummy;
    dummy.schema = Schema::kLegacy;
    dummy.notes = {{{"Please update to the latest Anki version", "then import again"}}};
    AnkiPackageBuilder::WriteZip(
        "old.apkg", {{"collection.anki2", AnkiPackageBuilder::CollectionImage(dummy)},
                     {"collection.anki21", AnkiPackageBuilder::CollectionImage(real)}});
    EXPECT_EQ(RecordsOf(ReadWords("old.apkg").file), kGreRecords);
}

TEST(AnkiPackage, ToolImportsAPackageAndRefusesItsBadNotesByNumber) {
    TempDir dir;
    AnkiPackageContents contents = GreDeck(Schema::kCurrent);
    contents.notes.push_back({{"<br>", "a note with an empty first field"}});
    AnkiPackageBuilder::WritePackage("gre.colpkg", contents);
    ToolResult result = RunTool({"import", "gre.colpkg", "-o", "out.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("gre.colpkg:4: empty word"), std::string::npos) << result.err;
    result = RunTool({"import", "--format", "apkg", "--skip-bad", "gre.colpkg", "-o", "out.lst"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(ReadRecords("out.lst"), kGreRecords);
}

TEST(AnkiPackage, ImportAndExportSayTheyLeaveTheMediaOut) {
    TempDir dir;
    AnkiPackageContents contents;
    contents.notes = {{{"chat", "cat [sound:miaow.ogg]"}}};
    contents.media = {{"miaow.ogg", "OggS and the rest"}};
    AnkiPackageBuilder::WritePackage("cat.apkg", contents);
    ToolResult result = RunTool({"import", "cat.apkg", "-o", "out.lst"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.err.find("recordings are left out"), std::string::npos) << result.err;

    // The index lies beside the list's words.
    std::filesystem::create_directories("folder/list");
    std::filesystem::rename("out.lst", "folder/list/kelvo.lst");
    WriteFile("folder/list/media.txt",
              "quibbix-media 1\nchat\tcat\t\t\t\t" + std::string(64, 'a') + ".ogg\n");
    result = RunTool({"export", "folder/list/kelvo.lst"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "chat\tcat\n");
    EXPECT_NE(result.err.find("recordings are left out"), std::string::npos) << result.err;
}

struct RefusalCase {
    const char* name;
    ZipEntries (*entries)();
    const char* message;
};

std::string CurrentCollection() {
    return AnkiPackageBuilder::CollectionImage(GreDeck(Schema::kCurrent));
}

// Frames of a megabyte of zeros each, a few hundred bytes in all, that unpack past the limit.
std::string ZstdBomb() {
    const std::string frame = AnkiPackageBuilder::Zstd(std::string(size_t{1} << 20, '\0'));
    std::string bomb;
    for (size_t i = 0; i <= (AnkiPackageReader::kMaxCollectionSize >> 20); ++i) bomb += frame;
    return bomb;
}

ZipEntries Legacy(const std::string& sql) {
    return ZipEntries{{"collection.anki2", AnkiPackageBuilder::DatabaseImage(sql)}};
}

// `count` notes numbered from 1.
std::string Rows(uint32_t count) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
           std::to_string(count) + ") INSERT INTO notes (id) SELECT i FROM n;";
}

std::string Quoted(const std::string& sql) {
    std::string quoted = "'";
    for (char c : sql) quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return quoted + "'";
}

// A notes table of `rows` notes whose fields its schema computes as `flds` says. The schema
// is rewritten once the rows are in, so that the builder does not compute them.
ZipEntries Computed(const std::string& flds, uint32_t rows,
                    const std::string& key = "id INTEGER PRIMARY KEY") {
    const std::string table = "CREATE TABLE notes (" + key + ", x";
    return Legacy(table + ");" + Rows(rows) +
                  "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = " +
                  Quoted(table + ", flds " + flds + ")") + " WHERE name = 'notes';");
}

const RefusalCase kRefusals[] = {
    {"NoCollection",
     [] {
         return ZipEntries{{"media", "{}"}, {"0", "picture"}};
     },
     "the zip archive holds no collection"},
    {"NotADatabase",
     [] {
         return ZipEntries{{"collection.anki2", std::string(4096, 'x')}};
     },
     "not a readable Anki collection in collection.anki2: file is not a database"},
    {"NoNotesTable",
     [] {
         return ZipEntries{
             {"collection.anki21", AnkiPackageBuilder::DatabaseImage("CREATE TABLE col (id);")}};
     },
     "collection.anki21: it holds no notes table"},
    // A view would run the database's own query, which may never end.
    {"NotesAsAView",
     [] {
         return ZipEntries{{"collection.anki2", AnkiPackageBuilder::DatabaseImage(
                                                    "CREATE VIEW notes AS WITH RECURSIVE c(x) AS "
                                                    "(SELECT 1 UNION ALL SELECT x + 1 FROM c) "
                                                    "SELECT x AS id, x AS flds FROM c;")}};
     },
     "it holds no notes table"},
    {"NotesWithoutFields",
     [] {
         return ZipEntries{
             {"collection.anki2", AnkiPackageBuilder::DatabaseImage("CREATE TABLE notes (id);")}};
     },
     "no such column: flds"},
    {"NotZstd",
     [] {
         return ZipEntries{{"collection.anki21b", CurrentCollection()}};
     },
     "its collection does not unpack (Unknown frame descriptor)"},
    {"ZstdCutShort",
     [] {
         const std::string packed = AnkiPackageBuilder::Zstd(CurrentCollection());
         return ZipEntries{{"collection.anki21b", packed.substr(0, packed.size() / 2)}};
     },
     "its collection is cut short"},
    {"ZstdBomb",
     [] {
         return ZipEntries{{"collection.anki21b", ZstdBomb()}};
     },
     "the collection unpacks to more than 128 MiB"},
    // A collection is a program: what its schema computes is refused at the limits, before
    // it fills the memory or the afternoon.
    {"ComputedHugeField",
     [] { return Computed("GENERATED ALWAYS AS (hex(zeroblob(450000000)))", 1); },
     "it holds or computes a value larger than 16 MiB"},
    {"ComputedWithPrintf",
     [] { return Computed("GENERATED ALWAYS AS (printf('%.*c', 900000000, 'x'))", 1); },
     "its schema formats text with printf(); refused as hostile"},
    {"ComputedFieldsPastTheTotal",
     [] { return Computed("GENERATED ALWAYS AS (hex(zeroblob(2000000)))", 40); },
     "its notes hold more than 128 MiB of text"},
    // Notes not in the order of the table's key are sorted first, all of them at once.
    {"ComputedFieldsToSort",
     [] {
         return Computed("GENERATED ALWAYS AS (hex(zeroblob(4000000)))", 64,
                         "rowkey INTEGER PRIMARY KEY, id");
     },
     "reading it takes more than 256 MiB of memory"},
    {"NotesAsAVirtualTable",
     [] {
         return Legacy(
             "CREATE VIRTUAL TABLE notes USING fts5(id, flds);"
             "INSERT INTO notes VALUES (1, 'a' || char(31) || 'b');");
     },
     "no such module: fts5"},
    {"MoreNotesThanAListHolds",
     [] {
         return Legacy("CREATE TABLE notes (id INTEGER PRIMARY KEY, flds);" +
                       Rows(kMaxStudyWords + 1) +
                       "UPDATE notes SET flds = 'w' || id || char(31) || 'd';");
     },
     "it holds more than 65534 notes, the most a list can hold"},
    {"NewerPackage",
     [] {
         return ZipEntries{{"meta", std::string("\x08\x04", 2)},
                           {"collection.anki21b", AnkiPackageBuilder::Zstd(CurrentCollection())}};
     },
     "unknown Anki package version 4"},
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class AnkiRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(AnkiRefusal, SaysWhyAndReadsNothing) {
    TempDir dir;
    AnkiPackageBuilder::WriteZip("bad.apkg", GetParam().entries());
    const Read read = ReadWords("bad.apkg");
    EXPECT_FALSE(read.file.isReadable);
    EXPECT_TRUE(read.file.records.empty());
    EXPECT_NE(read.messages.find(GetParam().message), std::string::npos) << read.messages;
}

INSTANTIATE_TEST_SUITE_P(Packages, AnkiRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(AnkiPackage, AsManyNotesAsAListHoldsAreRead) {
    TempDir dir;
    AnkiPackageBuilder::WriteZip(
        "most.apkg",
        Legacy("CREATE TABLE notes (id INTEGER PRIMARY KEY, flds);" + Rows(kMaxStudyWords) +
               "UPDATE notes SET flds = 'w' || id || char(31) || 'd';"));
    const Read read = ReadWords("most.apkg");
    ASSERT_TRUE(read.file.isReadable) << read.messages;
    EXPECT_EQ(read.file.records.size(), kMaxStudyWords);
}

TEST(AnkiPackage, EncryptedCutShortAndCorruptedArchivesAreRefused) {
    TempDir dir;
    const ZipEntries entries = AnkiPackageBuilder::PackageEntries(GreDeck(Schema::kLegacy));
    AnkiPackageBuilder::WriteZip("locked.apkg", entries, "secret");
    EXPECT_NE(ReadWords("locked.apkg").messages.find("the Anki package is encrypted"),
              std::string::npos);

    AnkiPackageBuilder::WriteZip("whole.apkg", entries, nullptr, true);
    const std::string bytes = ReadFile("whole.apkg");
    WriteFile("cut.apkg", bytes.substr(0, bytes.size() / 2));
    EXPECT_NE(ReadWords("cut.apkg")
                  .messages.find("not a readable Anki package: the zip "
                                 "archive is damaged or cut short"),
              std::string::npos);

    std::string corrupted = bytes;
    const size_t database = corrupted.find("SQLite format 3");
    ASSERT_NE(database, std::string::npos);
    corrupted[database + 200] ^= 0x55;
    WriteFile("crc.apkg", corrupted);
    const Read read = ReadWords("crc.apkg");
    EXPECT_FALSE(read.file.isReadable);
    EXPECT_NE(read.messages.find("the Anki package is damaged: collection.anki2 cannot be "
                                 "read (CRC error)"),
              std::string::npos)
        << read.messages;

    WriteFile("text.apkg", "laconic\tbrief\n");
    EXPECT_NE(ReadWords("text.apkg").messages.find("not a readable Anki package"),
              std::string::npos);
}

}  // namespace
