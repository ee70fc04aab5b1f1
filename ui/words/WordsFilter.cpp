// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/words/WordsFilter.h"

#include "ui/words/SearchKey.h"

WordsFilter::WordsFilter(WordsModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(model) {
    setSourceModel(&model);
    setSortRole(WordsModel::kSortRole);
    const auto forget = [this] { ForgetMatches(); };
    connect(&model, &QAbstractItemModel::rowsInserted, this, forget);
    connect(&model, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(&model, &QAbstractItemModel::rowsMoved, this, forget);
    connect(&model, &QAbstractItemModel::modelReset, this, forget);
    connect(&model, &QAbstractItemModel::dataChanged, this, forget);
}

void WordsFilter::SetSearch(const QString& text) {
    const QString needle = SearchKey::Fold(text);
    if (needle == m_needle) return;
    const bool narrows = !m_needle.isEmpty() && needle.contains(m_needle) &&
                         m_matches.size() == static_cast<size_t>(m_model.rowCount());
    m_candidates = narrows ? std::move(m_matches) : std::vector<bool>();
    m_matches.assign(static_cast<size_t>(m_model.rowCount()), false);
    m_needle = needle;
    // Told as one change of layout: row by row, tens of thousands of rows taken out and put
    // back cost the table far more than the search itself.
    invalidate();
    m_candidates.clear();
}

bool WordsFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const auto row = static_cast<size_t>(sourceRow);
    if (row < m_candidates.size() && !m_candidates[row]) return false;
    const bool matches = m_needle.isEmpty() || m_model.Matches(sourceRow, m_needle);
    if (row < m_matches.size()) m_matches[row] = matches;
    return matches;
}
