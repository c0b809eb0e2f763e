#pragma once

#include "app/BilingualText.h"
#include "model/CodeplugImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace program::service {

// What Parameter Adjust shows: the audio parameters, the narrow-band squelch
// differences of the two bands, and the 4 x 4 squelch-detect table. The four
// detect switches and the two detect set levels have no visible control; they
// are carried through every load and store all the same, so that a read followed
// by a write gives the radio back what it held.
struct ParameterAdjust {
    static constexpr int DetectRows = 4;
    static constexpr int DetectColumns = 4; // narrow low, narrow high, wide low, wide high

    bool narrowDetect1 = false;
    bool narrowDetect2 = false;
    bool wideDetect1 = false;
    bool wideDetect2 = false;
    int sqlDetectSetLow = 0;
    int sqlDetectSetHigh = 0;
    std::array<std::array<int, DetectColumns>, DetectRows> sqlDetect{};
    int micInputGainAna = 0;
    int micInputGainDigit = 0;
    int micAmpGain = 0;
    int maxAmpOffset = 0;
    int toneAmpOffsetAna = 0;
    int toneAmpOffsetDigit = 0;
    int vNarrowSqlDifference = 0;
    int uNarrowSqlDifference = 0;

    friend bool operator==(const ParameterAdjust&, const ParameterAdjust&) = default;
};

// A number chosen from a list or typed into it, with the range its list holds.
struct ParameterNumber {
    int ParameterAdjust::*value;
    int minimum;
    int maximum;
};
// The six number lists of the dialog in their order, then the two hidden detect
// set levels.
const std::vector<ParameterNumber>& parameterNumbers();

// The two squelch differences are chosen from -10 ... 10.
inline constexpr int DifferenceMinimum = -10;
inline constexpr int DifferenceMaximum = 10;
// What a difference list with nothing chosen stores.
inline constexpr int EmptyDifference = 4;
// A detect-table byte from 0 to 128 is shown as it is.
inline constexpr int DetectCellMaximum = 128;

// What the dialog shows for the image: a number outside its list's range shows
// the new document's value, as does a detect-table byte above 128; a difference
// outside -10 ... 10 shows -10.
ParameterAdjust loadParameterAdjust(const CodeplugImage& image);
// The values as the dialog stores them: each number outside its range becomes
// the new document's value, and so does a detect-table cell outside 0 ... 128.
ParameterAdjust normalisedParameters(ParameterAdjust values);
// Writes the normalised values; bits 4-7 of the switch byte are kept.
void storeParameterAdjust(const ParameterAdjust& values, CodeplugImage& image);

// A squelch difference as the radio holds it: bit 7 set for a negative number,
// bits 0-6 its magnitude.
std::uint8_t signAndMagnitude(int value);
int fromSignAndMagnitude(std::uint8_t byte);

// Labels of the detect table, in both languages.
const BilingualText& detectRowLabel(int row);
const BilingualText& detectColumnLabel(int column);

} // namespace program::service
