#include "core/SizeFilterTable.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/ModuleFigures.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

// Every size is an even number of LEDs times one of the three LED pitches.
constexpr double kP080 = kVerticalHighDensityLedPitch;
constexpr double kP086 = kHorizontalHighDensityLedPitch;
constexpr double kP1375 = kStandardLedPitch;

struct SizeStep {
    vb::Integer leds;
    double pitch;
};

constexpr std::array<SizeStep, kCharSizeCount> kSizes = {{
    {6, kP080},   {6, kP086},   {8, kP080},   {8, kP086},   {10, kP080},  {6, kP1375},
    {10, kP086},  {12, kP080},  {12, kP086},  {8, kP1375},  {14, kP080},  {14, kP086},
    {16, kP080},  {10, kP1375}, {16, kP086},  {18, kP080},  {18, kP086},  {20, kP080},
    {12, kP1375}, {20, kP086},  {22, kP080},  {22, kP086},  {24, kP080},  {14, kP1375},
    {24, kP086},  {16, kP1375}, {18, kP1375}, {20, kP1375}, {22, kP1375}, {24, kP1375},
}};

// LEDs down by LEDs across of the characters the fonts draw (twice the font's cell).
constexpr std::array<std::pair<vb::Integer, vb::Integer>, 14> kLedPairs = {{
    {10, 8},
    {12, 8},
    {14, 6},
    {14, 8},
    {14, 10},
    {16, 8},
    {16, 10},
    {18, 10},
    {20, 10},
    {22, 10},
    {24, 10},
    {24, 12},
    {24, 14},
    {24, 16},
}};

bool InRange(vb::Integer index) {
    return index >= 1 && index <= kCharSizeCount;
}

const SizeStep& StepOf(vb::Integer index) {
    return kSizes[static_cast<size_t>(index - 1)];
}

// A height on one fine pitch is drawn on modules turned the other way, whose pitch across is
// the other fine pitch; the coarse pitch of standard density is the same both ways.
bool PitchesMatch(double height, double width) {
    if (height == kP1375) return width == kP1375;
    return width != kP1375 && width != height;
}

std::vector<vb::Integer> Filtered(bool (*keep)(vb::Integer)) {
    std::vector<vb::Integer> sizes;
    for (vb::Integer i = 1; i <= kCharSizeCount; ++i)
        if (keep(i)) sizes.push_back(i);
    return sizes;
}

}  // namespace

vb::Long SizeTextBase(const std::string& unit) {
    if (unit == "in") return kInchSizeBase;
    if (unit == "cm") return kCentimetreSizeBase;
    return 0;
}

vb::Single SizeOfEntry(std::string_view text) {
    return static_cast<vb::Single>(vb::Val(vb::Left(text, 5)));
}

vb::Integer SizeIndex(vb::Single size, vb::Long base) {
    if (base == 0) return 0;
    for (vb::Integer i = 1; i <= kCharSizeCount; ++i)
        if (SizeOfEntry(forms::LoadResString(base + i)) == size) return i;
    return 0;
}

bool SizePairAllowed(vb::Integer height, vb::Integer width) {
    if (!InRange(height) || !InRange(width)) return false;
    const SizeStep& h = StepOf(height);
    const SizeStep& w = StepOf(width);
    if (!PitchesMatch(h.pitch, w.pitch)) return false;
    return std::find(kLedPairs.begin(), kLedPairs.end(), std::make_pair(h.leds, w.leds)) !=
           kLedPairs.end();
}

std::vector<vb::Integer> WidthsForHeight(vb::Integer height) {
    std::vector<vb::Integer> widths;
    for (vb::Integer w = 1; w <= kCharSizeCount; ++w)
        if (SizePairAllowed(height, w)) widths.push_back(w);
    return widths;
}

std::vector<vb::Integer> HeightsForWidth(vb::Integer width) {
    std::vector<vb::Integer> heights;
    for (vb::Integer h = 1; h <= kCharSizeCount; ++h)
        if (SizePairAllowed(h, width)) heights.push_back(h);
    return heights;
}

std::vector<vb::Integer> HeightSizes() {
    return Filtered([](vb::Integer i) { return !WidthsForHeight(i).empty(); });
}

std::vector<vb::Integer> WidthSizes() {
    return Filtered([](vb::Integer i) { return !HeightsForWidth(i).empty(); });
}

SizePairFont FontOfSizePair(vb::Integer height, vb::Integer width) {
    if (!SizePairAllowed(height, width)) return {};
    const SizeStep& h = StepOf(height);
    SizePairFont font;
    font.Cols = static_cast<vb::Integer>(StepOf(width).leds / 2);
    font.Rows = static_cast<vb::Integer>(h.leds / 2);
    font.HighDensity = h.pitch != kP1375;
    font.Vertical = h.pitch == kP080;
    return font;
}

}  // namespace zomel
