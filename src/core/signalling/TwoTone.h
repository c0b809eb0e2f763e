#pragma once

#include "model/CodeplugImage.h"
#include "signalling/Spin.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The 2-Tone dialog's pages: the encode list with the encoder's timing, and the
// eight decode entries; what each shows, how it is stored with the values the
// radio derives from it, and the rules of the edits and spin buttons.
namespace program::signalling {

// The kinds of 2-Tone edit. Each has its range, its spin step and the unit its
// value is kept in: tones in 0.1 Hz, delays and intervals in 0.1 s, the Tx rise
// delay in 0.01 s (on a grid of 0.05 s).
enum class TwoToneEdit { Tone, Delay, Interval, TxRise };

// Leaving an edit: the text read as a decimal number (no number reads as 0),
// brought into the range and written in the edit's format ("1000.0", "0.5", "0.35").
std::string leaveTwoToneEdit(TwoToneEdit kind, std::string_view text);
// One press of the edit's spin button: a step up or down from the edit's number,
// wrapping round at the ends of the range.
std::string spinTwoToneEdit(TwoToneEdit kind, std::string_view text, Spin spin);
// The value an edit's text stores: the text as leaving the edit leaves it, in the
// kind's unit. A store always goes through this, so no text that was typed and
// never left reaches the image out of range.
int twoToneValue(TwoToneEdit kind, std::string_view text);
// The text an edit shows for a value in the kind's unit.
std::string twoToneText(TwoToneEdit kind, int value);
// A value brought into the range as leaving the edit would bring it.
int clampTwoTone(TwoToneEdit kind, int value);

// Committing an encode grid cell: an empty text leaves the cell empty, any other
// text is a tone.
std::string commitToneCell(std::string_view text);

// The dividers the radio takes for a tone (in 0.1 Hz, within the tone range):
// 111957 / Hz for the encoder and 895658 / Hz for the decoder, rounded half up.
std::uint16_t encodeDivider(int tone);
std::uint16_t decodeDivider(int tone);

// Encode page: the encoder's timing and the list of 32 tone pairs.
struct TwoToneEncode {
    static constexpr std::size_t PairCount = 32;
    // A pair's two tones in 0.1 Hz; an empty cell has no value.
    using Pair = std::array<std::optional<int>, 2>;

    int firstDelay = 5;  // 0.1 s
    int secondDelay = 5; // 0.1 s
    int longDelay = 10;  // 0.1 s
    int interval = 10;   // 0.1 s (the radio counts it in 50 ms steps)
    int txRise = 10;     // 0.01 s, on the 0.05 s grid
    bool shortBeep = false;
    std::array<Pair, PairCount> pairs{};
    // The count of 50 ms steps the interval was loaded from. An odd count shows as
    // a tenth of a second; while the interval still shows what the count shows,
    // the count is stored as it was, so a look at the page loses no 50 ms step.
    std::optional<int> loadedIntervalSteps;

    friend bool operator==(const TwoToneEncode&, const TwoToneEncode&) = default;
};

// The interval is shown to 0.1 s, so an odd count of 50 ms steps shows as the
// tenth the edit's format makes of it; the count itself is kept beside it.
TwoToneEncode loadTwoToneEncode(const CodeplugImage& image);
// Writes the timing block and the encode list, each value clamped to its range,
// and each tone's divider (0 for an empty cell). The interval keeps the count it
// was loaded from while it shows that count and the count lies within the range.
void storeTwoToneEncode(const TwoToneEncode& values, CodeplugImage& image);

// One decode entry.
struct TwoToneDecode {
    static constexpr std::size_t EntryCount = 8;

    int aTone = 20000;   // 0.1 Hz
    int bTone = 10000;   // 0.1 Hz
    int firstDelay = 5;  // 0.1 s
    int secondDelay = 5; // 0.1 s
    int interval = 10;   // 0.1 s
    int longDelay = 5;   // 0.1 s

    friend bool operator==(const TwoToneDecode&, const TwoToneDecode&) = default;
};

// Entries are numbered 1 to 8, as the tabs name them.
TwoToneDecode loadTwoToneDecode(const CodeplugImage& image, std::size_t entry);
// Writes the entry, each value clamped to its range, and for entries 1 to 4 the
// derived block (the dividers and the times in 50 ms steps).
void storeTwoToneDecode(const TwoToneDecode& values, std::size_t entry, CodeplugImage& image);

} // namespace program::signalling
