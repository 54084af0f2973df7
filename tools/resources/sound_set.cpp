#include "sound_set.h"

#include <functional>
#include <system_error>

#include "synth.h"
#include "wav_file.h"

namespace dravicor::resources {

namespace {

// Notes of the chimes.
constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.5, E6 = 1318.5, G4 = 392.0, A5 = 880.0,
                 D6 = 1174.7;

// A soft bell: a few partials, quick attack, long ring.
void Bell(SoundMix& mix, double at, double freq, double amplitude, double ring = 0.35) {
    mix.tone(at, ring * 4, freq, freq, amplitude, 0.004, ring, 3);
    mix.tone(at, ring * 2, freq * 2.76, freq * 2.76, amplitude * 0.12, 0.002, ring / 3);
}

// A card touching the cloth: a short filtered noise burst and a low thump.
void Click(SoundMix& mix, double at, double brightness, double amplitude, unsigned seed) {
    mix.noise(at, 0.05, amplitude, brightness, brightness * 0.4, 0.001, 0.012, seed);
    mix.tone(at, 0.06, 190, 120, amplitude * 0.35, 0.002, 0.018);
}

SoundMix CardUp() {
    SoundMix mix(0.09);
    mix.noise(0, 0.08, 1.0, 1500, 5000, 0.012, 0.02, 11);
    return mix;
}

SoundMix CardDown() {
    SoundMix mix(0.1);
    Click(mix, 0, 3500, 1.0, 12);
    return mix;
}

SoundMix Tableau() {
    SoundMix mix(0.1);
    Click(mix, 0, 2600, 1.0, 13);
    return mix;
}

SoundMix Foundation() {
    SoundMix mix(0.5);
    Click(mix, 0, 3000, 0.8, 14);
    Bell(mix, 0.02, A5, 0.35, 0.1);
    return mix;
}

SoundMix Autoplay() {
    SoundMix mix(0.35);
    Click(mix, 0, 4000, 0.5, 15);
    Bell(mix, 0.01, D6, 0.3, 0.07);
    return mix;
}

SoundMix Eddy() {
    SoundMix mix(0.4);
    mix.noise(0, 0.4, 1.0, 400, 3000, 0.1, 0.15, 16);
    mix.tone(0, 0.4, 300, 600, 0.15, 0.1, 0.15);
    return mix;
}

SoundMix Stock() {
    SoundMix mix(0.2);
    for (int i = 0; i < 3; ++i) Click(mix, i * 0.045, 4500, 0.8, 20 + i);
    return mix;
}

SoundMix Redeal() {
    SoundMix mix(0.5);
    mix.noise(0, 0.5, 1.0, 800, 2400, 0.15, 0.2, 17);
    return mix;
}

SoundMix Shuffle() {
    SoundMix mix(0.95);
    // A riffle: clicks that come faster and faster, then the square-up.
    double at = 0;
    for (int i = 0; i < 28; ++i) {
        Click(mix, at, 5000, 0.5, 40 + i);
        at += 0.04 - i * 0.0009;
    }
    Click(mix, at + 0.05, 2000, 1.0, 90);
    return mix;
}

SoundMix Won() {
    SoundMix mix(1.6);
    const double notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) Bell(mix, i * 0.12, notes[i], 0.5);
    Bell(mix, 0.5, E6, 0.25, 0.3);
    return mix;
}

SoundMix New() {
    SoundMix mix(0.6);
    for (int i = 0; i < 10; ++i) Click(mix, i * 0.025, 4500, 0.35, 60 + i);
    Bell(mix, 0.28, G5, 0.4, 0.08);
    return mix;
}

SoundMix Step(double from, double to) {
    SoundMix mix(0.22);
    mix.tone(0, 0.08, from, from, 0.5, 0.005, 0.04, 2);
    mix.tone(0.09, 0.12, to, to, 0.5, 0.005, 0.05, 2);
    return mix;
}

SoundMix Pairing() {
    SoundMix mix(0.45);
    Click(mix, 0, 3500, 0.6, 30);
    Click(mix, 0.07, 3500, 0.6, 31);
    Bell(mix, 0.12, C6, 0.35, 0.08);
    return mix;
}

SoundMix Reorder() {
    SoundMix mix(0.15);
    Click(mix, 0, 5000, 0.5, 32);
    Click(mix, 0.06, 5000, 0.5, 33);
    return mix;
}

SoundMix FaceUp() {
    SoundMix mix(0.1);
    mix.noise(0, 0.08, 1.0, 1000, 6000, 0.02, 0.02, 34);
    mix.tone(0.02, 0.06, 900, 1300, 0.15, 0.01, 0.02);
    return mix;
}

SoundMix Restart() {
    SoundMix mix(0.6);
    const double notes[] = {G5, E5, C5};
    for (int i = 0; i < 3; ++i) Bell(mix, i * 0.09, notes[i], 0.4, 0.09);
    return mix;
}

SoundMix About() {
    SoundMix mix(1.2);
    for (double f : {C5, E5, G5}) mix.tone(0, 1.2, f, f, 0.25, 0.25, 0.4, 2);
    return mix;
}

SoundMix Fanfare(bool bright) {
    SoundMix mix(bright ? 1.3 : 1.0);
    const double notes[] = {G4, C5, E5, G5};
    for (int i = 0; i < 4; ++i) mix.tone(i * 0.11, 0.3, notes[i], notes[i], 0.4, 0.01, 0.12, 4);
    mix.tone(0.45, 0.6, C6, C6, 0.45, 0.01, 0.25, 4);
    if (bright) Bell(mix, 0.6, E6, 0.3, 0.25);
    return mix;
}

SoundMix Splash() {
    SoundMix mix(1.2);
    mix.noise(0, 0.6, 0.3, 500, 4000, 0.3, 0.2, 35);
    const double notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i) mix.tone(0.15 + i * 0.06, 1.0, notes[i], notes[i], 0.25, 0.15, 0.3, 2);
    return mix;
}

}  // namespace

std::vector<SoundFile> MakeSounds() {
    const std::pair<const char*, std::function<SoundMix()>> recipes[] = {
        {"About.wav", About},
        {"Autoplay.wav", Autoplay},
        {"card_down.wav", CardDown},
        {"card_up.wav", CardUp},
        {"Eddy.wav", Eddy},
        {"Face_up.wav", FaceUp},
        {"Foundation.wav", Foundation},
        {"Hi-Scor.wav", [] { return Fanfare(true); }},
        {"New.wav", New},
        {"Pairing.wav", Pairing},
        {"Redeal.wav", Redeal},
        {"Redo.wav", [] { return Step(440, 660); }},
        {"Reorder.wav", Reorder},
        {"Restart.wav", Restart},
        {"Scores.wav", [] { return Fanfare(false); }},
        {"Shuffle.wav", Shuffle},
        {"Splash.wav", Splash},
        {"Stock.wav", Stock},
        {"Tableau.wav", Tableau},
        {"Undo.wav", [] { return Step(660, 440); }},
        {"Won.wav", Won},
    };
    std::vector<SoundFile> sounds;
    for (const auto& [name, make] : recipes) sounds.push_back({name, make().render()});
    return sounds;
}

std::vector<std::string> WriteSounds(const std::filesystem::path& folder, const std::vector<SoundFile>& sounds) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::vector<std::string> failed;
    for (const SoundFile& sound : sounds) {
        if (!WriteWav(folder / sound.fileName, sound.samples, kSampleRate)) failed.push_back(sound.fileName);
    }
    return failed;
}

}  // namespace dravicor::resources
