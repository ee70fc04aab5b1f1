// SPDX-License-Identifier: GPL-2.0-or-later
// Draws the program's pictures and sound.
//   quibbix-resgen list <dir>     the default files of list/: the answer bitmaps (true colour),
//                                 the frame metafiles, the end-of-break chime and the
//                                 display settings
//   quibbix-resgen settings <dir> the display settings alone, <dir>/GUISetting.cfg
//   quibbix-resgen builtin <dir>  the 16-colour bitmaps and the icon built into the program
//   quibbix-resgen icons <dir>    the program icon for the desktop, <dir>/<n>x<n>/apps/quibbix.png

#include "platform/AnswerPicture.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <string>

#include "Chime.h"
#include "DefaultSettings.h"
#include "FrameMetaFile.h"
#include "IndexedBitmap.h"

namespace {

bool Report(bool ok, const std::string& path) {
    if (!ok) std::fprintf(stderr, "quibbix-resgen: cannot write %s\n", path.c_str());
    return ok;
}

bool WriteSettings(const std::string& dir) {
    const std::string path = dir + "/GUISetting.cfg";
    return Report(WriteDefaultSettings(path), path);
}

bool WriteListFiles(const std::string& dir) {
    bool ok = true;
    for (const AnswerPicture::Default& p : AnswerPicture::kDefaults) {
        const std::string path = dir + "/" + p.listFile;
        ok = Report(AnswerPicture::DrawListFile(p).save(QString::fromStdString(path), "BMP"),
                    path) &&
             ok;
    }
    ok = Report(WriteFrameMetaFile(StripDirection::Across, dir + "/2Collar_V.emf"),
                dir + "/2Collar_V.emf") &&
         ok;
    ok = Report(WriteFrameMetaFile(StripDirection::Down, dir + "/2Collar_H.emf"),
                dir + "/2Collar_H.emf") &&
         ok;
    ok = Report(WriteChime(dir + "/BreakOver.WAV"), dir + "/BreakOver.WAV") && ok;
    return WriteSettings(dir) && ok;
}

bool WriteBuiltIns(const std::string& dir) {
    bool ok = true;
    for (const AnswerPicture::Default& p : AnswerPicture::kDefaults) {
        const std::string path = dir + "/bitmaps/" + p.resourceName + ".bmp";
        ok = Report(WriteBitmap16(AnswerPicture::Draw(p.answer, p.width, p.height, false), path),
                    path) &&
             ok;
    }
    const std::string icon = dir + "/icons/ICON_YES.ico";
    return Report(WriteIcon16(AnswerPicture::DrawIconFace(32), icon), icon) && ok;
}

// The desktop's icon theme wants the icon at several sizes; drawing each one keeps the small
// ones crisp and the large ones smooth.
bool WriteThemeIcons(const std::string& dir) {
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string folder =
            dir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        const std::string path = folder + "/quibbix.png";
        ok = Report(QDir().mkpath(QString::fromStdString(folder)) &&
                        AnswerPicture::DrawIconFace(size).save(QString::fromStdString(path), "PNG"),
                    path) &&
             ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quibbix-resgen list|settings|builtin|icons <dir>\n");
        return 2;
    }
    // Drawing text needs a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string mode = argv[1];
    if (mode == "list") return WriteListFiles(argv[2]) ? 0 : 1;
    if (mode == "settings") return WriteSettings(argv[2]) ? 0 : 1;
    if (mode == "builtin") return WriteBuiltIns(argv[2]) ? 0 : 1;
    if (mode == "icons") return WriteThemeIcons(argv[2]) ? 0 : 1;
    std::fprintf(stderr, "quibbix-resgen: unknown mode %s\n", mode.c_str());
    return 2;
}
