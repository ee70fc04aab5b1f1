// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/WordNetList.h"

#include "engine/AtomicFile.h"
#include "imports/TextTidy.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>

namespace {

constexpr const char* kPartsOfSpeech[] = {"noun", "verb", "adj", "adv"};
constexpr const char* kLabels[] = {"(n.) ", "(v.) ", "(adj.) ", "(adv.) "};
constexpr size_t kMinLetters = 5, kMaxLetters = 14;
constexpr int kMaxSenses = 3;
// Tagged occurrences in WordNet's sense-tagged corpus. Words seen more often than this are
// everyday words an advanced learner knows; words never seen are mostly technical terms.
constexpr int kMinTagCount = 1, kMaxTagCount = 10;
constexpr size_t kMaxDefinition = 200;

// Lexicographer files whose words make poor vocabulary: "relating to X" adjectives,
// participles, and the names of animals, plants and substances.
constexpr int kAdjPertainym = 1, kNounAnimal = 5, kNounPlant = 20, kNounSubstance = 27,
              kAdjParticiple = 44;

struct Lemma {
    int senses = 0;
    // For each part of speech that has the word: the offset of its first synset, or -1.
    long firstSynset[4] = {-1, -1, -1, -1};
};

struct Candidate {
    int tagCount;
    uint32_t hash;
    WordRecord record;
};

uint32_t Fnv1a(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : text) hash = (hash ^ c) * 16777619u;
    return hash;
}

bool IsPlainWord(const std::string& word) {
    if (word.size() < kMinLetters || word.size() > kMaxLetters) return false;
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; in >> field;) fields.push_back(field);
    return fields;
}

class Data {
public:
    bool Load(const std::string& dir, std::string& error) {
        const std::vector<std::string> paths = WordNetList::InputFiles(dir);
        for (int pos = 0; pos < 4; ++pos) {
            if (!Read(paths[2 * pos], m_index[pos], error) ||
                !Read(paths[2 * pos + 1], m_data[pos], error))
                return false;
        }
        return Read(paths[8], m_counts, error);
    }
    const std::string& Index(int pos) const { return m_index[pos]; }
    const std::string& Counts() const { return m_counts; }
    const std::string& DataFile(int pos) const { return m_data[pos]; }
    std::string SynsetLine(int pos, long offset) const {
        const std::string& data = m_data[pos];
        if (offset < 0 || static_cast<size_t>(offset) >= data.size()) return std::string();
        return data.substr(offset, data.find('\n', offset) - offset);
    }

private:
    static bool Read(const std::string& path, std::string& bytes, std::string& error) {
        if (ReadWholeFile(path, bytes)) return true;
        error = path + ": cannot read";
        return false;
    }
    std::string m_index[4], m_data[4], m_counts;
};

template <typename Visit>
void ForEachLine(const std::string& text, Visit visit) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        // Licence lines open with spaces; data lines never do.
        if (text[pos] != ' ') visit(text.substr(pos, end - pos));
        pos = end + 1;
    }
}

std::unordered_map<std::string, Lemma> ReadLemmas(const Data& data) {
    std::unordered_map<std::string, Lemma> lemmas;
    for (int pos = 0; pos < 4; ++pos) {
        ForEachLine(data.Index(pos), [&](const std::string& line) {
            const std::vector<std::string> f = Split(line);
            if (f.size() < 4) return;
            const int senses = std::atoi(f[2].c_str());
            if (senses < 1 || static_cast<size_t>(senses) > f.size()) return;
            Lemma& lemma = lemmas[f[0]];
            lemma.senses += senses;
            lemma.firstSynset[pos] = std::atol(f[f.size() - senses].c_str());
        });
    }
    return lemmas;
}

// Per word and part of speech: how often its senses were tagged in the corpus.
std::map<std::pair<std::string, int>, int> ReadTagCounts(const Data& data) {
    std::map<std::pair<std::string, int>, int> counts;
    ForEachLine(data.Counts(), [&](const std::string& line) {
        const std::vector<std::string> f = Split(line);
        const size_t percent = f.empty() ? std::string::npos : f[0].find('%');
        if (f.size() < 3 || percent == std::string::npos || percent + 1 >= f[0].size()) return;
        // Synset types 1..5: noun, verb, adjective, adverb, adjective satellite.
        static const int kPosOfType[] = {-1, 0, 1, 2, 3, 2};
        const int type = f[0][percent + 1] - '0';
        if (type < 1 || type > 5) return;
        counts[{f[0].substr(0, percent), kPosOfType[type]}] += std::atoi(f[2].c_str());
    });
    return counts;
}

