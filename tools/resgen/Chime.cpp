// SPDX-License-Identifier: GPL-2.0-or-later
#include "Chime.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

struct Partial {
    double ratio;
    double level;
    double decay;  // per second
};

// Bell-like: a strong fundamental, a few quieter overtones that die away sooner.
constexpr Partial kPartials[] = {
    {1.0, 1.0, 2.6}, {2.0, 0.32, 4.0}, {3.01, 0.12, 6.5}, {4.17, 0.05, 9.0}};

void AddBell(std::vector<double>& out, double start, double frequency, double level) {
    const size_t first = static_cast<size_t>(start * kRate);
    for (size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kRate;
        const double attack = std::min(1.0, t / 0.006);
        double v = 0;
        for (const Partial& p : kPartials)
            v += p.level * std::exp(-p.decay * t) * std::sin(2 * kPi * frequency * p.ratio * t);
        out[i] += level * attack * v;
    }
}

}  // namespace

bool WriteChime(const std::string& path) {
    std::vector<double> mix(static_cast<size_t>(kRate * 2.2), 0.0);
    AddBell(mix, 0.00, 783.99, 0.55);   // G5
    AddBell(mix, 0.22, 1046.50, 0.50);  // C6
    AddBell(mix, 0.44, 1318.51, 0.45);  // E6
    AddBell(mix, 0.44, 523.25, 0.20);   // C5 under the last note
    double peak = 0;
    for (double v : mix) peak = std::max(peak, std::fabs(v));
    std::vector<short> samples(mix.size());
    const size_t fadeFrom = mix.size() - kRate / 5;
    for (size_t i = 0; i < mix.size(); ++i) {
        double v = mix[i] / peak * 0.7;
        if (i >= fadeFrom)
            v *= static_cast<double>(mix.size() - i) / static_cast<double>(mix.size() - fadeFrom);
        samples[i] = static_cast<short>(std::lround(v * 32767));
    }
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    const sf_count_t written =
        sf_writef_short(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    return sf_close(file) == 0 && written == static_cast<sf_count_t>(samples.size());
}
