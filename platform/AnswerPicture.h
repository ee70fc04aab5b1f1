#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The pictures of the three answer buttons: a face above its caption on white. The default
// files of list/ and the built-in bitmaps are drawn with it, and so are the pictures that
// carry the captions in the learner's language, so that both look alike.

#include <QImage>
#include <QString>

class AnswerPicture {
public:
    enum class Answer { Know, Unsure, DontKnow };

    // What the program draws for one answer: the file under list/, the built-in bitmap,
    // the built-in bitmap's size and the English caption.
    struct Default {
        Answer answer;
        const char* listFile;
        const char* resourceName;
        int width;
        int height;
        const char* caption;
    };
    static constexpr Default kDefaults[] = {
        {Answer::Know, "Yes.bmp", "BMP_YES", 53, 54, "I Know"},
        {Answer::Unsure, "Unsure.bmp", "BMP_UNSURE", 59, 52, "Not Sure"},
        {Answer::DontKnow, "DonotKnow.bmp", "BMP_DONOT_KNOW", 76, 50, "Don't Know"},
    };
    // The files under list/ are drawn larger than the built-in pictures, so they stay sharp
    // when stretched onto the buttons.
    static constexpr int kListScale = 2;

    // The default of the built-in bitmap `resourceName`; null for another name.
    static const Default* Find(const char* resourceName);

    // `rich` draws for true colour (shading, smooth edges); otherwise the picture keeps to
    // the 16 colours of the Windows palette with hard edges, to be stored as a 4-bit bitmap.
    // An empty `caption` is the English one.
    static QImage Draw(Answer answer, int width, int height, bool rich,
                       const QString& caption = QString());
    // The file under list/ as the program writes it: the picture at kListScale, true colour.
    static QImage DrawListFile(const Default& picture, const QString& caption = QString());
    // The program icon: the "I Know" face alone on transparent ground.
    static QImage DrawIconFace(int size);
};
