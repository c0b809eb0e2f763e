#include "service/SoftwareInfo.h"

#include "channels/BandLimitBlock.h"
#include "channels/Frequency.h"
#include "model/ImageMap.h"

#include <cstdint>

namespace program::service {

namespace {

using L = SoftwareInfo::Limit;

// Byte positions in the identity block.
constexpr std::size_t CompanyAt = imagemap::IdentityBlock.offset + 0;
constexpr std::size_t FreqBandAt = imagemap::IdentityBlock.offset + 1;

// The presets of each band, and the limits a pair must keep to.
constexpr int VPresetLow = 136;
constexpr int VPresetHigh = 174;
constexpr int UPresetLow = 400;
constexpr int UPresetHigh = 520;
constexpr int VLowest = 136;
constexpr int VHighest = 174;
constexpr int ULowest = 350;
constexpr int UHighest = 520;

int indexIn(std::uint8_t stored, const ChoiceList& list) {
    return stored < list.size() ? stored : 0;
}

void setPair(SoftwareInfo& v, int pair, int low, int high) {
    v.limits[2 * pair] = low;
    v.limits[2 * pair + 1] = high;
}

void setAll(SoftwareInfo& v, int low, int high) {
    setPair(v, 0, low, high);
    setPair(v, 1, low, high);
}

bool vPairValid(const SoftwareInfo& v) {
    return VLowest <= v.limits[L::LowFreq1] && v.limits[L::LowFreq1] <= v.limits[L::HighFreq1] &&
           v.limits[L::HighFreq1] <= VHighest;
}

bool uPairValid(const SoftwareInfo& v) {
    return ULowest <= v.limits[L::LowFreq2] && v.limits[L::LowFreq2] <= v.limits[L::HighFreq2] &&
           v.limits[L::HighFreq2] <= UHighest;
}

// The dialog's look at limits it has just loaded: a pair outside its band, or
// with its low limit above its high one, is no pair the radio can work with, and
// would become the band limits every channel is checked against.
void checkAfterLoad(SoftwareInfo& v) {
    const bool vOutside = !vPairValid(v);
    const bool uOutside = !uPairValid(v);
    switch (v.freqBand) {
    case SoftwareInfo::VSection:
        if (vOutside)
            setAll(v, VPresetLow, VPresetHigh);
        break;
    case SoftwareInfo::USection:
        if (uOutside)
            setAll(v, UPresetLow, UPresetHigh);
        break;
    default:
        if (vOutside)
            setPair(v, 0, VPresetLow, VPresetHigh);
        if (uOutside)
            setPair(v, 1, UPresetLow, UPresetHigh);
        break;
    }
}

int wholeMHz(std::int64_t limit) {
    return static_cast<int>(limit / TenHzPerMHz);
}

} // namespace

const ChoiceList& companyChoices() {
    static const ChoiceList list{{"None", {}}, {"QM-4172", {}}, {"RT-615K", {}}};
    return list;
}

const ChoiceList& freqBandChoices() {
    static const ChoiceList list{
        {"None", {}}, {"V Section", {}}, {"U Section", {}}, {"U + V Section", {}}};
    return list;
}

BandLimits loadedBandLimits(const CodeplugImage& image) {
    return readBandLimitBlock(image);
}

SoftwareInfo loadSoftwareInfo(const CodeplugImage& image) {
    SoftwareInfo v;
    v.company = indexIn(image.at(CompanyAt), companyChoices());
    v.freqBand = indexIn(image.at(FreqBandAt), freqBandChoices());
    v.appliedBand = v.freqBand;
    const BandLimits limits = loadedBandLimits(image);
    v.limits = {wholeMHz(limits.vLower), wholeMHz(limits.vUpper), wholeMHz(limits.uLower),
                wholeMHz(limits.uUpper)};
    checkAfterLoad(v);
    return v;
}

void chooseBand(SoftwareInfo& v, int band) {
    if (band < 0)
        band = SoftwareInfo::NoBand;
    v.freqBand = band;
    if (band == v.appliedBand)
        return;
    if (band == SoftwareInfo::USection)
        setPair(v, 0, UPresetLow, UPresetHigh);
    else
        setPair(v, 0, VPresetLow, VPresetHigh);
    if (band == SoftwareInfo::VSection)
        setPair(v, 1, VPresetLow, VPresetHigh);
    else
        setPair(v, 1, UPresetLow, UPresetHigh);
    v.appliedBand = band;
}

void checkLimit(SoftwareInfo& v, SoftwareInfo::Limit limit) {
    const bool vPair = limit == L::LowFreq1 || limit == L::HighFreq1;
    const bool singleBand = v.freqBand == (vPair ? SoftwareInfo::VSection : SoftwareInfo::USection);
    const bool valid = vPair ? vPairValid(v) : uPairValid(v);
    if (!singleBand) {
        if (!valid)
            vPair ? setPair(v, 0, VPresetLow, VPresetHigh) : setPair(v, 1, UPresetLow, UPresetHigh);
        return;
    }
    if (valid) {
        // The other pair follows the edited value.
        static constexpr L Partner[] = {L::LowFreq2, L::HighFreq2, L::LowFreq1, L::HighFreq1};
        v.limits[Partner[limit]] = v.limits[limit];
        return;
    }
    if (vPair)
        setAll(v, VPresetLow, VPresetHigh);
    else if (limit == L::LowFreq2)
        setAll(v, UPresetLow, UPresetHigh);
    else
        setPair(v, 1, UPresetLow, UPresetHigh); // the V pair stays as it is
}

bool limitEnabled(const SoftwareInfo& v, SoftwareInfo::Limit limit) {
    const bool vPair = limit == L::LowFreq1 || limit == L::HighFreq1;
    return v.appliedBand != (vPair ? SoftwareInfo::USection : SoftwareInfo::VSection);
}

BandLimits bandLimitsOf(const SoftwareInfo& v) {
    auto tenHz = [](int mhz) { return static_cast<std::int64_t>(mhz) * TenHzPerMHz; };
    return {tenHz(v.limits[L::LowFreq1]), tenHz(v.limits[L::HighFreq1]),
            tenHz(v.limits[L::LowFreq2]), tenHz(v.limits[L::HighFreq2])};
}

void storeSoftwareInfo(const SoftwareInfo& v, CodeplugImage& image) {
    image.set(CompanyAt, static_cast<std::uint8_t>(v.company < 0 ? 0 : v.company));
    image.set(FreqBandAt, static_cast<std::uint8_t>(v.freqBand < 0 ? 0 : v.freqBand));
    const BandLimits limits = bandLimitsOf(v);
    writeBandShadow(limits, image);
    writeBandLimitBlock(limits, image);
}

} // namespace program::service
