#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the study window and the speech module agree on. The module holds the text-to-speech
// library, which start-up must not load, so the window opens it (with QLibrary) when the
// first word is shown. Both sides are built from this header in one build; the version
// guards against a module left from another one.

#include <functional>
#include <memory>
#include <string>

// A voice of the desktop's speech service. Made on the window's thread and used there only;
// the engine behind it starts on a thread of its own, and what it reports comes back to the
// window's thread.
class SpeechVoice {
public:
    enum class Problem {
        kNoEngine,   // the program's Qt has no speech-dispatcher plugin
        kNoService,  // speech-dispatcher did not answer
        kNoVoice,    // the service has no voice for the language
    };
    struct Events {
        // Why `text` was not spoken in `language`; called on the window's thread.
        std::function<void(Problem problem, const std::string& language)> onProblem;
        // The engine is ready after `ms` milliseconds of starting; for the figures only.
        std::function<void(int ms)> onReady;
        // The voice began to speak.
        std::function<void()> onSpeaking;
    };

    virtual ~SpeechVoice() = default;
    // Speaks `text` (UTF-8) in `language`, a BCP 47 name such as "ru" or "pt-BR", cutting
    // short what is being said. Returns at once; while the engine still starts, the latest
    // text waits for it.
    virtual void Say(const std::string& text, const std::string& language) = 0;
};

namespace SpeechModule {

constexpr int kVersion = 1;
constexpr const char* kFileName = "quibbix-speech.so";
constexpr const char* kVersionSymbol = "QuibbixSpeechModuleVersion";
constexpr const char* kCreateSymbol = "QuibbixCreateVoice";

using VersionFunction = int (*)();
// Starts the engine; the caller owns the voice, which must go before the module is unloaded
// (it never is).
using CreateFunction = SpeechVoice* (*)(const SpeechVoice::Events& events);

}  // namespace SpeechModule
