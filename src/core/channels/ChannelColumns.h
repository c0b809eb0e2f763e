#pragma once

#include <array>
#include <string>

namespace program {

// Grid columns of the channel table. Column 0 holds the row labels.
namespace column {
inline constexpr int Label = 0;
inline constexpr int RxFrequency = 1;
inline constexpr int TxFrequency = 2;
inline constexpr int DecodeTone = 3; // "QT/DQT Dec"
inline constexpr int EncodeTone = 4; // "QT/DQT Enc"
inline constexpr int Name = 5;
inline constexpr int Power = 6;
inline constexpr int Bandwidth = 7;
inline constexpr int ScanAdd = 8;
inline constexpr int BusyLock = 9;
} // namespace column

// The nine cell texts of one channel: column c at index c - 1 (see cell()).
using ChannelRow = std::array<std::string, 9>;

inline std::string& cell(ChannelRow& row, int column) {
    return row.at(column - 1);
}
inline const std::string& cell(const ChannelRow& row, int column) {
    return row.at(column - 1);
}

} // namespace program
