// SPDX-License-Identifier: GPL-2.0-or-later
#include "DefaultSettings.h"

#include "engine/AtomicFile.h"

namespace {

// The heights are read as points by the boxes, so they are the sizes the user sees; the other
// fields are what the font dialog gives for a regular TrueType face.
LogFont SansSerif(int32_t points) {
    LogFont lf;
    lf.lfHeight = -points;
    lf.lfWeight = 400;
    lf.lfOutPrecision = 3;       // stroke precision
    lf.lfClipPrecision = 2;      // stroke clipping
    lf.lfQuality = 1;            // draft
    lf.lfPitchAndFamily = 0x22;  // variable pitch, swiss
    lf.SetFaceNameBytes("DejaVu Sans");
    return lf;
}

}  // namespace

DisplaySettings DefaultDisplaySettings() {
    DisplaySettings settings;
    settings.m_lfVocabulary = SansSerif(48);
    settings.m_lfDefinition = SansSerif(18);
    return settings;
}

bool WriteDefaultSettings(const std::string& path) {
    return WriteFileAtomically(path, DefaultDisplaySettings().Encode());
}
