#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// From a file the user brings to a list ready to study, in two steps so that a window can
// show what would be refused before anything is created: Read, then AddAsNew or Update.

#include "engine/WordRecord.h"
#include "imports/CardMedia.h"
#include "imports/ImportOptions.h"
#include "imports/MediaSource.h"
#include "imports/RecordEncoder.h"
#include "lists/ListFolder.h"
#include "lists/ListStore.h"
#include "lists/RecordMatcher.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct RefusedEntry {
    int line = 0;  // in the file; 0 when the format has no lines
    std::string reason;
};

struct ImportPlan {
    std::filesystem::path file;
    ImportOptions options;  // what the file was read with
    RecordEncoder::Options encode;
    std::string suggestedName;          // the file's title, else its name without extension
    std::string wordLocale;             // the words' locale, when the file names it
    std::string definitionLocale;       // the definitions' locale, when the file names it
    std::vector<WordRecord> records;    // what the list would hold, refused entries skipped
    std::vector<RefusedEntry> refused;  // entries that cannot be taken, and why
    std::vector<std::string> notes;     // worth telling, but nothing is lost
    std::string error;                  // set when the file cannot be imported at all
    std::string encoding = "utf-8";     // what the text was read in
    int encodingConfidence = -1;        // 0 to 100 when the encoding was guessed, else -1
    bool headerLikely = false;          // the first word and definition read like column titles
    bool isUndecodable = false;         // the text reads in neither the encoding given nor a guess
    // For an editor of the list, which knows which word became which: for each of `records`,
    // the record of the list it continues, or -1 for a new word (RecordMatcher). Empty pairs
    // the records by text.
    RecordMatcher::Pairing pairing;
    // The bytes of list/kelvo.lst that `pairing` counts records in, as the editor read them.
    std::string pairedList;
    // The pictures and recordings the file gives each of `records` (WordFile::media), and
    // where they are fetched from; empty when it gives none.
    std::vector<CardMedia> media;
    std::shared_ptr<const MediaSource> mediaSource;
    // `media` is every record's whole (an editor of the list): a record without any has none,
    // where otherwise it keeps its own. Names of the list's media store stand for themselves.
    bool isMediaWhole = false;
};

namespace ListImporter {

// Reads every format the word-list tool imports, and Anki packages, as `options` and `encode`
// say. Writes nothing.
ImportPlan Read(const std::filesystem::path& file, const ImportOptions& options = {},
                const RecordEncoder::Options& encode = {});

// Creates the list `name` holding `plan.records` and their pictures and recordings, with the
// default pictures, sound and settings; on failure nothing is left behind. `notes` gets a
// note for each picture or recording left out.
bool AddAsNew(ListStore& store, const ImportPlan& plan, const std::string& name,
              std::filesystem::path& folder, std::string& error,
              std::vector<std::string>* notes = nullptr);

// Replaces the words of the existing list `name` with `plan.records`, keeping every word's
// progress in both directions (each session is rebased, with backups, in one change). `report`
// gets a one-line summary. Refused while either direction is studied, except the one named by
// `callerHolds`, whose session lock the caller holds: the study window, saving words edited
// while it studies, passes its own direction; the other direction's lock is still taken.
// A `plan.pairing` moves each word's progress to the record it names, whatever its new
// spelling; it is refused, with nothing changed, when the list no longer holds
// `plan.pairedList`. Each card keeps its pictures and recordings (the paired one's, else
// those of the card of the same text) unless `plan.media` gives it others; files no card
// names any more are removed. `notes` gets a note for each file left out.
bool Update(ListStore& store, const ImportPlan& plan, const std::string& name, std::string& report,
            std::string& error, std::optional<ListFolder::Direction> callerHolds = std::nullopt,
            std::vector<std::string>* notes = nullptr);

}  // namespace ListImporter
