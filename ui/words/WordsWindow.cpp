// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/words/WordsWindow.h"

#include "engine/Counted.h"
#include "engine/Escaped.h"
#include "engine/LearnersWords.h"
#include "imports/CardMedia.h"
#include "imports/FolderMedia.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "translations/Translations.h"
#include "windowfit/PlainMessageBox.h"
#include "windowfit/WindowFit.h"

namespace {

QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

// "Delete 3 words? 2 of them have progress, which goes with them (a copy is kept)."
QString DeleteQuestion(int count, int withProgress) {
    const bool isEnglish = !Translations::Active();
    QString question =
        isEnglish
            ? QStringLiteral("Delete %1?").arg(QString::fromStdString(Counted(count, "word")))
            : QCoreApplication::translate("WordsWindow", "Delete %n word(s)?", nullptr, count);
    if (withProgress == 0) return question;
    if (count == 1)
        return question +
               QCoreApplication::translate(
                   "WordsWindow", " It has progress, which goes with it (a copy is kept).");
    if (!isEnglish)
        return question + QLatin1Char(' ') +
               (withProgress == count
                    ? QCoreApplication::translate(
                          "WordsWindow",
                          "All of them have progress, which goes with them (a copy is kept).")
                    : QCoreApplication::translate(
                          "WordsWindow",
                          "%n of them have progress, which goes with them (a copy is kept).",
                          nullptr, withProgress));
    const QString which = withProgress == count ? QStringLiteral("All of them have")
                          : withProgress == 1   ? QStringLiteral("1 of them has")
                                              : QStringLiteral("%1 of them have").arg(withProgress);
    return question + QLatin1Char(' ') + which +
           QStringLiteral(" progress, which goes with them (a copy is kept).");
}

// Asks for a new word and its definition; false when the learner cancels.
bool AskForWord(QWidget* parent, QString& word, QString& definition) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("WordsWindow", "Add a Word"));
    dialog.setObjectName(QStringLiteral("addWordDialog"));
    auto* form = new QFormLayout(&dialog);
    auto* wordEdit = new QLineEdit(word);
    wordEdit->setObjectName(QStringLiteral("newWordEdit"));
    wordEdit->setAccessibleName(QCoreApplication::translate("WordsWindow", "New word"));
    auto* definitionEdit = new QLineEdit(definition);
    definitionEdit->setObjectName(QStringLiteral("newDefinitionEdit"));
    definitionEdit->setAccessibleName(QCoreApplication::translate("WordsWindow", "Its definition"));
    definitionEdit->setMinimumWidth(360);
    form->addRow(QCoreApplication::translate("WordsWindow", "&Word:"), wordEdit);
    form->addRow(QCoreApplication::translate("WordsWindow", "&Definition:"), definitionEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("WordsWindow", "Add"));
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) return false;
    word = wordEdit->text();
    definition = definitionEdit->text();
    return true;
}

}  // namespace

bool WordsWindow::Edit(QWidget* parent, ListStore& store, const std::string& listName,
                       std::string& error, const Options& options, Outcome* outcome) {
    const std::optional<ListSummary> list = store.Find(listName);
    if (!list) {
        error = LearnersWords::Filled(LearnersWords::Said("ListStore", "no list named \"%1\""),
                                      {listName});
        return false;
    }
    WordsWindow window(store, *list, options, parent);
    if (!window.Load(error)) return false;
    window.exec();
    if (outcome) *outcome = window.Result();
    return window.Result().isChanged;
}

WordsWindow::WordsWindow(ListStore& store, const ListSummary& list, const Options& options,
                         QWidget* parent)
    : QDialog(parent), m_store(store), m_list(list), m_options(options) {
    if (m_options.settingsFile.isEmpty()) m_options.settingsFile = DefaultSettingsFile();
    m_model.SetEncoding(m_options.encoding);
    m_model.SetRefusalHandler([this](const QModelIndex& index, const QString& text,
                                     const QString& why) { ShowRefusal(index, text, why); });
    setObjectName(QStringLiteral("wordsWindow"));
    setWindowTitle(tr("Words — %1[*]").arg(Shown(m_list.name)));
    BuildControls();
    InstallShortcuts();
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_filter, signal, this, [this] { UpdateState(); });
    connect(&m_filter, &QAbstractItemModel::modelReset, this, [this] { UpdateState(); });
    connect(&m_model, &QAbstractItemModel::dataChanged, this, [this] { UpdateState(); });
    const QSettings settings(m_options.settingsFile, QSettings::IniFormat);
    if (!restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray()))
        resize(1000, 600);
    // A size kept from a larger screen, or a larger scale, must not put it off this one.
    FitToScreen(*this);
}

