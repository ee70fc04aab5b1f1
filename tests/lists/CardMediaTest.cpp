// SPDX-License-Identifier: GPL-2.0-or-later
// A deck's pictures and recordings, from the file the learner brings into the list's media
// store and index, and kept through the changes of the words.
#include "lists/ListImporter.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "tests/lists/ListTestFiles.h"
#include "tests/wordlist/AnkiPackageBuilder.h"

#include <QBuffer>
#include <QImage>

#include <unistd.h>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string Png(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string BigEndian(uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A few dozen bytes that claim a picture of 100,000 pixels square: ten billion pixels.
std::string PngBomb() {
    const std::string header =
        "IHDR" + BigEndian(100000) + BigEndian(100000) + "\x08\x02" + std::string(3, '\0');
    return std::string("\x89PNG\r\n\x1a\n", 8) + BigEndian(13) + header + BigEndian(Crc32(header));
}

std::string Wav() {
    const std::string samples(800, '\0');
    return "RIFF" + std::string("\x44\x03\0\0", 4) + "WAVEfmt " +
           std::string("\x10\0\0\0\x01\0\x01\0", 8) +
           std::string("\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0", 12) + "data" +
           std::string("\x20\x03\0\0", 4) + samples;
}

std::string StoredBytes(const fs::path& folder, const std::string& name) {
    return name.empty() ? std::string() : ReadFile((folder / MediaStore::kDir / name).string());
}

TEST(CardMedia, AKvtmlDocumentBringsThePicturesAndSoundsBesideIt_AndNotesWhatItLeavesOut) {
    DataHome home;
    const fs::path dir = home.Root() / "deck";
    fs::create_directories(dir / "pics");
    WriteFile((dir / "pics" / "cat.PNG").string(), Png(8, 6));
    WriteFile((dir / "cat.wav").string(), Wav());
    WriteFile((dir / "bomb.png").string(), PngBomb());
    WriteFile((dir / "fake.png").string(), "not a picture at all");
    WriteFile(home.Root() / "secret.png", Png(2, 2));
    fs::create_symlink(home.Root() / "secret.png", dir / "link.png");
    ASSERT_EQ(0, ::mkfifo((dir / "pipe.wav").c_str(), 0600));
    // Sparse: a gigabyte on paper, nothing on the disk.
    WriteFile((dir / "huge.ogg").string(), "");
    fs::resize_file(dir / "huge.ogg", uint64_t{1} << 30);
    const std::string url = "file://" + (dir / "cat.wav").string();
    const auto entry = [](const std::string& word, const std::string& media) {
        return "<entry><translation id=\"0\"><text>" + word + "</text>" + media +
               "</translation><translation id=\"1\"><text>" + word + " meaning</text>" +
               "</translation></entry>";
    };
    WriteFile(
        (dir / "deck.kvtml").string(),
        "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries>" +
            entry("cat", "<image>pics\\cat.PNG</image><sound>" + url + "</sound>") +
            entry("copycat", "<image>pics/cat.PNG</image>") +
            entry("bomb", "<image>bomb.png</image>") + entry("fake", "<image>fake.png</image>") +
            entry("link", "<image>link.png</image>") + entry("pipe", "<sound>pipe.wav</sound>") +
            entry("gone", "<image>gone.png</image>") + entry("huge", "<sound>huge.ogg</sound>") +
            entry("web", "<image>https://example.org/x.png</image>") + "</entries></kvtml>");

    const ImportPlan plan = ListImporter::Read(dir / "deck.kvtml");
    ASSERT_EQ(plan.error, "");
    ListStore store(home.Home(), home.Defaults());
    fs::path folder;
    std::string error;
    std::vector<std::string> notes = plan.notes;
    ASSERT_TRUE(ListImporter::AddAsNew(store, plan, "Cats", folder, error, &notes)) << error;

    const MediaIndex index = MediaIndex::Load(folder);
    const CardMedia* cat = index.Find({"cat", "cat meaning"});
    ASSERT_TRUE(cat);
    EXPECT_EQ(StoredBytes(folder, cat->wordPicture), Png(8, 6));
    EXPECT_EQ(StoredBytes(folder, cat->wordSound), Wav());
    ASSERT_TRUE(index.Find({"copycat", "copycat meaning"}));
    EXPECT_EQ(index.Find({"copycat", "copycat meaning"})->wordPicture, cat->wordPicture);
    EXPECT_EQ(index.Size(), 2u);
    EXPECT_EQ(index.Names().size(), 2u);
    EXPECT_EQ(
        std::distance(fs::directory_iterator(folder / MediaStore::kDir), fs::directory_iterator()),
        2);
    std::string all;
    for (const std::string& note : notes) all += note + "\n";
    for (const char* named : {"bomb.png", "fake.png", "link.png", "pipe.wav", "gone.png",
                              "huge.ogg", "https://example.org/x.png"})
        EXPECT_NE(all.find(named), std::string::npos) << named << " in\n" << all;
    EXPECT_EQ(ReadWords(folder / "list" / "kelvo.lst").size(), 9u);

    // The media go with the list's folder.
    ASSERT_TRUE(store.Rename("Cats", "Felines", error)) << error;
    const fs::path renamed = store.Find("Felines")->folder;
    EXPECT_EQ(
        StoredBytes(renamed, MediaIndex::Load(renamed).Find({"cat", "cat meaning"})->wordPicture),
        Png(8, 6));
}

