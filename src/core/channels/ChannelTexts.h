#pragma once

#include "app/BilingualText.h"

namespace program {

// The texts the channel table shows in the user's language.
namespace channeltext {
inline const BilingualText NoTone{"None", "无"};
inline const BilingualText High{"High", "高"};
inline const BilingualText Low{"Low", "低"};
inline const BilingualText Wide{"Wide", "宽"};
inline const BilingualText Narrow{"Narrow", "窄"};
inline const BilingualText Yes{"Yes", "是"};
inline const BilingualText No{"No", "否"};
inline const BilingualText Off{"Off", "关"};
inline const BilingualText Carrier{"Carrier", "载波"};
inline const BilingualText QtDqt{"QT/DQT", "QT/DQT"};

// Headers of grid row 0, columns 0..9.
inline const BilingualText Headers[10] = {
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
