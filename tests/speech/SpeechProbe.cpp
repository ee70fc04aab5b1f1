// SPDX-License-Identifier: GPL-2.0-or-later
// The speech test's helper.
//   quibbix-test-speech say WORD LANGUAGE
//     says WORD through the speech module as the study window does, and prints how long the
//     engine took to start and how long from the request to speaking; exit 3 with the note
//     the study line would show when it cannot.
//   quibbix-test-speech measure FILE RATE [SKIP]
//     prints where the sound in FILE (16-bit little-endian mono at RATE Hz, after SKIP header
//     bytes) begins and how long it lasts, in milliseconds.
//   quibbix-test-speech play FILE
//     plays a card's recording as P in the study window does, and waits for its end.
#include "platform/LibraryAudioOutput.h"
#include "platform/Sound.h"
#include "ui/speech/Pronouncer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

namespace {

constexpr int kWindowMs = 10;
// Well above the null sink's silence, which is exactly zero, and below a voice's whisper.
constexpr double kLoudRms = 200;
constexpr int kReadyTimeoutMs = 30000;
constexpr int kSpeakingMs = 4000;

int Measure(const char* path, int rate, int skip) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", path, qPrintable(file.errorString()));
        return 2;
    }
    const QByteArray bytes = file.readAll().mid(skip);
    const int samplesPerWindow = rate * kWindowMs / 1000;
    const qsizetype samples = bytes.size() / 2;
    int first = -1, last = -1;
    for (qsizetype start = 0; start + samplesPerWindow <= samples; start += samplesPerWindow) {
        double sum = 0;
        for (int i = 0; i < samplesPerWindow; ++i) {
            int16_t sample;
            std::memcpy(&sample, bytes.constData() + 2 * (start + i), 2);
            sum += double(sample) * sample;
        }
        if (std::sqrt(sum / samplesPerWindow) < kLoudRms) continue;
        const int window = int(start / samplesPerWindow);
        if (first < 0) first = window;
        last = window;
    }
    if (first < 0) {
        std::printf("onset_ms=-1 sound_ms=0\n");
        return 0;
    }
    std::printf("onset_ms=%d sound_ms=%d\n", first * kWindowMs, (last - first + 1) * kWindowMs);
    return 0;
}

int Say(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string word = argv[2], language = argv[3];
    Pronouncer pronouncer([](const QString& note) {
        std::printf("note=%s\n", qPrintable(note));
        std::fflush(stdout);
        QCoreApplication::exit(3);
    });
    QElapsedTimer sinceSay;
    pronouncer.SetOnSpeaking([&sinceSay] {
        std::printf("say_to_speaking_ms=%lld\n", sinceSay.elapsed());
        std::fflush(stdout);
        QTimer::singleShot(kSpeakingMs, [] { QCoreApplication::exit(0); });
    });
    QElapsedTimer sinceStart;
    sinceStart.start();
    pronouncer.Prepare();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (pronouncer.ReadyMs() < 0) {
            if (sinceStart.elapsed() > kReadyTimeoutMs) QCoreApplication::exit(4);
            return;
        }
        poll.stop();
        std::printf("engine_ready_ms=%d\n", pronouncer.ReadyMs());
        std::fflush(stdout);
        sinceSay.start();
        pronouncer.Say(word, language);
    });
    poll.start(10);
    // A text asked for before the engine is ready reports its problem, if any, at once.
    pronouncer.Say({}, language);
    return app.exec();
}

int Play(const char* file) {
    const std::unique_ptr<AudioOutput> output = LibraryAudioOutput::PulseAudio();
    Sound sound(*output);
    if (!sound.StartFile(file)) {
        std::fprintf(stderr, "cannot play %s\n", file);
        return 3;
    }
    // Waits for the end with a deadline: a recording is seconds long.
    for (int waited = 0; sound.IsPlaying() && waited < 30000; waited += 10)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "say") == 0) return Say(argc, argv);
    if ((argc == 4 || argc == 5) && std::strcmp(argv[1], "measure") == 0)
        return Measure(argv[2], std::atoi(argv[3]), argc == 5 ? std::atoi(argv[4]) : 0);
    if (argc == 3 && std::strcmp(argv[1], "play") == 0) return Play(argv[2]);
    std::fprintf(stderr,
                 "usage: quibbix-test-speech say WORD LANGUAGE\n"
                 "       quibbix-test-speech measure FILE RATE [SKIP]\n"
                 "       quibbix-test-speech play FILE\n");
    return 2;
}
