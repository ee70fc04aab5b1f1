#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Searches and sorts the Words window's table: a row shows when its word or definition holds
// what was typed, ignoring case and accents; any column sorts, the states in their usual
// course from to be viewed to known. A keystroke that extends the search looks only at the
// rows the search before it showed, as no other row can hold the longer text.

#include "ui/words/WordsModel.h"

#include <QSortFilterProxyModel>

#include <vector>

class WordsFilter : public QSortFilterProxyModel {
public:
    // `model` must outlive the filter.
    explicit WordsFilter(WordsModel& model, QObject* parent = nullptr);

    void SetSearch(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    // The rows' words change: what the last search showed no longer says where to look.
    void ForgetMatches() { m_matches.clear(); }

    WordsModel& m_model;
    QString m_needle;  // folded
    // Whether each source row matched m_needle, as the last filtering found; empty when
    // unknown. While a narrowed search filters, `m_candidates` holds the rows to look at.
    mutable std::vector<bool> m_matches;
    std::vector<bool> m_candidates;
};
