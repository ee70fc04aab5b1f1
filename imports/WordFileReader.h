#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads a file a user brings, in any format the tool imports, into word records ready for
// list/kelvo.lst. The `import` command and the adding of a list both go through here, so
// that they accept and refuse alike.

#include "engine/WordRecord.h"
#include "imports/CardMedia.h"
#include "imports/Diagnostics.h"
#include "imports/ImportOptions.h"
#include "imports/MediaSource.h"
#include "imports/RecordEncoder.h"

#include <memory>
#include <string>
#include <vector>

struct WordFile {
    std::vector<WordRecord> records;  // the entries that were not refused, in file order
    int refusedCount = 0;             // entries refused by the record limits
    std::string title;                // the file's own title, when its format has one
    std::string wordLocale;           // the words' locale, when the file names it
    std::string definitionLocale;     // the definitions' locale, when the file names it
    bool isReadable = false;          // false: nothing could be taken from the file
    std::string encoding = "utf-8";   // what the text was read in
    int encodingConfidence = -1;      // 0 to 100 when the encoding was guessed, else -1
    bool headerLikely = false;        // the first entry reads like column titles
    bool isUndecodable = false;       // the text reads in neither the encoding given nor a guess
    // The pictures and recordings of each record, as `mediaSource` fetches them: empty when
    // no record has any. A reference that cannot come in is noted and left out here.
    std::vector<CardMedia> media;
    std::shared_ptr<const MediaSource> mediaSource;
};

namespace WordFileReader {

// Messages (refused entries with their lines among them) go to `diagnostics`.
WordFile Read(const std::string& path, const ImportOptions& import,
              const RecordEncoder::Options& encode, Diagnostics& diagnostics);

}  // namespace WordFileReader
