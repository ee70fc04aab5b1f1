#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Asks which encoding a file was saved in when Quibbix could only guess it, or could not read
// it at all: the first lines show as they would read in the encoding chosen, before anything
// is made from the file.

#include "imports/TextEncoding.h"
#include "lists/ListImporter.h"

#include <QCoreApplication>
#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;

class EncodingDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(EncodingDialog)

public:
    // `head` is the start of the file, its bytes as they are. `plan` was read with the
    // encoding guessed, or with the one the user chose, and tells which and how it went.
    EncodingDialog(const ImportPlan& plan, std::string head, QWidget* parent = nullptr);

    // The encoding chosen, by the name the importers take.
    std::string Chosen() const;

private:
    QComboBox* EncodingBox(const ImportPlan& plan);
    void ShowPreview();

    std::string m_head;
    std::vector<TextEncoding> m_encodings;  // as the combo box lists them
    QComboBox* m_encodingBox = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QLabel* m_badBytesLabel = nullptr;
};
