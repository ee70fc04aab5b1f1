// SPDX-License-Identifier: GPL-2.0-or-later
// The speech module's two entry points, with C names so that the study window finds them
// with QLibrary::resolve.
#include "ui/speech/SpeechModule.h"
#include "ui/speech/SpeechdVoice.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT int QuibbixSpeechModuleVersion() { return SpeechModule::kVersion; }

extern "C" Q_DECL_EXPORT SpeechVoice* QuibbixCreateVoice(const SpeechVoice::Events& events) {
    return new SpeechdVoice(events);
}

// The program resolves the entry points by these types; a mismatch must not compile.
static_assert(std::is_same_v<decltype(&QuibbixSpeechModuleVersion), SpeechModule::VersionFunction>);
static_assert(std::is_same_v<decltype(&QuibbixCreateVoice), SpeechModule::CreateFunction>);
