// SPDX-License-Identifier: GPL-2.0-or-later
#include "typing/TypedAnswer.h"

#include <QChar>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// A letter that counts: where it stands in the text it came from, its case-folded form, and
// that form without its accents.
struct Letter {
    qsizetype from = 0;
    qsizetype length = 0;
    char32_t folded = 0;
    char32_t base = 0;
    // Accents that stand as marks of their own after it, as Hebrew's points do.
    std::u32string marks;

    bool IsAsTyped(const Letter& other) const {
        return folded == other.folded && marks == other.marks;
    }
};

char32_t Folded(char32_t c) { return QChar::toCaseFolded(c); }

// The letter without its accents: the first character of its canonical decomposition, down
// to a letter that has none.
char32_t Base(char32_t c) {
    for (;;) {
        if (QChar::decompositionTag(c) != QChar::Canonical) return c;
        const QString parts = QChar::decomposition(c);
        if (parts.isEmpty()) return c;
        const char32_t first = parts.toUcs4().front();
        if (first == c) return c;
        c = first;
    }
}

bool IsMark(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing;
}

// The text's letters in order, spaces kept as one between words, punctuation left out; an
// accent that stands as a mark of its own goes with the letter before it. `text` is in
// composed form.
std::vector<Letter> LettersOf(const QString& text) {
    std::vector<Letter> letters;
    bool spaceDue = false;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype from = i;
        char32_t c = text.at(i++).unicode();
        if (QChar::isHighSurrogate(c) && i < text.size() && text.at(i).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(i++).unicode());
        if (QChar::isSpace(c)) {
            spaceDue = !letters.empty();
            continue;
        }
        if (IsMark(c)) {
            if (!letters.empty() && letters.back().base != U' ') {
                letters.back().marks += c;
                letters.back().length = i - letters.back().from;
            }
            continue;
        }
        if (QChar::isPunct(c)) continue;
        if (spaceDue) letters.push_back({from, 0, U' ', U' ', {}});
        spaceDue = false;
        const char32_t folded = Folded(c);
        letters.push_back({from, i - from, folded, Folded(Base(folded)), {}});
    }
    return letters;
}

int LetterCount(const std::vector<Letter>& letters) {
    return int(std::count_if(letters.begin(), letters.end(),
                             [](const Letter& l) { return l.base != U' '; }));
}

// Levenshtein's table over the letters' accent-free forms.
std::vector<std::vector<int>> EditTable(const std::vector<Letter>& a,
                                        const std::vector<Letter>& b) {
    std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = int(i);
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = int(j);
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j)
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1].base == b[j - 1].base ? 0 : 1)});
    return d;
}

void Add(std::vector<TypedAnswer::Piece>& pieces, TypedAnswer::Piece::Kind kind,
         const QString& text) {
    if (text.isEmpty()) return;
    if (!pieces.empty() && pieces.back().kind == kind)
        pieces.back().text += text;
    else
        pieces.push_back({kind, text});
}

// The typed text in pieces, walking the table back from its end: the letters typed as the
// answer has them stay right, the others are wrong, and the answer's letters not typed are
// put in where they belong. Punctuation and spaces typed stay as typed.
std::vector<TypedAnswer::Piece> PiecesOf(const QString& typed, const std::vector<Letter>& a,
                                         const QString& answer, const std::vector<Letter>& b,
                                         const std::vector<std::vector<int>>& d) {
    using Kind = TypedAnswer::Piece::Kind;
    struct Step {
        Kind kind;
        QString text;
    };
    std::vector<Step> steps;
    size_t i = a.size(), j = b.size();
    const auto typedText = [&](size_t k) { return typed.mid(a[k].from, a[k].length); };
    const auto answerText = [&](size_t k) {
        return b[k].length ? answer.mid(b[k].from, b[k].length) : QStringLiteral(" ");
    };
    while (i > 0 || j > 0) {
        if (i > 0 && j > 0 &&
            d[i][j] == d[i - 1][j - 1] + (a[i - 1].base == b[j - 1].base ? 0 : 1)) {
            if (a[i - 1].IsAsTyped(b[j - 1])) {
                steps.push_back({Kind::kRight, typedText(i - 1)});
            } else {
                steps.push_back({Kind::kMissing, answerText(j - 1)});
                steps.push_back({Kind::kWrong, typedText(i - 1)});
            }
            --i, --j;
        } else if (i > 0 && d[i][j] == d[i - 1][j] + 1) {
            steps.push_back({Kind::kWrong, typedText(--i)});
        } else {
            steps.push_back({Kind::kMissing, answerText(--j)});
        }
    }
    std::reverse(steps.begin(), steps.end());
    // What lies between the letters (punctuation, the spaces of the typed text) goes in
    // as typed, before the letter that follows it.
    std::vector<TypedAnswer::Piece> pieces;
    qsizetype shown = 0;
    size_t letter = 0;
    for (const Step& step : steps) {
        if (step.kind != Kind::kMissing && letter < a.size()) {
            const qsizetype from = a[letter].from;
            if (from > shown) Add(pieces, Kind::kRight, typed.mid(shown, from - shown));
            shown = from + a[letter].length;
            ++letter;
        }
        Add(pieces, step.kind, step.text);
    }
    if (shown < typed.size()) Add(pieces, Kind::kRight, typed.mid(shown));
    return pieces;
}

int Rank(TypedAnswer::Verdict verdict) { return int(verdict); }

}  // namespace

TypedAnswer::Outcome TypedAnswer::Compare(const QString& typedText, const QString& answerText) {
    const QString typed = typedText.trimmed().normalized(QString::NormalizationForm_C);
    const std::vector<Letter> a = LettersOf(typed);
    QStringList candidates{answerText};
    for (const QString& part :
         answerText.split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts))
        if (part != answerText) candidates << part;
    Outcome best;
    bool isFirst = true;
    for (const QString& candidate : candidates) {
        const QString answer = candidate.trimmed().normalized(QString::NormalizationForm_C);
        const std::vector<Letter> b = LettersOf(answer);
        if (b.empty()) continue;
        const auto d = EditTable(a, b);
        Outcome outcome;
        outcome.nearest = answer;
        outcome.edits = d[a.size()][b.size()];
        const bool isSame =
            a.size() == b.size() &&
            std::equal(a.begin(), a.end(), b.begin(),
                       [](const Letter& x, const Letter& y) { return x.IsAsTyped(y); });
        outcome.isAccentsOnly = !isSame && outcome.edits == 0;
        if (a.empty())
            outcome.suggestion = Verdict::kDontKnow;
        else if (isSame)
            outcome.suggestion = Verdict::kKnow;
        else if (outcome.edits <= AllowedEdits(LetterCount(b)))
            outcome.suggestion = Verdict::kNotSure;
        outcome.pieces = PiecesOf(typed, a, answer, b, d);
        const bool isBetter =
            Rank(outcome.suggestion) < Rank(best.suggestion) ||
            (Rank(outcome.suggestion) == Rank(best.suggestion) && outcome.edits < best.edits);
        if (isFirst || isBetter) best = outcome;
        isFirst = false;
    }
    // Far off, letter by letter marks would only spell the answer out in between: what was
    // typed is wrong as a whole.
    if (best.suggestion == Verdict::kDontKnow) {
        best.pieces.clear();
        if (!typed.isEmpty()) best.pieces.push_back({Piece::Kind::kWrong, typed});
    }
    return best;
}
