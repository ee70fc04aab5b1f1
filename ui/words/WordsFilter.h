#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Searches and sorts the Words window's table: a row shows when its word or definition holds
// what was typed, ignoring case and accents; any column sorts, the states in their usual
// course from to be viewed to known.

#include "ui/words/WordsModel.h"

#include <QSortFilterProxyModel>

class WordsFilter : public QSortFilterProxyModel {
public:
    // `model` must outlive the filter.
    explicit WordsFilter(WordsModel& model, QObject* parent = nullptr);

    void SetSearch(const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    WordsModel& m_model;
    QString m_needle;  // folded
};