// The table goes with the base class, after the models it shows.
WordsWindow::~WordsWindow() { m_table->setModel(nullptr); }

QString WordsWindow::DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quibbix/words.ini");
}

// A screen reader names a button by its text, as it is seen; what it does comes after.
QPushButton* WordsWindow::AddButton(const QString& text, const char* name,
                                    const QString& description) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleDescription(description);
    button->setToolTip(description);
    // Enter in the search field or an editor must not press a button.
    button->setAutoDefault(false);
    return button;
}

void WordsWindow::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* searchLabel = new QLabel(tr("&Search:"));
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("searchEdit"));
    m_search->setAccessibleName(tr("Search words and definitions"));
    m_search->setPlaceholderText(tr("Words and definitions, any case and accents"));
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("wordsTable"));
    m_table->setAccessibleName(tr("Words"));
    m_table->setAccessibleDescription(
        tr("Each word with its definition and its progress in both directions"));
    m_table->setModel(&m_filter);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    // Tab leaves the table for the buttons; the arrows move between its cells.
    m_table->setTabKeyNavigation(false);
    // Rows of one height, and columns not measured against every row, keep a list of tens of
    // thousands of words quick to open and to search.
    QHeaderView* rows = m_table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 8);
    QHeaderView* columns = m_table->horizontalHeader();
    // Room for the longest state and for the titles, with the sort arrow.
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('m'));
    const int stateWidth = fontMetrics().horizontalAdvance(QCoreApplication::translate(
        "WordProgress", WordProgress::Plain(WordProgress::State::kToBeViewed)));
    columns->resizeSection(WordsModel::kWord, em * 14);
    for (int column : {WordsModel::kState, WordsModel::kCounter, WordsModel::kReverseState,
                       WordsModel::kReverseCounter}) {
        const bool isState = column == WordsModel::kState || column == WordsModel::kReverseState;
        const QString title = m_model.headerData(column, Qt::Horizontal).toString();
        columns->resizeSection(
            column,
            std::max(isState ? stateWidth : 0, fontMetrics().horizontalAdvance(title)) + 2 * em);
    }
    // A picture as high as a row, as wide as four, and room for the title or the word
    // "Recording" beside it.
    const QSize iconSize(4 * fontMetrics().height(), fontMetrics().height());
    m_table->setIconSize(iconSize);
    columns->resizeSection(
        WordsModel::kMedia,
        std::max(fontMetrics().horizontalAdvance(
                     m_model.headerData(WordsModel::kMedia, Qt::Horizontal).toString()),
                 iconSize.width() + fontMetrics().horizontalAdvance(
                                        QCoreApplication::translate("WordsModel", "Recording"))) +
            2 * em);
    columns->setSectionResizeMode(WordsModel::kDefinition, QHeaderView::Stretch);
    m_table->setSortingEnabled(true);
    // File order until the learner sorts: sorting tens of thousands of words is not free.
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    m_filter.sort(-1);
    layout->addWidget(m_table, 1);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("statusLabel"));
    // It shows a list's name and what a save reported, which are never markup.
    m_status->setTextFormat(Qt::PlainText);
    // Read by its text, the count or the last message; what it is comes after.
    m_status->setAccessibleDescription(tr("Words shown"));
    layout->addWidget(m_status);

    auto* buttons = new QHBoxLayout;
    auto* add = AddButton(tr("&Add Word…"), "addButton", tr("Add a word"));
    m_delete = AddButton(tr("&Delete"), "deleteButton", tr("Delete the selected words"));
    m_undo = AddButton(tr("&Undo"), "undoButton", tr("Undo the last change"));
    m_mediaButton = AddButton(tr("&Picture and Sound"), "mediaButton",
                              tr("Give the word a picture or a recording from a file, or take "
                                 "them away"));
    auto* media = new QMenu(m_mediaButton);
    media->addAction(tr("Add or Replace &Picture…"), this, [this] { ChooseMediaFile(true); });
    media->addAction(tr("Remove P&icture"), this, [this] { RemoveMedia(true); });
    media->addAction(tr("Add or Replace &Recording…"), this, [this] { ChooseMediaFile(false); });
    media->addAction(tr("Remove R&ecording"), this, [this] { RemoveMedia(false); });
    m_mediaButton->setMenu(media);
    m_save = AddButton(tr("Sa&ve"), "saveButton", tr("Save the changes"));
    auto* close = AddButton(tr("&Close"), "closeButton", QString());
    for (QPushButton* button : {add, m_delete, m_undo, m_mediaButton}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { AddWord(); });
    connect(m_delete, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(m_undo, &QPushButton::clicked, this, [this] { Undo(); });
    connect(m_save, &QPushButton::clicked, this, [this] { Save(); });
    connect(close, &QPushButton::clicked, this, &WordsWindow::reject);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter.SetSearch(text);
        UpdateState();
    });
}

