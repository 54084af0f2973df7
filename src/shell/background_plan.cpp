#include "shell/background_plan.h"

#include "common/settings_record.h"
#include "shell/high_contrast.h"

namespace dravicor {

BackgroundPlan PlanTableBackground(const SettingsRecord& settings, bool demoMode, bool fewColours) {
    const ColourRef defaultColour = fewColours ? kFewColoursBackgroundColour : kDefaultBackgroundColour;
    if (HighContrastTable(settings)) return {BackgroundKind::Plain, kHighContrastBackgroundColour, {}};
    if (demoMode) return {BackgroundKind::Tiled, defaultColour, kDemoBackgroundPicture};
    if (settings.isYes(Field::BackgroundDefault)) return {BackgroundKind::Plain, defaultColour, {}};

    const long long picture = settings.getNumber(Field::BackgroundPicture);
    if (picture <= 0) {
        // The record keeps colours as signed decimals (system colours are
        // negative); the bit pattern is the colour.
        const long long fixed = settings.getNumber(Field::BackgroundFixedColour);
        const ColourRef colour = static_cast<ColourRef>(
            fixed >= 1 ? fixed : settings.getNumber(Field::BackgroundColour));
        const bool fade = settings.isYes(Field::FadeBackground) && !fewColours;
        return {fade ? BackgroundKind::Faded : BackgroundKind::Plain, colour, {}};
    }
    const BackgroundKind kind =
        picture < kFirstWholeBackgroundPicture ? BackgroundKind::Tiled : BackgroundKind::Whole;
    return {kind, defaultColour, "B" + FormatField(picture, 3)};
}

long long MulDiv(long long a, long long b, long long d) {
    long long product = a * b;
    if (d < 0) {
        product = -product;
        d = -d;
    }
    long long quotient = product / d;
    long long remainder = product % d;
    // Division truncates towards zero; bring the remainder to [0, d).
    if (remainder < 0) {
        remainder += d;
        --quotient;
    }
    const long long twice = 2 * remainder;
    if (twice > d || (twice == d && quotient % 2 != 0)) ++quotient;
    return quotient;
}

FadeBand FadeBandOf(int band, int areaHeight, Rgb colour) {
    const auto rows = [&](int k) { return static_cast<int>(MulDiv(k, areaHeight, kFadeBandCount)); };
    const auto channel = [&](int value) { return static_cast<int>(MulDiv(band, value, kFadeBandCount)); };
    return {areaHeight - rows(band + 1), areaHeight - rows(band),
            {channel(colour.red), channel(colour.green), channel(colour.blue)}};
}

std::array<FadeBand, kFadeBandCount> FadeBands(int areaHeight, Rgb colour) {
    std::array<FadeBand, kFadeBandCount> bands;
    for (int k = 0; k < kFadeBandCount; ++k) bands[static_cast<size_t>(k)] = FadeBandOf(k, areaHeight, colour);
    return bands;
}

}  // namespace dravicor
