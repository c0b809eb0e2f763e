#include "service/ParameterAdjust.h"

#include "model/FactoryDefaults.h"
#include "model/Fields.h"
#include "model/ImageMap.h"

#include <cstdlib>

namespace program::service {

namespace {

using imagemap::ParameterBlock;

// Byte positions in the parameter block.
constexpr std::size_t SwitchesAt = ParameterBlock.offset + 0; // bits 0-3: detect switches
constexpr std::size_t SetLowAt = ParameterBlock.offset + 1;
constexpr std::size_t SetHighAt = ParameterBlock.offset + 2;
constexpr std::size_t DetectTableAt = ParameterBlock.offset + 3; // row by row
constexpr std::size_t MicInputAnaAt = ParameterBlock.offset + 0x13;
constexpr std::size_t MicInputDigitAt = ParameterBlock.offset + 0x14;
constexpr std::size_t MicAmpAt = ParameterBlock.offset + 0x15;
constexpr std::size_t MaxAmpAt = ParameterBlock.offset + 0x16; // 16 bits, low byte first
constexpr std::size_t ToneAnaAt = ParameterBlock.offset + 0x18;
constexpr std::size_t ToneDigitAt = ParameterBlock.offset + 0x19;
constexpr std::size_t VDifferenceAt = ParameterBlock.offset + 0x1A;
constexpr std::size_t UDifferenceAt = ParameterBlock.offset + 0x1B;

static_assert(DetectTableAt + ParameterAdjust::DetectRows * ParameterAdjust::DetectColumns ==
              MicInputAnaAt);
static_assert(UDifferenceAt + 1 == ParameterBlock.end());

constexpr std::uint8_t NegativeBit = 0x80;
constexpr std::uint8_t MagnitudeBits = 0x7F;

std::size_t detectCellAt(int row, int column) {
    return DetectTableAt + static_cast<std::size_t>(row * ParameterAdjust::DetectColumns + column);
}

// The bytes as they stand, before any rule of the dialog.
ParameterAdjust decode(const CodeplugImage& image) {
    const auto bytes = image.bytes();
    ParameterAdjust v;
    v.narrowDetect1 = field::bit(bytes, SwitchesAt, 0);
    v.narrowDetect2 = field::bit(bytes, SwitchesAt, 1);
    v.wideDetect1 = field::bit(bytes, SwitchesAt, 2);
    v.wideDetect2 = field::bit(bytes, SwitchesAt, 3);
    v.sqlDetectSetLow = bytes[SetLowAt];
    v.sqlDetectSetHigh = bytes[SetHighAt];
    for (int row = 0; row < ParameterAdjust::DetectRows; ++row)
        for (int column = 0; column < ParameterAdjust::DetectColumns; ++column)
            v.sqlDetect[row][column] = bytes[detectCellAt(row, column)];
    v.micInputGainAna = bytes[MicInputAnaAt];
    v.micInputGainDigit = bytes[MicInputDigitAt];
    v.micAmpGain = bytes[MicAmpAt];
    v.maxAmpOffset = field::u16le(bytes, MaxAmpAt);
    v.toneAmpOffsetAna = bytes[ToneAnaAt];
    v.toneAmpOffsetDigit = bytes[ToneDigitAt];
    v.vNarrowSqlDifference = fromSignAndMagnitude(bytes[VDifferenceAt]);
    v.uNarrowSqlDifference = fromSignAndMagnitude(bytes[UDifferenceAt]);
    return v;
}

// What a new document holds is what the dialog falls back to.
const ParameterAdjust& newDocumentValues() {
    static const ParameterAdjust values = decode(factoryDefaults());
    return values;
}

bool detectCellValid(int value) {
    return value >= 0 && value <= DetectCellMaximum;
}

} // namespace

const std::vector<ParameterNumber>& parameterNumbers() {
    using P = ParameterAdjust;
    static const std::vector<ParameterNumber> numbers{
        {&P::micInputGainAna, 0, 31},  {&P::micInputGainDigit, 0, 127},
        {&P::micAmpGain, 0, 15},       {&P::maxAmpOffset, 30, 150},
        {&P::toneAmpOffsetAna, 5, 30}, {&P::toneAmpOffsetDigit, 5, 30},
        {&P::sqlDetectSetLow, 0, 255}, {&P::sqlDetectSetHigh, 0, 127},
    };
    return numbers;
}

ParameterAdjust normalisedParameters(ParameterAdjust values) {
    const ParameterAdjust& defaults = newDocumentValues();
    for (const ParameterNumber& number : parameterNumbers()) {
        int& value = values.*number.value;
        if (value < number.minimum || value > number.maximum)
            value = defaults.*number.value;
    }
    for (int row = 0; row < ParameterAdjust::DetectRows; ++row)
        for (int column = 0; column < ParameterAdjust::DetectColumns; ++column)
            if (!detectCellValid(values.sqlDetect[row][column]))
                values.sqlDetect[row][column] = defaults.sqlDetect[row][column];
    return values;
}

ParameterAdjust loadParameterAdjust(const CodeplugImage& image) {
    ParameterAdjust values = normalisedParameters(decode(image));
    for (int* difference : {&values.vNarrowSqlDifference, &values.uNarrowSqlDifference})
        if (*difference < DifferenceMinimum || *difference > DifferenceMaximum)
            *difference = DifferenceMinimum;
    return values;
}

void storeParameterAdjust(const ParameterAdjust& given, CodeplugImage& image) {
    const ParameterAdjust v = normalisedParameters(given);
    const auto bytes = image.bytes();
    field::setBit(bytes, SwitchesAt, 0, v.narrowDetect1);
    field::setBit(bytes, SwitchesAt, 1, v.narrowDetect2);
    field::setBit(bytes, SwitchesAt, 2, v.wideDetect1);
    field::setBit(bytes, SwitchesAt, 3, v.wideDetect2);
    image.set(SetLowAt, static_cast<std::uint8_t>(v.sqlDetectSetLow));
    image.set(SetHighAt, static_cast<std::uint8_t>(v.sqlDetectSetHigh));
    for (int row = 0; row < ParameterAdjust::DetectRows; ++row)
        for (int column = 0; column < ParameterAdjust::DetectColumns; ++column)
            image.set(detectCellAt(row, column),
                      static_cast<std::uint8_t>(v.sqlDetect[row][column]));
    image.set(MicInputAnaAt, static_cast<std::uint8_t>(v.micInputGainAna));
    image.set(MicInputDigitAt, static_cast<std::uint8_t>(v.micInputGainDigit));
    image.set(MicAmpAt, static_cast<std::uint8_t>(v.micAmpGain));
    field::setU16le(bytes, MaxAmpAt, static_cast<std::uint16_t>(v.maxAmpOffset));
    image.set(ToneAnaAt, static_cast<std::uint8_t>(v.toneAmpOffsetAna));
    image.set(ToneDigitAt, static_cast<std::uint8_t>(v.toneAmpOffsetDigit));
    image.set(VDifferenceAt, signAndMagnitude(v.vNarrowSqlDifference));
    image.set(UDifferenceAt, signAndMagnitude(v.uNarrowSqlDifference));
}

std::uint8_t signAndMagnitude(int value) {
    const auto magnitude = static_cast<std::uint8_t>(std::abs(value % 128) & MagnitudeBits);
    return value < 0 ? static_cast<std::uint8_t>(NegativeBit | magnitude) : magnitude;
}

int fromSignAndMagnitude(std::uint8_t byte) {
    const int magnitude = byte & MagnitudeBits;
    return byte & NegativeBit ? -magnitude : magnitude;
}

const BilingualText& detectRowLabel(int row) {
    static const BilingualText labels[ParameterAdjust::DetectRows] = {
        {"sql detect 1", "静噪检测 1"},
        {"sql detect 2", "静噪检测 2"},
        {"sql detect 3", "静噪检测 3"},
        {"sql detect 4", "静噪检测 4"},
    };
    return labels[row];
}

const BilingualText& detectColumnLabel(int column) {
    static const BilingualText labels[ParameterAdjust::DetectColumns] = {
        {"narrow low", "窄带 低"},
        {"narrow high", "窄带 高"},
        {"wide low", "宽带 低"},
        {"wide high", "宽带 高"},
    };
    return labels[column];
}

} // namespace program::service
