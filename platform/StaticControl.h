#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A static control of a dialog: a text, or an enhanced metafile drawn stretched over the
// whole control once one is given (the SS_ENHMETAFILE style). A decorative one (a frame
// picture) is left out of what screen readers find, so its placeholder text is never read.

#include "platform/EnhMetaFile.h"

#include <QLabel>

#include <memory>

class StaticControl : public QLabel {
public:
    explicit StaticControl(QWidget* parent = nullptr);
    ~StaticControl() override;

    // Takes `picture` over and gives back the one shown before, if any.
    std::unique_ptr<EnhMetaFile> SetEnhMetaFile(std::unique_ptr<EnhMetaFile> picture);
    const EnhMetaFile* GetEnhMetaFile() const { return m_picture.get(); }
    void SetDecorative(bool decorative) { m_isDecorative = decorative; }
    bool IsDecorative() const { return m_isDecorative; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<EnhMetaFile> m_picture;
    bool m_isDecorative = false;
};
