#include "features/OptionalFeatures.h"

#include "model/Fields.h"
#include "model/ImageMap.h"

#include <algorithm>

namespace program::features {

namespace {

using imagemap::FeatureFlags;
using imagemap::Password;
constexpr auto Block = imagemap::OptionalFeatures;

// Byte positions of the feature block and the flag bytes.
constexpr std::size_t TotAt = Block.offset + 0;
constexpr std::size_t SquelchAt = Block.offset + 1;
constexpr std::size_t VoxAt = Block.offset + 2;
constexpr std::size_t StepAt = Block.offset + 3;
constexpr std::size_t PreAlertAt = Block.offset + 4;
constexpr std::size_t KeysAt = Block.offset + 5;         // orange key, key lock, beep...
constexpr std::size_t DisplayAt = Block.offset + 6;      // STR, power-on, back light
constexpr std::size_t ModeAt = Block.offset + 7;         // display mode
constexpr std::size_t SaverAt = FeatureFlags.offset + 0; // battery saver, keypad lock
constexpr std::size_t PriorityAt = FeatureFlags.offset + 1;
constexpr std::size_t MskAt = FeatureFlags.offset + 3; // MSK type and inversion, reset

// Orange key: stored 1, 2, 0 for the list's "Send 1750 Singal", "Emergency Call",
// "Off"; 3 acts as an emergency call.
constexpr unsigned OrangeKeyStored[] = {1, 2, 0};

int indexOf(std::uint8_t byte, const ChoiceList& list) {
    return byte < list.size() ? byte : 0;
}

// A two-bit field whose value 3 shows as `shownForThree`.
int twoBitPosition(unsigned value, int shownForThree) {
    return value == 3 ? shownForThree : int(value);
}

// A list of two entries over one bit: `setAt` is the position of the entry the
// set bit stands for.
int bitPosition(bool set, int setAt) {
    return set ? setAt : 1 - setAt;
}

std::uint8_t bytePosition(int position) {
    return position < 0 ? 0 : std::uint8_t(position);
}

unsigned twoBitValue(int position) {
    return position < 0 ? 0 : unsigned(position);
}

} // namespace

OptionalFeatures loadOptionalFeatures(const CodeplugImage& image) {
    namespace f = field;
    namespace l = optionallists;
    const auto bytes = image.bytes();
    OptionalFeatures v;
    v.tot = indexOf(bytes[TotAt], l::tot());
    v.squelchLevel = indexOf(bytes[SquelchAt], l::squelchLevel());
    v.voxGain = indexOf(bytes[VoxAt], l::voxGain());
    v.step = indexOf(bytes[StepAt], l::step());
    v.totPreAlert = indexOf(bytes[PreAlertAt], l::totPreAlert());
    v.priorityChannel = indexOf(bytes[PriorityAt], l::priorityChannel());

    const unsigned orange = f::bits(bytes, KeysAt, 0, 2);
    v.orangeKey =
        orange == 3
            ? 1
            : int(std::find(std::begin(OrangeKeyStored), std::end(OrangeKeyStored), orange) -
                  std::begin(OrangeKeyStored));
    v.keyLock = bitPosition(f::bit(bytes, KeysAt, 2), 1);
    v.beep = bitPosition(f::bit(bytes, KeysAt, 3), 0);
    v.stopwatch = bitPosition(f::bit(bytes, KeysAt, 4), 0);
    v.scanMode = twoBitPosition(f::bits(bytes, KeysAt, 5, 2), 0);
    v.tail = bitPosition(f::bit(bytes, KeysAt, 7), 1);

    v.strSet = bitPosition(f::bit(bytes, DisplayAt, 0), 1);
    v.powerOnStyle = twoBitPosition(f::bits(bytes, DisplayAt, 2, 2), 0);
    v.backLight = twoBitPosition(f::bits(bytes, DisplayAt, 4, 2), 0);
    v.backLightColor = twoBitPosition(f::bits(bytes, DisplayAt, 6, 2), 0);
    v.displayMode = int(f::bits(bytes, ModeAt, 0, 2));

    v.batterySaver = bitPosition(f::bit(bytes, SaverAt, 0), 0);
    v.keypadLock = !f::bit(bytes, SaverAt, 7);
    v.mskType = bitPosition(f::bit(bytes, MskAt, 0), 0);
    v.repeaterMskInvert = f::bit(bytes, MskAt, 1);
    v.allowReset = bitPosition(f::bit(bytes, MskAt, 4), 0);

    for (std::size_t at = 0; at < Password.size; ++at) {
        const std::uint8_t byte = bytes[Password.offset + at];
        if (byte < '0' || byte > '9')
            break;
        v.password.push_back(char(byte));
    }
    return v;
}

void storeOptionalFeatures(const OptionalFeatures& v, CodeplugImage& image) {
    namespace f = field;
    const auto bytes = image.bytes();
    bytes[TotAt] = bytePosition(v.tot);
    bytes[SquelchAt] = bytePosition(v.squelchLevel);
    bytes[VoxAt] = bytePosition(v.voxGain);
    bytes[StepAt] = bytePosition(v.step);
    bytes[PreAlertAt] = bytePosition(v.totPreAlert);
    bytes[PriorityAt] = bytePosition(v.priorityChannel);

    const bool orangeChosen = v.orangeKey >= 0 && v.orangeKey < int(std::size(OrangeKeyStored));
    f::setBits(bytes, KeysAt, 0, 2, orangeChosen ? OrangeKeyStored[v.orangeKey] : 2);
    f::setBit(bytes, KeysAt, 2, v.keyLock == 1);
    f::setBit(bytes, KeysAt, 3, v.beep == 0);
    f::setBit(bytes, KeysAt, 4, v.stopwatch == 0);
    f::setBits(bytes, KeysAt, 5, 2, twoBitValue(v.scanMode));
    f::setBit(bytes, KeysAt, 7, v.tail == 1);

    f::setBit(bytes, DisplayAt, 0, v.strSet == 1);
    f::setBits(bytes, DisplayAt, 2, 2, twoBitValue(v.powerOnStyle));
    f::setBits(bytes, DisplayAt, 4, 2, twoBitValue(v.backLight));
    f::setBits(bytes, DisplayAt, 6, 2, twoBitValue(v.backLightColor));
    f::setBits(bytes, ModeAt, 0, 2, twoBitValue(v.displayMode));

    f::setBit(bytes, SaverAt, 0, v.batterySaver == 0);
    f::setBit(bytes, SaverAt, 7, !v.keypadLock);
    f::setBit(bytes, MskAt, 0, v.mskType == 0);
    f::setBit(bytes, MskAt, 1, v.repeaterMskInvert);
    f::setBit(bytes, MskAt, 4, v.allowReset == 0);

    f::setText(bytes, Password.offset, Password.size, v.password.substr(0, PasswordLength));
}

bool isPassword(std::string_view text) {
    return text.size() <= PasswordLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace optionallists {

namespace {

ChoiceList offThenNumbers(BilingualText off, int last, int step = 1) {
    ChoiceList list{std::move(off)};
    for (const auto& number : numberChoices(step, last, step))
        list.push_back(number);
    return list;
}

const BilingualText On{"On", "开"};
const BilingualText Off{"Off", "关"};

} // namespace

const ChoiceList& tot() {
    static const ChoiceList list = offThenNumbers({"Off", "关闭"}, 270, 30);
    return list;
}
const ChoiceList& squelchLevel() {
    static const ChoiceList list = numberChoices(0, 9);
    return list;
}
const ChoiceList& voxGain() {
    static const ChoiceList list = offThenNumbers({"Off", "关"}, 9);
    return list;
}
const ChoiceList& step() {
    static const ChoiceList list{{"5", {}}, {"6.25", {}}, {"10", {}}, {"12.5", {}}, {"25", {}}};
    return list;
}
const ChoiceList& totPreAlert() {
    static const ChoiceList list = offThenNumbers({"Off", "关闭"}, 9);
    return list;
}
const ChoiceList& orangeKey() {
    static const ChoiceList list{
        {"Send 1750 Singal", "发射1750信号"}, {"Emergency Call", "发射报警信号"}, {"Off", "关闭"}};
    return list;
}
const ChoiceList& keyLock() {
    static const ChoiceList list{{"Auto", "自动"}, {"Manual", "手动"}};
    return list;
}
const ChoiceList& beep() {
    static const ChoiceList list{On, Off};
    return list;
}
const ChoiceList& scanMode() {
    static const ChoiceList list{{"TO", "时间"}, {"CO", "载波"}, {"SE", "搜索"}};
    return list;
}
const ChoiceList& tail() {
    static const ChoiceList list{Off, On};
    return list;
}
const ChoiceList& strSet() {
    return keyLock();
}
const ChoiceList& powerOnStyle() {
    static const ChoiceList list{{"Off", "关闭"}, {"Voltage", "电压值"}, {"Message", "欢迎信息"}};
    return list;
}
const ChoiceList& backLight() {
    static const ChoiceList list{{"Off", "关闭"}, {"Auto", "自动"}, {"On", "打开"}};
    return list;
}
const ChoiceList& backLightColor() {
    static const ChoiceList list{{"Light 1", "颜色1"}, {"Light 2", "颜色2"}, {"Light 3", "颜色3"}};
    return list;
}
const ChoiceList& displayMode() {
    static const ChoiceList list{
        {"CHANNEL", "纯信道"}, {"NAME", "信道名称"}, {"FREQ.CH", "频率信道"}, {"FREQ", "频率"}};
    return list;
}
const ChoiceList& priorityChannel() {
    static const ChoiceList list = offThenNumbers({"None", "无"}, 128);
    return list;
}
const ChoiceList& mskType() {
    static const ChoiceList list{{"MSK-I", {}}, {"MSK-II", {}}};
    return list;
}
const ChoiceList& allowReset() {
    static const ChoiceList list{{"Enable", "允许"}, {"Disable", "禁止"}};
    return list;
}

} // namespace optionallists

} // namespace program::features
