// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "typing/TypedAnswer.h"

namespace {

using Verdict = TypedAnswer::Verdict;

struct Case {
    const char* typed;
    const char* answer;
    Verdict suggestion;
};

// The typed text as shown: wrong letters in [brackets], missing ones in {braces}.
QString Shown(const TypedAnswer::Outcome& outcome) {
    QString shown;
    for (const auto& piece : outcome.pieces) {
        switch (piece.kind) {
            case TypedAnswer::Piece::Kind::kRight:
                shown += piece.text;
                break;
            case TypedAnswer::Piece::Kind::kWrong:
                shown += "[" + piece.text + "]";
                break;
            case TypedAnswer::Piece::Kind::kMissing:
                shown += "{" + piece.text + "}";
                break;
        }
    }
    return shown;
}

TEST(TypedAnswerTest, SuggestsTheVerdictTheTypedTextEarns) {
    const Case cases[] = {
        // Case, spaces and punctuation count for nothing.
        {"House", "house", Verdict::kKnow},
        {"  the  house. ", "the house", Verdict::kKnow},
        {"well known", "well-known", Verdict::kNotSure},
        // Any one of several answers.
        {"dwelling", "house; home, dwelling", Verdict::kKnow},
        {"hom", "house; home", Verdict::kNotSure},
        // Accents alone.
        {"cafe", "café", Verdict::kNotSure},
        {"ecole", "École", Verdict::kNotSure},
        // One edit per eight letters begun.
        {"hause", "house", Verdict::kNotSure},
        {"haase", "house", Verdict::kDontKnow},
        {"acomodation", "accommodation", Verdict::kNotSure},
        {"acomodatin", "accommodation", Verdict::kDontKnow},
        {"b", "a", Verdict::kNotSure},
        // Nothing typed, or something else.
        {"", "house", Verdict::kDontKnow},
        {"   ", "house", Verdict::kDontKnow},
        {"garden", "house", Verdict::kDontKnow},
        // Other scripts: each character a letter, right-to-left in logical order.
        {"ДОМ", "дом", Verdict::kKnow},
        {"шалом", "шалом!", Verdict::kKnow},
        {"שלום", "שָׁלוֹם", Verdict::kNotSure},
        {"שלוס", "שלום", Verdict::kNotSure},
        {"图书馆", "图书馆", Verdict::kKnow},
        {"图书官", "图书馆", Verdict::kNotSure},
        {"书店", "图书馆", Verdict::kDontKnow},
        {"𠀋", "𠀋", Verdict::kKnow},
    };
    for (const Case& c : cases) {
        const auto outcome =
            TypedAnswer::Compare(QString::fromUtf8(c.typed), QString::fromUtf8(c.answer));
        EXPECT_EQ(outcome.suggestion, c.suggestion) << c.typed << " for " << c.answer;
    }
}

TEST(TypedAnswerTest, MarksWhatWasOffAgainstTheNearestAnswer) {
    auto outcome = TypedAnswer::Compare(QStringLiteral("hause"), QStringLiteral("house"));
    EXPECT_EQ(Shown(outcome), QStringLiteral("h[a]{o}use"));
    EXPECT_EQ(outcome.edits, 1);

    outcome = TypedAnswer::Compare(QStringLiteral("hom"), QStringLiteral("garden; home"));
    EXPECT_EQ(outcome.nearest, QStringLiteral("home"));
    EXPECT_EQ(Shown(outcome), QStringLiteral("hom{e}"));

    outcome = TypedAnswer::Compare(QStringLiteral("Cafe!"), QString::fromUtf8("café"));
    EXPECT_TRUE(outcome.isAccentsOnly);
    EXPECT_EQ(Shown(outcome), QString::fromUtf8("Caf[e]{é}!"));

    // Far off, the typed text is wrong as a whole.
    outcome = TypedAnswer::Compare(QStringLiteral("garden"), QStringLiteral("house"));
    EXPECT_EQ(Shown(outcome), QStringLiteral("[garden]"));
    EXPECT_TRUE(TypedAnswer::Compare(QString(), QStringLiteral("dom")).pieces.empty());
}

}  // namespace
