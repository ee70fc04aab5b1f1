// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/EncodingDetector.h"

#include <algorithm>
#include <memory>
#include <unicode/ucsdet.h>

namespace {

// Enough text for the detector to be sure, little enough to answer at once on any file.
constexpr size_t kSampleSize = 64 * 1024;

bool IsHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The lines that hold a byte past ASCII: a word list's letters of other scripts are spread
// thin among markup, numbers and English, and only they tell encodings apart. Text with NUL
// bytes (UTF-16 or UTF-32 without a byte order mark) is taken as it starts.
std::string LinesSample(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos)
        return std::string(bytes.substr(0, kSampleSize));
    std::string sample;
    size_t start = 0;
    while (start < bytes.size() && sample.size() < kSampleSize) {
        size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        const std::string_view line = bytes.substr(start, end - start);
        if (std::any_of(line.begin(), line.end(), IsHigh)) sample.append(line);
        start = end;
    }
    return sample;
}

// Only the words that hold a byte past ASCII, a space between each: a code page is told by
// how its letters follow each other, and English definitions beside the words make every
// text look like Western European.
std::string WordsSample(std::string_view bytes) {
    std::string sample;
    size_t start = 0;
    for (size_t pos = 0; pos <= bytes.size() && sample.size() < kSampleSize; ++pos) {
        if (pos < bytes.size() && (IsHigh(bytes[pos]) || IsAsciiLetter(bytes[pos]))) continue;
        const std::string_view word = bytes.substr(start, pos - start);
        if (std::any_of(word.begin(), word.end(), IsHigh)) sample.append(word).push_back(' ');
        start = pos + 1;
    }
    return sample;
}

// Encodings of two bytes or more a character, which the detector tells apart by whole
// lines: their second bytes may look like ASCII letters.
bool IsMultiByte(const std::string& name) {
    for (const char* known : {"shift_jis", "euc-jp", "gb18030", "big5", "euc-kr"})
        if (name == known) return true;
    return name.rfind("utf-", 0) == 0;
}

// ICU's names for what the user knows by another. ISO-8859-1 is read as Windows-1252,
// which shows the same letters and punctuation where 8859-1 has only control codes.
std::optional<TextEncoding> Known(const char* icuName) {
    const std::string name = icuName;
    if (name == "ISO-8859-1") return TextEncoding::Find("windows-1252");
    if (name == "ISO-8859-8-I") return TextEncoding::Find("iso-8859-8");
    if (name == "ISO-8859-6-I") return TextEncoding::Find("iso-8859-6");
    return TextEncoding::Find(name);
}

struct DetectorCloser {
    void operator()(UCharsetDetector* detector) const { ucsdet_close(detector); }
};

// Adds the detector's guesses for `sample` among the multi-byte encodings or among the
// others, each encoding once.
void Detect(const std::string& sample, bool multiByte, std::vector<EncodingGuess>& guesses) {
    if (sample.empty()) return;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, DetectorCloser> detector(ucsdet_open(&status));
    if (U_FAILURE(status)) return;
    ucsdet_setText(detector.get(), sample.data(), static_cast<int32_t>(sample.size()), &status);
    int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status)) return;
    for (int32_t i = 0; i < count; ++i) {
        UErrorCode matchStatus = U_ZERO_ERROR;
        const char* name = ucsdet_getName(matches[i], &matchStatus);
        const int confidence = ucsdet_getConfidence(matches[i], &matchStatus);
        if (U_FAILURE(matchStatus) || name == nullptr) continue;
        const std::optional<TextEncoding> encoding = Known(name);
        if (!encoding || encoding->IsUtf8() || IsMultiByte(encoding->Name()) != multiByte) continue;
        const bool seen = std::any_of(guesses.begin(), guesses.end(), [&](const EncodingGuess& g) {
            return g.encoding.Name() == encoding->Name();
        });
        if (!seen) guesses.push_back({*encoding, confidence});
    }
}

}  // namespace

namespace EncodingDetector {

std::vector<EncodingGuess> Guess(std::string_view bytes) {
    std::vector<EncodingGuess> guesses;
    const bool hasNul = bytes.find('\0') != std::string_view::npos;
    Detect(LinesSample(bytes), true, guesses);
    // Without NUL bytes the text is no UTF-16 or UTF-32, which it might still convert as.
    if (!hasNul)
        guesses.erase(std::remove_if(guesses.begin(), guesses.end(),
                                     [](const EncodingGuess& guess) {
                                         return guess.encoding.Name().rfind("utf-", 0) == 0;
                                     }),
                      guesses.end());
    Detect(WordsSample(bytes), false, guesses);
    std::stable_sort(
        guesses.begin(), guesses.end(),
        [](const EncodingGuess& a, const EncodingGuess& b) { return a.confidence > b.confidence; });
    return guesses;
}

}  // namespace EncodingDetector