void WordsWindow::InstallShortcuts() {
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    // On the table alone: in the search field Delete deletes a letter.
    auto* remove = new QShortcut(QKeySequence::Delete, m_table);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] { DeleteSelected(); });
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, [this] { Undo(); });
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, [this] { Save(); });
    auto* add = new QShortcut(QKeySequence::New, this);
    connect(add, &QShortcut::activated, this, [this] { AddWord(); });
}

bool WordsWindow::Load(std::string& error) {
    if (!m_model.Load(m_store.Files(), m_list.folder, error)) return false;
    UpdateState();
    const int row = m_model.RowToGoOnAt(m_options.focusRecord);
    if (m_options.focusRecord >= 0 && row >= 0) SelectRow(row);
    return true;
}

void WordsWindow::UpdateState() {
    const int total = m_model.rowCount();
    const int shown = m_filter.rowCount();
    const QString words = Translations::Counted(
        "WordsWindow", QT_TRANSLATE_N_NOOP("WordsWindow", "%n word(s)"), total, "word");
    m_status->setText(shown == total ? words : tr("%1 of %2 shown").arg(shown).arg(words));
    m_undo->setEnabled(m_model.CanUndo());
    m_save->setEnabled(m_model.IsModified());
    m_delete->setEnabled(shown > 0);
    m_mediaButton->setEnabled(shown > 0);
    setWindowModified(m_model.IsModified());
}

std::vector<int> WordsWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.push_back(m_filter.mapToSource(index).row());
    const QModelIndex current = m_table->currentIndex();
    if (rows.empty() && current.isValid()) rows.push_back(m_filter.mapToSource(current).row());
    return rows;
}

void WordsWindow::SelectRow(int modelRow) {
    const QModelIndex index = m_filter.mapFromSource(m_model.index(modelRow, WordsModel::kWord));
    if (!index.isValid()) return;
    m_table->setCurrentIndex(index);
    m_table->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void WordsWindow::AddWord() {
    QString word, definition;
    while (AskForWord(this, word, definition)) {
        QString error;
        const int row = m_model.AddWord(word, definition, error);
        if (row >= 0) {
            // The new word must be seen, whatever the search hid.
            if (!m_filter.mapFromSource(m_model.index(row, 0)).isValid()) m_search->clear();
            SelectRow(row);
            m_table->setFocus();
            return;
        }
        PlainMessageBox::Warning(this, tr("Add a Word"),
                                 tr("The word is not added: %1.").arg(Shown(error.toStdString())));
    }
}

void WordsWindow::DeleteSelected() {
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) return;
    const QString question =
        DeleteQuestion(static_cast<int>(rows.size()), m_model.CountWithProgress(rows));
    if (PlainMessageBox::Question(this, tr("Delete Words"), question,
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes)
        return;
    QString error;
    if (!m_model.RemoveWords(rows, error))
        PlainMessageBox::Warning(this, tr("Delete Words"), error);
}

void WordsWindow::Undo() { m_model.Undo(); }

// Deferred: the editor that asked is still closing, and a message box opened from inside its
// commit would take its focus and make it commit once more. Then the text refused is given
// back to mend, not lost.
void WordsWindow::ShowRefusal(const QModelIndex& index, const QString& text, const QString& why) {
    if (m_isRefusalShown) return;
    m_isRefusalShown = true;
    const QPersistentModelIndex where(index);
    QTimer::singleShot(0, this, [this, where, text, why] {
        PlainMessageBox::Warning(this, tr("Words"),
                                 tr("Not changed: %1.").arg(Shown(why.toStdString())));
        m_isRefusalShown = false;
        const QModelIndex shown = m_filter.mapFromSource(where);
        if (!shown.isValid()) return;
        m_table->setCurrentIndex(shown);
        m_table->edit(shown);
        for (auto* editor : m_table->viewport()->findChildren<QLineEdit*>()) {
            if (!editor->isVisible()) continue;
            editor->setText(text);
            editor->setFocus();
        }
    });
}

// Ctrl+S or Escape pressed while a text is being edited: the text typed counts (Escape
// itself never gets here from an editor, which takes it to cancel).
void WordsWindow::FinishEditing() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != m_table && m_table->isAncestorOf(focus)) m_table->setFocus();
}

