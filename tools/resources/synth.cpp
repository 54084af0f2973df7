#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace dravicor::resources {

namespace {

double Envelope(double t, double attack, double decay) {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    return rise * std::exp(-std::max(0.0, t - attack) / decay);
}

}  // namespace

SoundMix::SoundMix(double seconds) : samples_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

void SoundMix::tone(double start, double length, double freq, double endFreq, double amplitude, double attack,
                    double decay, int partials) {
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double f = freq + (endFreq - freq) * t / length;
        phase += 2 * std::numbers::pi * f / kSampleRate;
        double value = 0;
        for (int k = 1; k <= partials; ++k) value += std::sin(phase * k) / k;
        samples_[first + i] += amplitude * Envelope(t, attack, decay) * value;
    }
}

void SoundMix::noise(double start, double length, double amplitude, double cutoff, double endCutoff, double attack,
                     double decay, unsigned seed) {
    std::minstd_rand random(seed);
    std::uniform_real_distribution<double> white(-1.0, 1.0);
    const size_t first = static_cast<size_t>(start * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    double low = 0;
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double fc = cutoff + (endCutoff - cutoff) * t / length;
        const double a = 1 - std::exp(-2 * std::numbers::pi * fc / kSampleRate);
        low += a * (white(random) - low);
        samples_[first + i] += amplitude * Envelope(t, attack, decay) * low;
    }
}

std::vector<std::int16_t> SoundMix::render(double peak) const {
    double loudest = 0;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    const double gain = loudest > 0 ? peak / loudest : 0;
    const size_t fade = std::min(samples_.size(), static_cast<size_t>(0.005 * kSampleRate));
    std::vector<std::int16_t> out(samples_.size());
    for (size_t i = 0; i < samples_.size(); ++i) {
        double s = samples_[i] * gain;
        const size_t fromEnd = samples_.size() - i;
        if (fromEnd <= fade) s *= double(fromEnd - 1) / double(fade);
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
    }
    return out;
}

}  // namespace dravicor::resources
