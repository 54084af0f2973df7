#pragma once

#include <cstdint>
#include <vector>

namespace dravicor::resources {

inline constexpr int kSampleRate = 22050;

// A mono mix being built up from tones and noise, in seconds.
class SoundMix {
public:
    explicit SoundMix(double seconds);

    // A tone of a few harmonic partials (partial k at k times the frequency,
    // weighted 1, 1/2, 1/3 ... up to `partials`), swept linearly from freq
    // to endFreq, with a linear attack and an exponential decay of time
    // constant `decay`.
    void tone(double start, double length, double freq, double endFreq, double amplitude, double attack,
              double decay, int partials = 1);
    // Noise through a one-pole low-pass whose cut-off moves from `cutoff` to
    // `endCutoff`; the same seed gives the same noise.
    void noise(double start, double length, double amplitude, double cutoff, double endCutoff, double attack,
               double decay, unsigned seed);

    // The mix scaled to the peak, with the last few milliseconds faded out.
    std::vector<std::int16_t> render(double peak = 0.7) const;
    double seconds() const { return double(samples_.size()) / kSampleRate; }

private:
    std::vector<double> samples_;
};

}  // namespace dravicor::resources
