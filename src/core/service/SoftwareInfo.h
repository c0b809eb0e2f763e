#pragma once

#include "app/ChoiceList.h"
#include "app/ProgramState.h"
#include "model/CodeplugImage.h"

#include <array>

namespace program::service {

// What Software Info shows: the maker entry, the band fitting and the four band
// limits in whole MHz, with the band fitting last applied to the limits.
struct SoftwareInfo {
    // Positions of the "Freq Band" list.
    enum Band { NoBand = 0, VSection = 1, USection = 2, UVSection = 3 };
    // The four limit edits, V band first.
    enum Limit { LowFreq1 = 0, HighFreq1 = 1, LowFreq2 = 2, HighFreq2 = 3 };

    int company = 0;
    int freqBand = NoBand;
    std::array<int, 4> limits{};
    // The band fitting the limits were last set for; choosing it again changes
    // nothing.
    int appliedBand = NoBand;

    friend bool operator==(const SoftwareInfo&, const SoftwareInfo&) = default;
};

// The lists, the same texts in both languages.
const ChoiceList& companyChoices();
const ChoiceList& freqBandChoices();

// The image's values as the dialog shows them: an index with no entry shows the
// first one, and limits that the band fitting cannot have are replaced by its
// presets (in the dialog only; the image is not changed).
SoftwareInfo loadSoftwareInfo(const CodeplugImage& image);
// The program-wide band limits a load sets: the band-limit block as it stands,
// before the dialog's own check.
BandLimits loadedBandLimits(const CodeplugImage& image);

// A new choice in "Freq Band" (a negative one taken as "None"): the limits take
// the presets of the fitting, unless it is the one last applied.
void chooseBand(SoftwareInfo& values, int band);
// Leaving limit edit `limit`: an impossible pair is replaced by its presets, and
// for a single-band fitting the other pair follows the edited one.
void checkLimit(SoftwareInfo& values, SoftwareInfo::Limit limit);
// Whether the pair of `limit` can be edited for the fitting last applied: the V
// pair is off for "U Section", the U pair for "V Section".
bool limitEnabled(const SoftwareInfo& values, SoftwareInfo::Limit limit);

// Writes the maker and band bytes, the band shadow and the band-limit block.
void storeSoftwareInfo(const SoftwareInfo& values, CodeplugImage& image);
// The program-wide band limits a store sets.
BandLimits bandLimitsOf(const SoftwareInfo& values);

} // namespace program::service
