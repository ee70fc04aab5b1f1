// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/ChooserWindow.h"

#include "engine/Escaped.h"
#include "ui/chooser/ImportFlow.h"
#include "ui/chooser/StudyCheck.h"
#include "ui/chooser/SyncFlow.h"
#include "ui/help/HelpWindow.h"
#include "ui/speech/SpeechDialog.h"
#include "ui/words/WordsWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "windowfit/PlainMessageBox.h"
#include "windowfit/WindowFit.h"

namespace {

enum Column { kName, kWords, kKnown, kKnownBackwards, kLastStudied, kSynced };

// The chooser's ini file keeps, per list folder, whether it is studied backwards.
const QString kBackwardsGroup = QStringLiteral("backwards");
// And whether its answers are typed, per direction.
QString TypingGroup(bool backwards) {
    return backwards ? QStringLiteral("type-backwards") : QStringLiteral("type");
}

QString DirectionKey(const std::filesystem::path& folder) {
    // A folder's path holds slashes, which would make groups of the key.
    return QString::fromLatin1(QByteArray::fromStdString(folder.string()).toPercentEncoding());
}

QString LastStudied(int64_t seconds) {
    if (seconds <= 0) return QCoreApplication::translate("ChooserWindow", "never");
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds).date(), QLocale::ShortFormat);
}

QTreeWidgetItem* ItemFor(const ListSummary& list) {
    const QLocale locale;
    auto* item = new QTreeWidgetItem;
    item->setText(kName, QString::fromStdString(list.name));
    item->setData(kName, Qt::UserRole, QString::fromStdString(list.name));
    item->setText(kWords, locale.toString(list.words));
    item->setText(kKnown, QCoreApplication::translate("ChooserWindow", "%1 of %2")
                              .arg(locale.toString(list.known), item->text(kWords)));
    item->setText(kKnownBackwards,
                  QCoreApplication::translate("ChooserWindow", "%1 of %2")
                      .arg(locale.toString(list.knownBackwards), item->text(kWords)));
    item->setText(kLastStudied, LastStudied(list.lastStudied));
    item->setText(kSynced, SyncFlow::FolderShown(list.folder));
    item->setToolTip(kSynced, item->text(kSynced));
    for (int column : {kWords, kKnown, kKnownBackwards})
        item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A screen reader names a button by its text, as it is seen; what it does comes after.
QPushButton* Button(const QString& text, const char* name, const QString& description) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    // Only Study answers Enter: the list keeps the keyboard while the user picks.
    button->setAutoDefault(false);
    return button;
}

QString PickFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QCoreApplication::translate("ChooserWindow", "Add a List"), QDir::homePath(),
        QCoreApplication::translate("ChooserWindow",
                                    "Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;"
                                    "All files (*)"));
}

}  // namespace

