// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/words/WordsFilter.h"

#include "ui/words/SearchKey.h"

WordsFilter::WordsFilter(WordsModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), m_model(model) {
    setSourceModel(&model);
    setSortRole(WordsModel::kSortRole);
}

void WordsFilter::SetSearch(const QString& text) {
    const QString needle = SearchKey::Fold(text);
    if (needle == m_needle) return;
    m_needle = needle;
    invalidateFilter();
}

bool WordsFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return m_needle.isEmpty() || m_model.Matches(sourceRow, m_needle);
}
