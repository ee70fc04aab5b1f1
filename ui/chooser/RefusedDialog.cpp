// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/RefusedDialog.h"

#include "engine/Escaped.h"
#include "ui/chooser/ImportFlow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "translations/Translations.h"
#include "windowfit/WindowFit.h"

namespace {

// The file's name and its entries, as the file holds them, reach the window only through this.
QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

QString Intro(const ImportPlan& plan) {
    const QString file = Shown(plan.file.filename().string());
    const qsizetype refused = static_cast<qsizetype>(plan.refused.size());
    const QString count =
        Translations::Counted("RefusedDialog", QT_TRANSLATE_N_NOOP("RefusedDialog", "%n entry(s)"),
                              refused, "entry", "entries");
    if (plan.records.empty())
        return QCoreApplication::translate("RefusedDialog",
                                           "None of the entries in “%1” can be added to a list:")
            .arg(file);
    return QCoreApplication::translate("RefusedDialog",
                                       "%1 in “%2” cannot be added to the list; the other %3 can:")
        .arg(count, file, QString::number(plan.records.size()));
}

QTreeWidget* EntriesView(const ImportPlan& plan) {
    auto* view = new QTreeWidget;
    view->setObjectName(QStringLiteral("refusedEntriesView"));
    view->setAccessibleName(
        QCoreApplication::translate("RefusedDialog", "Entries that cannot be added"));
    view->setHeaderLabels({QCoreApplication::translate("RefusedDialog", "Line"),
                           QCoreApplication::translate("RefusedDialog", "Reason")});
    view->setRootIsDecorated(false);
    // A reason is read whole, over as many lines as it takes.
    view->setUniformRowHeights(false);
    view->setWordWrap(true);
    view->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view->header()->setStretchLastSection(true);
    QList<QTreeWidgetItem*> items;
    for (const RefusedEntry& entry : plan.refused) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, entry.line > 0 ? QString::number(entry.line) : QStringLiteral("–"));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(1, ImportFlow::ForWindow(entry.reason));
        item->setToolTip(1, item->text(1));
        items.append(item);
    }
    view->addTopLevelItems(items);
    if (!items.isEmpty()) view->setCurrentItem(items.first());
    return view;
}

}  // namespace

RefusedDialog::RefusedDialog(const ImportPlan& plan, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Entries That Cannot Be Added"));
    auto* layout = new QVBoxLayout(this);
    // The file's name and what is said of its entries are never markup.
    auto* intro = new QLabel(Intro(plan));
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    QTreeWidget* view = EntriesView(plan);
    intro->setBuddy(view);
    layout->addWidget(view, 1);
    for (const std::string& note : plan.notes) {
        auto* label = new QLabel(ImportFlow::ForWindow(note));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    // Named by their texts, as they are seen; what they do comes after.
    cancel->setAccessibleDescription(tr("Cancel, add nothing"));
    if (!plan.records.empty()) {
        QPushButton* skip =
            buttons->addButton(tr("&Skip Them and Add the Rest"), QDialogButtonBox::AcceptRole);
        skip->setObjectName(QStringLiteral("skipButton"));
        skip->setAccessibleDescription(tr("Skip these entries and add the rest"));
        skip->setDefault(true);
    } else {
        cancel->setDefault(true);
    }
    if (!plan.encode.truncate) {
        QPushButton* cut = buttons->addButton(tr("C&ut Them to Fit"), QDialogButtonBox::ActionRole);
        cut->setObjectName(QStringLiteral("cutButton"));
        cut->setAccessibleDescription(
            tr("Cut the words and definitions too long for the list at their last whole letter "
               "that fits"));
        connect(cut, &QPushButton::clicked, this, [this] { done(kCutToFit); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    view->setFocus();
    resize(560, 360);
    FitToScreen(*this);
}