bool WordsWindow::Save() {
    FinishEditing();
    if (!m_model.IsModified()) return true;
    if (m_model.IsChangedElsewhere(m_store.Files(), m_list.folder)) {
        PlainMessageBox::Warning(
            this, tr("Words"),
            tr("The words are not saved: the list was changed elsewhere since this "
               "window opened it, and saving would undo that. Close the window "
               "without saving and open it again."));
        return false;
    }
    ImportPlan plan;
    plan.records = m_model.Records();
    plan.pairing = m_model.Pairing();
    plan.pairedList = m_model.LoadedList();
    // Every row's media as the window has them: what it took away goes too.
    plan.media = m_model.Media();
    plan.isMediaWhole = true;
    plan.mediaSource = std::make_shared<FolderMedia>();
    // The word to go on at is found before the rows are replaced by those of the saved list.
    const int focusRow =
        m_options.focusRecord >= 0 ? m_model.RowToGoOnAt(m_options.focusRecord) : -1;
    std::string report, error;
    std::vector<std::string> notes;
    if (!ListImporter::Update(m_store, plan, m_list.name, report, error, m_options.callerHolds,
                              &notes)) {
        PlainMessageBox::Warning(this, tr("Words"),
                                 tr("The words are not saved: %1.").arg(Shown(error)));
        return false;
    }
    for (const std::string& note : notes) report += "; " + note;
    m_outcome.isChanged = true;
    m_outcome.report = report;
    if (focusRow >= 0) {
        m_options.focusRecord = focusRow;
        m_outcome.focusRecord = focusRow;
        m_outcome.focusWord = m_model.WordOf(focusRow);
    }
    // The saved list's own progress: added words now stand first to be viewed.
    std::string reloadError;
    if (!Load(reloadError))
        PlainMessageBox::Warning(
            this, tr("Words"),
            tr("The words were saved, but cannot be shown again: %1.").arg(Shown(reloadError)));
    m_status->setText(m_status->text() + tr(" — saved: ") + Shown(report));
    return true;
}

bool WordsWindow::SetMediaFile(int modelRow, bool isPicture, const QString& path) {
    const std::string file = path.toStdString();
    const std::string extension = MediaKind::ExtensionOf(file);
    std::string note;
    const bool isKnown =
        isPicture ? MediaKind::IsPicture(extension) : MediaKind::IsSound(extension);
    if (!isKnown)
        note = LearnersWords::Filled(
            LearnersWords::Said("Import", "%1: not a picture or recording Quibbix keeps; left out"),
            {file});
    else if (FolderMedia().Check(file, note) && isPicture && ListMedia::PictureFile(file).isNull())
        note = LearnersWords::Filled(
            LearnersWords::Said("MediaStore", "%1: not a picture; left out"), {file});
    if (!note.empty()) {
        PlainMessageBox::Warning(this, tr("Words"), Shown(note));
        return false;
    }
    CardMedia media = m_model.MediaOf(modelRow);
    // A picture takes the place of the one the card has, on its side; a new one goes with the
    // definition, which it shows. A recording is the word's own, as P plays it.
    if (isPicture)
        (media.wordPicture.empty() ? media.definitionPicture : media.wordPicture) = file;
    else
        (media.wordSound.empty() && !media.definitionSound.empty() ? media.definitionSound
                                                                   : media.wordSound) = file;
    m_model.SetMedia(modelRow, media);
    UpdateState();
    return true;
}

void WordsWindow::ChooseMediaFile(bool isPicture) {
    const std::vector<int> rows = SelectedRows();
    if (rows.size() != 1) return;
    const QString filter = isPicture ? tr("Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)")
                                     : tr("Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)");
    const QString path = QFileDialog::getOpenFileName(
        this, isPicture ? tr("Picture") : tr("Recording"), QString(), filter);
    if (!path.isEmpty()) SetMediaFile(rows.front(), isPicture, path);
}

void WordsWindow::RemoveMedia(bool isPicture) {
    for (const int row : SelectedRows()) {
        CardMedia media = m_model.MediaOf(row);
        if (isPicture)
            media.wordPicture.clear(), media.definitionPicture.clear();
        else
            media.wordSound.clear(), media.definitionSound.clear();
        m_model.SetMedia(row, media);
    }
    UpdateState();
}

void WordsWindow::reject() {
    FinishEditing();
    if (m_model.IsModified()) {
        const auto answer = PlainMessageBox::Question(
            this, tr("Words"), tr("Save the changes to the words of %1?").arg(Shown(m_list.name)),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Save && !Save()) return;
    }
    QDialog::reject();
}

void WordsWindow::done(int result) {
    QSettings settings(m_options.settingsFile, QSettings::IniFormat);
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    settings.sync();
    QDialog::done(result);
}
