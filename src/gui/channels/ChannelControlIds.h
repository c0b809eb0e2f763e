#pragma once

// Control ids of the channel grid view and its cell editors; they double as the
// help contexts F1 opens, except where an editor serves two columns.
namespace gridcontrol {

inline constexpr int Grid = 1022;
inline constexpr int FrequencyEdit = 1127;
inline constexpr int NameEdit = 1126;
inline constexpr int ToneList = 1132;
inline constexpr int PowerList = 1129;
inline constexpr int BandwidthList = 1128;
inline constexpr int ScanAddList = 1134;
inline constexpr int BusyLockList = 1130;

// Help contexts of the editors that serve two columns.
inline constexpr int RxFrequencyHelp = 2127;
inline constexpr int TxFrequencyHelp = 2128;
inline constexpr int DecodeToneHelp = 2132;
inline constexpr int EncodeToneHelp = 2133;

} // namespace gridcontrol
