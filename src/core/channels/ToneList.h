#pragma once

#include "app/ProgramState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace program {

// The QT/DQT vocabulary in list order: "None" ("无" in Chinese), the 50 CTCSS tones
// ("67.0" .. "254.1"), the 105 DCS codes with normal polarity ("D023N" .. "D754N")
// and the same codes inverted ("D023I" .. "D754I"): 261 texts.
inline constexpr std::size_t ToneListSize = 261;
const std::vector<std::string>& toneList(Language language);

// A tone field: low byte first. High byte 0xFF or 0x00: no tone; 0x01-0x7F: CTCSS
// in 0.1 Hz as four BCD digits (67.0 Hz = 70 06); 0x80-0xBF: DCS normal, the code's
// first digit in the high byte and the last two as BCD in the low byte (D023N =
// 23 80); 0xC0-0xFE: DCS inverted (D023I = 23 C0).
struct ToneCode {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;

    friend bool operator==(const ToneCode&, const ToneCode&) = default;
};

// The text of a tone field. No tone shows as "None" ("无"), or as nothing on a
// blank channel; a tone is shown even on a blank channel.
std::string decodeTone(ToneCode code, bool blankChannel, Language language);

// The field for a tone text. "None", "无", empty and unreadable texts give no tone.
ToneCode encodeTone(std::string_view text);

} // namespace program