TEST(CardMedia, AnAnkiPackageBringsItsMedia_InTheCurrentAndTheOlderForm) {
    for (const auto schema :
         {AnkiPackageContents::Schema::kCurrent, AnkiPackageContents::Schema::kLegacy}) {
        DataHome home;
        AnkiPackageContents contents;
        contents.schema = schema;
        contents.notes = {{{"chat<img src=\"cat &amp; co.png\">", "cat[sound:miaow.wav]"}},
                          {{"chien", "dog <img src='missing.png'>"}}};
        contents.media = {{"miaow.wav", Wav()},
                          {"cat & co.png", Png(5, 5)},
                          // Unpacks past 16 MiB from a few kilobytes.
                          {"bomb.wav", "RIFF" + std::string(17 << 20, '\0')}};
        contents.notes.push_back({{"boom[sound:bomb.wav]", "a bomb"}});
        const fs::path file = home.Root() / "deck.apkg";
        AnkiPackageBuilder::WritePackage(file.string(), contents);

        const ImportPlan plan = ListImporter::Read(file);
        ASSERT_EQ(plan.error, "");
        ASSERT_EQ(plan.records.size(), 3u);
        EXPECT_EQ(plan.records[1].definition, "dog");
        std::string notes;
        for (const std::string& note : plan.notes) notes += note;
        EXPECT_NE(notes.find("missing.png"), std::string::npos) << notes;
        ListStore store(home.Home(), home.Defaults());
        fs::path folder;
        std::string error;
        std::vector<std::string> added;
        ASSERT_TRUE(ListImporter::AddAsNew(store, plan, "Deck", folder, error, &added)) << error;
        ASSERT_EQ(added.size(), 1u);
        EXPECT_NE(added.front().find("bomb.wav"), std::string::npos) << added.front();
        const MediaIndex index = MediaIndex::Load(folder);
        const CardMedia* chat = index.Find({"chat", "cat"});
        ASSERT_TRUE(chat);
        EXPECT_EQ(StoredBytes(folder, chat->wordPicture), Png(5, 5));
        EXPECT_EQ(StoredBytes(folder, chat->definitionSound), Wav());
        EXPECT_FALSE(index.Find({"chien", "dog"}));
    }
}

TEST(CardMedia, AnUpdateCarriesEachCardsMediaToItsNewSpelling_AndDropsWhatNoCardNames) {
    DataHome home;
    const fs::path deck = home.Root() / "deck.apkg";
    AnkiPackageContents contents;
    contents.notes = {{{"chat<img src=\"a.png\">", "cat"}}, {{"chien<img src=\"b.png\">", "dog"}}};
    contents.media = {{"a.png", Png(3, 3)}, {"b.png", Png(4, 4)}};
    AnkiPackageBuilder::WritePackage(deck.string(), contents);
    ListStore store(home.Home(), home.Defaults());
    fs::path folder;
    std::string error, report;
    ASSERT_TRUE(ListImporter::AddAsNew(store, ListImporter::Read(deck), "Deck", folder, error));
    const std::string chatPicture = MediaIndex::Load(folder).Find({"chat", "cat"})->wordPicture;

    // As the Words window saves: "chat" spelt anew, "chien" gone.
    ImportPlan edit;
    edit.records = {{"le chat", "cat"}};
    edit.pairedList = ReadFile((folder / "list" / "kelvo.lst").string());
    edit.pairing = {0};
    ASSERT_TRUE(ListImporter::Update(store, edit, "Deck", report, error)) << error;
    const MediaIndex index = MediaIndex::Load(folder);
    ASSERT_TRUE(index.Find({"le chat", "cat"}));
    EXPECT_EQ(index.Find({"le chat", "cat"})->wordPicture, chatPicture);
    EXPECT_EQ(index.Size(), 1u);
    EXPECT_EQ(MediaStore(folder).TotalBytes(), Png(3, 3).size());

    // A file that gives no media leaves each card's own.
    WriteFile((home.Root() / "plain.tsv").string(), "le chat\tcat\nchien\tdog\n");
    ASSERT_TRUE(ListImporter::Update(store, ListImporter::Read(home.Root() / "plain.tsv"), "Deck",
                                     report, error))
        << error;
    EXPECT_EQ(MediaIndex::Load(folder).Find({"le chat", "cat"})->wordPicture, chatPicture);
}

TEST(CardMedia, TheIndexReadsHostileLinesAsNothing) {
    const std::string name = std::string(64, 'a') + ".png";
    const MediaIndex index = MediaIndex::Parse(
        "quibbix-media 1\n"
        "tab\\tword\tdef\t" +
        name +
        "\t\t\t\n"
        "escape\tdef\t../../etc/passwd\t\t\t\n"
        "short\tdef\n"
        "many\tdef\t\t\t\t\t\textra\n");
    ASSERT_TRUE(index.Find({"tab\tword", "def"}));
    EXPECT_EQ(index.Find({"tab\tword", "def"})->wordPicture, name);
    EXPECT_EQ(index.Size(), 1u);
    EXPECT_EQ(MediaIndex::Parse(index.Serialize()).Serialize(), index.Serialize());
    EXPECT_TRUE(MediaIndex::Parse("another format\n" + index.Serialize()).IsEmpty());
}

}  // namespace
