#pragma once

#include "app/ProgramState.h"

#include <string_view>

namespace program {

// A text the channel table shows in the user's language.
struct BilingualText {
    std::string_view english;
    std::string_view chinese;

    std::string_view in(Language language) const {
        return language == Language::Chinese ? chinese : english;
    }
    bool matches(std::string_view text) const { return text == english || text == chinese; }
};

namespace channeltext {
inline constexpr BilingualText NoTone{"None", "无"};
inline constexpr BilingualText High{"High", "高"};
inline constexpr BilingualText Low{"Low", "低"};
inline constexpr BilingualText Wide{"Wide", "宽"};
inline constexpr BilingualText Narrow{"Narrow", "窄"};
inline constexpr BilingualText Yes{"Yes", "是"};
inline constexpr BilingualText No{"No", "否"};
inline constexpr BilingualText Off{"Off", "关"};
inline constexpr BilingualText Carrier{"Carrier", "载波"};
inline constexpr BilingualText QtDqt{"QT/DQT", "QT/DQT"};

// Headers of grid row 0, columns 0..9.
inline constexpr BilingualText Headers[10] = {
    {"CH", "信道"},
    {"Rx Frequency", "接收频率"},
    {"Tx Frequency", "发射频率"},
    {"QT/DQT Dec", "QT/DQT解码"},
    {"QT/DQT Enc", "QT/DQT编码"},
    {"Chnnel Name", "信道名字"},
    {"Power", "功率"},
    {" W/N ", "宽/窄"},
    {"Scan Add", "扫描添加"},
    {"Busy Lock", "繁忙锁定"},
};
} // namespace channeltext

} // namespace program