ChooserWindow::ChooserWindow(ListStore& store, const QString& settingsFile, QWidget* parent)
    : QDialog(parent), m_store(store), m_settingsFile(settingsFile) {
    setWindowTitle(tr("Quibbix: Choose a List"));
    setObjectName(QStringLiteral("chooserWindow"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Lists:"));
    layout->addWidget(label);

    m_view = new QTreeWidget;
    m_view->setObjectName(QStringLiteral("listsView"));
    m_view->setAccessibleName(tr("Word lists"));
    m_view->setAccessibleDescription(
        tr("Each list with its words, the words known each way, when it was last "
           "studied and the folder it syncs through"));
    m_view->setHeaderLabels({tr("List"), tr("Words"), tr("Known"), tr("Known Backwards"),
                             tr("Last Studied"), tr("Synced Through")});
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->header()->setStretchLastSection(false);
    m_view->header()->setSectionResizeMode(kName, QHeaderView::Stretch);
    for (int column : {kWords, kKnown, kKnownBackwards, kLastStudied, kSynced})
        m_view->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    label->setBuddy(m_view);
    layout->addWidget(m_view, 1);

    auto* buttons = new QHBoxLayout;
    auto* add = Button(tr("&Add a List…"), "addButton", tr("Add a list from a file"));
    m_rename = Button(tr("Re&name"), "renameButton", tr("Rename the selected list"));
    m_remove = Button(tr("&Remove"), "removeButton", tr("Move the selected list to the trash"));
    m_editWords =
        Button(tr("&Edit Words…"), "editWordsButton", tr("Edit the words of the selected list"));
    m_sync = Button(tr("S&ync…"), "syncButton",
                    tr("Sync the selected list through a folder with other computers"));
    m_speech = Button(tr("Spee&ch…"), "speechButton",
                      tr("The languages the selected list is spoken in, and whether each word "
                         "is spoken as it appears"));
    m_study = Button(tr("&Study"), "studyButton", tr("Study the selected list"));
    m_study->setDefault(true);
    m_backwards = new QCheckBox(tr("&Backwards"));
    m_backwards->setObjectName(QStringLiteral("backwardsCheckBox"));
    // Named by its text; the tip is what a screen reader says of it besides.
    m_backwards->setToolTip(
        tr("Study the selected list from the definition to the word; each way "
           "keeps its own progress"));
    m_typing = new QCheckBox(tr("&Type the Answer"));
    m_typing->setObjectName(QStringLiteral("typingCheckBox"));
    m_typing->setToolTip(
        tr("Type each answer and be told what was off; backwards, this practises spelling"));
    for (QPushButton* button : {add, m_editWords, m_speech, m_sync, m_rename, m_remove})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_backwards);
    buttons->addWidget(m_typing);
    buttons->addWidget(m_study);
    layout->addLayout(buttons);

    connect(m_study, &QPushButton::clicked, this, [this] { Study(); });
    connect(add, &QPushButton::clicked, this, [this] { AddList(); });
    connect(m_editWords, &QPushButton::clicked, this, [this] { EditWords(); });
    connect(m_sync, &QPushButton::clicked, this, [this] { SyncList(); });
    connect(m_speech, &QPushButton::clicked, this, [this] { EditSpeech(); });
    connect(m_rename, &QPushButton::clicked, this, [this] { RenameList(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { RemoveList(); });
    connect(m_view, &QTreeWidget::itemDoubleClicked, this, [this] { Study(); });
    connect(m_view, &QTreeWidget::currentItemChanged, this, [this] {
        UpdateButtons();
        ShowDirection();
    });
    connect(m_backwards, &QCheckBox::clicked, this, [this] {
        RememberDirection();
        ShowDirection();
    });
    connect(m_typing, &QCheckBox::clicked, this, [this] { RememberTyping(); });
    m_view->installEventFilter(this);

    Reload();
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    if (!restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray()))
        resize(620, 300);
    // A size kept from a larger screen, or a larger scale, must not put it off this one.
    FitToScreen(*this);
    m_view->setFocus();
    HelpWindow::InstallShortcut(this);
}

QString ChooserWindow::DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quibbix/chooser.ini");
}

void ChooserWindow::done(int result) {
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.sync();
    QDialog::done(result);
}

// Delete and F2 on the lists do what they do in a file manager.
bool ChooserWindow::eventFilter(QObject* watched, QEvent* event) {
    // Qt tells a screen reader of the lists as a whole just after this, and of no row.
    if (watched == m_view && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, this, [this] { AnnounceCurrentRow(); });
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete) {
            RemoveList();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_F2) {
            RenameList();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ChooserWindow::Reload(const std::string& name) {
    m_view->clear();
    QTreeWidgetItem* select = nullptr;
    int64_t latest = -1;
    for (const ListSummary& list : m_store.Lists()) {
        QTreeWidgetItem* item = ItemFor(list);
        m_view->addTopLevelItem(item);
        const bool wanted = name.empty() ? list.lastStudied > latest : list.name == name;
        if (wanted && (name.empty() || !select)) {
            select = item;
            latest = list.lastStudied;
        }
    }
    if (select) m_view->setCurrentItem(select);
    UpdateButtons();
}

// The row selected when the lists take the focus is what a screen reader is to say: the
// list studied last on opening, else the one the user was on.
void ChooserWindow::AnnounceCurrentRow() {
    const QModelIndex current = m_view->currentIndex();
    if (!QAccessible::isActive() || !m_view->hasFocus() || !current.isValid()) return;
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(m_view);
    QAccessibleTableInterface* table = view ? view->tableInterface() : nullptr;
    QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
    if (!cell) return;
    QAccessibleEvent focus(m_view, QAccessible::Focus);
    focus.setChild(view->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

std::optional<ListSummary> ChooserWindow::Current() const {
    const QTreeWidgetItem* item = m_view->currentItem();
    if (!item) return std::nullopt;
    return m_store.Find(item->data(kName, Qt::UserRole).toString().toStdString());
}

void ChooserWindow::UpdateButtons() {
    const bool hasCurrent = m_view->currentItem() != nullptr;
    for (QPushButton* button : {m_study, m_editWords, m_speech, m_sync, m_rename, m_remove})
        button->setEnabled(hasCurrent);
    m_backwards->setEnabled(hasCurrent);
    m_typing->setEnabled(hasCurrent);
}

void ChooserWindow::ShowDirection() {
    const std::optional<ListSummary> list = Current();
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(kBackwardsGroup);
    m_backwards->setChecked(list && settings.value(DirectionKey(list->folder), false).toBool());
    settings.endGroup();
    settings.beginGroup(TypingGroup(m_backwards->isChecked()));
    m_typing->setChecked(list && settings.value(DirectionKey(list->folder), false).toBool());
}

void ChooserWindow::RememberTyping() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(TypingGroup(m_backwards->isChecked()));
    if (m_typing->isChecked())
        settings.setValue(DirectionKey(list->folder), true);
    else
        settings.remove(DirectionKey(list->folder));
}

void ChooserWindow::SetTyping(bool typing) {
    m_typing->setChecked(typing);
    RememberTyping();
}

void ChooserWindow::RememberDirection() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(kBackwardsGroup);
    if (m_backwards->isChecked())
        settings.setValue(DirectionKey(list->folder), true);
    else
        settings.remove(DirectionKey(list->folder));
}

void ChooserWindow::SetBackwards(bool backwards) {
    m_backwards->setChecked(backwards);
    RememberDirection();
    ShowDirection();
}

void ChooserWindow::Study() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    if (!StudyCheck::Confirm(this, m_store, list->folder)) {
        Reload(list->name);
        return;
    }
    m_chosen = list->folder;
    m_chosenBackwards = m_backwards->isChecked();
    m_chosenTyping = m_typing->isChecked();
    accept();
}

void ChooserWindow::AddList() {
    const QString file = PickFile(this);
    if (file.isEmpty()) return;
    const std::optional<ImportFlow::Result> added =
        ImportFlow::Run(this, m_store, file.toStdString());
    Reload(added ? added->name : std::string());
    m_view->setFocus();
}

void ChooserWindow::EditWords() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    std::string error;
    const bool isChanged = WordsWindow::Edit(this, m_store, list->name, error);
    if (!error.empty())
        PlainMessageBox::Warning(
            this, tr("Cannot Edit the Words"),
            tr("The words of “%1” cannot be shown.\n\n%2")
                .arg(QString::fromStdString(Escaped(list->name)), ImportFlow::ForWindow(error)));
    // The counts of words and of words known follow the change.
    if (isChanged) Reload(list->name);
    m_view->setFocus();
}