// "-ed" and "-ing" forms of verbs say little that the verb does not.
bool IsVerbForm(const std::string& word, const std::unordered_map<std::string, Lemma>& lemmas) {
    const auto isVerb = [&](const std::string& base) {
        const auto found = lemmas.find(base);
        return found != lemmas.end() && found->second.firstSynset[1] >= 0;
    };
    for (const std::string suffix : {"ed", "ing"}) {
        if (word.size() <= suffix.size() + 2 ||
            word.compare(word.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        const std::string base = word.substr(0, word.size() - suffix.size());
        const bool doubled = base[base.size() - 1] == base[base.size() - 2];
        if (isVerb(base) || isVerb(base + "e") ||
            (doubled && isVerb(base.substr(0, base.size() - 1))))
            return true;
    }
    return false;
}

bool IsPlural(const std::string& word, const std::unordered_map<std::string, Lemma>& lemmas) {
    if (word.back() != 's') return false;
    const auto isNoun = [&](const std::string& base) {
        const auto found = lemmas.find(base);
        return found != lemmas.end() && found->second.firstSynset[0] >= 0;
    };
    const std::string stem = word.substr(0, word.size() - 1);
    const bool ies = word.size() > 3 && word.compare(word.size() - 3, 3, "ies") == 0;
    return isNoun(stem) || isNoun(word.substr(0, word.size() - 2)) ||
           (ies && isNoun(word.substr(0, word.size() - 3) + "y"));
}

// A definition that uses the word, or a word it is built from, teaches nothing.
bool RepeatsWord(const std::string& word, const std::string& gloss) {
    const std::string lower = TextTidy::Lower(gloss);
    if (lower.find(word) != std::string::npos) return true;
    const std::string stem = word.substr(0, std::max<size_t>(5, word.size() - 4));
    std::string token;
    for (char c : lower + ' ') {
        if (c >= 'a' && c <= 'z') {
            token.push_back(c);
            continue;
        }
        if (token.size() >= 4 &&
            (word.find(token) != std::string::npos || token.compare(0, stem.size(), stem) == 0))
            return true;
        token.clear();
    }
    return false;
}

// The gloss of a synset line without its quoted examples; empty when the word is written
// with capitals there (a name, not vocabulary) or the lexicographer file is excluded.
std::string Gloss(const std::string& line, const std::string& word) {
    const std::vector<std::string> f = Split(line.substr(0, line.find(" | ")));
    if (f.size() < 4) return std::string();
    const int lexFile = std::atoi(f[1].c_str());
    if (lexFile == kAdjPertainym || lexFile == kNounAnimal || lexFile == kNounPlant ||
        lexFile == kNounSubstance || lexFile == kAdjParticiple)
        return std::string();
    const long words = std::strtol(f[3].c_str(), nullptr, 16);
    bool written = false;
    for (long i = 0; i < words && 4 + 2 * static_cast<size_t>(i) < f.size(); ++i)
        written = written || f[4 + 2 * i].substr(0, f[4 + 2 * i].find('(')) == word;
    const size_t bar = line.find(" | ");
    if (!written || bar == std::string::npos) return std::string();
    std::string gloss = line.substr(bar + 3, line.find('"', bar) - bar - 3);
    gloss = TextTidy::CollapseSpace(gloss);
    while (!gloss.empty() && (gloss.back() == ';' || gloss.back() == ' ')) gloss.pop_back();
    return gloss;
}

// Keeps whole clauses: a gloss too long for the field loses its last "; …" parts.
std::string FitGloss(std::string gloss, size_t limit) {
    while (gloss.size() > limit) {
        const size_t cut = gloss.rfind("; ");
        if (cut == std::string::npos) return std::string();
        gloss.resize(cut);
    }
    return gloss;
}

std::string ReadLicence(const std::string& data) {
    std::string licence;
    size_t pos = 0;
    while (pos < data.size() && data[pos] == ' ') {
        const size_t end = data.find('\n', pos);
        std::string line = data.substr(pos, end - pos);
        // "  12 text  ": the line number, then the text.
        const size_t text = line.find_first_not_of(" 0123456789");
        line = text == std::string::npos ? std::string() : line.substr(text);
        while (!line.empty() && line.back() == ' ') line.pop_back();
        licence += line + '\n';
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    return licence;
}

}  // namespace

std::vector<std::string> WordNetList::InputFiles(const std::string& wordnetDir) {
    std::vector<std::string> paths;
    for (const char* name : kPartsOfSpeech) {
        paths.push_back(wordnetDir + "/index." + name);
        paths.push_back(wordnetDir + "/data." + name);
    }
    paths.push_back(wordnetDir + "/cntlist.rev");
    return paths;
}

bool WordNetList::Build(const std::string& wordnetDir, std::vector<WordRecord>& records,
                        std::string& error) {
    Data data;
    if (!data.Load(wordnetDir, error)) return false;
    const auto lemmas = ReadLemmas(data);
    const auto tagCounts = ReadTagCounts(data);

    std::vector<Candidate> candidates;
    for (const auto& [word, lemma] : lemmas) {
        if (!IsPlainWord(word) || lemma.senses > kMaxSenses) continue;
        int total = 0, bestPos = -1, bestCount = -1;
        for (int pos = 0; pos < 4; ++pos) {
            const auto found = tagCounts.find({word, pos});
            const int count = found == tagCounts.end() ? 0 : found->second;
            total += count;
            if (lemma.firstSynset[pos] >= 0 && count > bestCount) bestPos = pos, bestCount = count;
        }
        if (total < kMinTagCount || total > kMaxTagCount) continue;
        if (bestPos != 1 && IsVerbForm(word, lemmas)) continue;
        if (bestPos == 3 && word.size() > 2 && word.compare(word.size() - 2, 2, "ly") == 0)
            continue;
        if (bestPos == 0 && IsPlural(word, lemmas)) continue;
        const std::string label = kLabels[bestPos];
        const std::string gloss =
            FitGloss(Gloss(data.SynsetLine(bestPos, lemma.firstSynset[bestPos]), word),
                     kMaxDefinition - label.size());
        if (gloss.size() < 8 || RepeatsWord(word, gloss)) continue;
        candidates.push_back({total, Fnv1a(word), {word, label + gloss}});
    }
    // The most often seen words first; the hash spreads the cut evenly over the alphabet.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.tagCount != b.tagCount) return a.tagCount > b.tagCount;
        if (a.hash != b.hash) return a.hash < b.hash;
        return a.record.word < b.record.word;
    });
    if (candidates.size() > kTargetSize) candidates.resize(kTargetSize);
    records.clear();
    for (Candidate& candidate : candidates) records.push_back(std::move(candidate.record));
    std::sort(records.begin(), records.end(),
              [](const WordRecord& a, const WordRecord& b) { return a.word < b.word; });
    m_licence = ReadLicence(data.DataFile(0));
    return true;
}