void ChooserWindow::EditSpeech() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    QString error;
    if (!SpeechDialog::Edit(this, QString::fromStdString(list->folder.string()), error) &&
        !error.isEmpty()) {
        PlainMessageBox::Warning(this, tr("Cannot Save"),
                                 tr("The speech settings of “%1” were not saved.\n\n%2")
                                     .arg(QString::fromStdString(Escaped(list->name)),
                                          QString::fromStdString(Escaped(error.toStdString()))));
    }
    m_view->setFocus();
}

void ChooserWindow::SyncList() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    // The folder shown, and the counts when progress arrived, follow what was done.
    if (const std::optional<std::string> select = SyncFlow::Run(this, m_store, *list))
        Reload(*select);
    m_view->setFocus();
}

void ChooserWindow::RenameList() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    bool ok = false;
    const QString newName =
        QInputDialog::getText(this, tr("Rename List"), tr("New name:"), QLineEdit::Normal,
                              QString::fromStdString(list->name), &ok);
    if (!ok || newName.trimmed().isEmpty() || newName.toStdString() == list->name) return;
    std::string error;
    if (!m_store.Rename(list->name, newName.trimmed().toStdString(), error)) {
        PlainMessageBox::Warning(
            this, tr("Cannot Rename"),
            tr("“%1” was not renamed.\n\n%2")
                .arg(QString::fromStdString(Escaped(list->name)), ImportFlow::ForWindow(error)));
        return;
    }
    Reload(newName.trimmed().toStdString());
}

void ChooserWindow::RemoveList() {
    const std::optional<ListSummary> list = Current();
    if (!list) return;
    const QString name = QString::fromStdString(Escaped(list->name));
    PlainMessageBox box(QMessageBox::Question, tr("Remove List"),
                        tr("Move the list “%1” to the trash?").arg(name), QMessageBox::NoButton,
                        this);
    box.setInformativeText(
        tr("Its words and its progress go to the desktop's "
           "trash, from where you can restore them."));
    QPushButton* remove = box.addButton(tr("Move to &Trash"), QMessageBox::AcceptRole);
    remove->setObjectName(QStringLiteral("confirmRemoveButton"));
    QPushButton* keep = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(keep);
    box.exec();
    if (box.clickedButton() != remove) return;
    std::string error;
    if (!m_store.Remove(list->name, error)) {
        PlainMessageBox::Warning(
            this, tr("Cannot Remove"),
            tr("“%1” was not moved to the trash.\n\n%2").arg(name, ImportFlow::ForWindow(error)));
        return;
    }
    Reload();
}
