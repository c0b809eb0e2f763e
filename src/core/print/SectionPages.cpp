#include "print/SectionPages.h"

#include "channels/ChannelColumns.h"
#include "features/Msk.h"
#include "features/OptionalFeatures.h"
#include "model/Fields.h"
#include "model/ImageMap.h"

#include <charconv>

namespace program::print {

namespace {

namespace f = field;
using Texts = std::vector<BilingualText>;

const BilingualText On{"On", "开"};
const BilingualText Off{"Off", "关"};

std::string number(int value) {
    return std::to_string(value);
}

const std::string& onOff(const PageBuilder& page, bool on) {
    return page.pick(on ? On : Off);
}

// A label and its value on one row.
void line(PageBuilder& page, int row, int labelX, int valueX, const BilingualText& label,
          std::string value) {
    page.body(labelX, row, page.pick(label));
    page.body(valueX, row, std::move(value));
}

} // namespace

std::string fixed(double value, int width, int precision) {
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, precision);
    std::string text(digits, result.ptr);
    if (int(text.size()) < width)
        text.insert(0, std::size_t(width) - text.size(), ' ');
    return text;
}

PageBuilder::PageBuilder(const PageArea& area, const LineHeights& lines, Language language)
    : m_area(area), m_lines(lines), m_language(language), m_unit(area.width / 66) {}

void PageBuilder::body(int x, int row, std::string text) {
    this->text(x, row * m_lines.body, FontRole::Body, std::move(text));
}

void PageBuilder::title(const BilingualText& text) {
    this->text(6 * m_unit, m_lines.title, FontRole::Title, pick(text));
}

void PageBuilder::text(int x, int y, FontRole font, std::string text) {
    // An empty value draws nothing; leaving it out keeps the page's items to what
    // shows.
    if (!text.empty())
        m_page.texts.push_back({x, y, font, std::move(text)});
}

void PageBuilder::rule(int x1, int y1, int x2, int y2) {
    m_page.rules.push_back({x1, y1, x2, y2});
}

void PageBuilder::frame() {
    const int c = m_unit;
    const int l = m_lines.title;
    rule(5 * c, 2 * l + 50, 60 * c, 2 * l + 50);
    rule(5 * c, 2 * l + 120, 60 * c, 2 * l + 120);
    rule(5 * c, 36 * l - l / 2, 60 * c, 36 * l - l / 2);
}

void PageBuilder::footer(const std::string& owner, int page, int pages) {
    const int c = m_unit;
    const int l = m_lines.title;
    // The footer is set in the body font, like the lines of the page above it.
    text(10 * c, 36 * l, FontRole::Body, owner);
    text(45 * c, 36 * l, FontRole::Body, "Page " + number(page) + " of " + number(pages));
}

// --- DTMF ----------------------------------------------------------------------

void dtmfPage(PageBuilder& page, const CodeplugImage& image) {
    using imagemap::Dtmf;
    const auto bytes = image.bytes();
    const int c = page.unit();
    const int l = page.line(FontRole::Body);
    constexpr std::size_t SpeedAt = Dtmf.offset;
    constexpr std::size_t TimesAt = Dtmf.offset + 1; // delay, first digit, * and #
    constexpr std::size_t IdCodeAt = Dtmf.offset + 0x10;
    constexpr std::size_t StunCodeAt = Dtmf.offset + 0x20;
    constexpr std::size_t CodeLength = 10;
    constexpr std::size_t FlagsAt = imagemap::FeatureFlags.offset;
    constexpr std::size_t CallLength = 16;

    page.title({"DTMF", {}});
    page.body(6 * c, 4, page.pick({"Encode", "编码"}));
    // The timing reads as the DTMF dialog shows it: the speed from two bits, each
    // time from the five low bits of its byte, in steps of 50 ms.
    constexpr int Speeds[] = {6, 8, 10, 15};
    line(page, 5, 9 * c, 40 * c, {"DTMF Speed:", "DTMF 速率:"},
         number(Speeds[f::bits(bytes, SpeedAt, 0, 2)]));
    const Texts timeLabels{{"First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):"},
                           {"First Digit Time(ms):", "首位数码时间 (毫秒):"},
                           {"* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):"}};
    for (int n = 0; n < 3; ++n)
        line(page, 6 + n, 9 * c, 40 * c, timeLabels[std::size_t(n)],
             number(int(f::bits(bytes, TimesAt + std::size_t(n), 0, 5)) * 50));
    line(page, 9, 9 * c, 40 * c, {"Side Tone:", "侧音:"}, f::bit(bytes, FlagsAt, 6) ? "√" : "×");

    page.body(6 * c, 11, page.pick({"Decode", "解码"}));
    line(page, 12, 9 * c, 40 * c, {"ID Code:", "身份码:"}, f::text(bytes, IdCodeAt, CodeLength));
    const std::uint8_t group = bytes[imagemap::DtmfGroupCode];
    line(page, 13, 9 * c, 40 * c, {"Group Code:", "组呼码:"},
         group == 0xFF ? std::string("Off") : f::text(bytes, imagemap::DtmfGroupCode, 1));
    line(page, 14, 9 * c, 40 * c, {"Stun Activation:", "遥毙激活:"},
         onOff(page, f::bit(bytes, FlagsAt, 4)));
    line(page, 15, 9 * c, 40 * c, {"Stun Code:", "遥毙码:"},
         f::text(bytes, StunCodeAt, CodeLength));
    line(page, 16, 9 * c, 40 * c, {"Stun Code Response:", "遥毙码回应:"},
         page.pick(f::bit(bytes, FlagsAt, 5) ? BilingualText{"Tx inbibit", "禁止发射"}
                                             : BilingualText{"Transceiver inhibit", "禁止收发"}));

    page.body(6 * c, 18, page.pick({"CallList", "呼叫列表"}));
    page.body(9 * c, 19, page.pick({"Num", "编号"}));
    page.body(21 * c, 19, page.pick({"FastCallList", "快速呼叫列表"}));
    page.rule(8 * c, 20 * l - 25, 40 * c, 20 * l - 25);
    page.rule(15 * c, 19 * l - 50, 15 * c, 29 * l);
    for (int i = 1; i <= 9; ++i) {
        const int y = (i + 19) * l + 50;
        page.text(10 * c, y, FontRole::Body, number(i));
        page.text(18 * c, y, FontRole::Body,
                  f::text(bytes, imagemap::DtmfCallList.offset + CallLength * std::size_t(i - 1),
                          CallLength));
    }
}

// --- MSK -----------------------------------------------------------------------

void mskPage(PageBuilder& page, const CodeplugImage& image) {
    const features::Msk msk = features::loadMsk(image);
    const int c = page.unit();
    const int l = page.line(FontRole::Body);
    const BilingualText callList{"CallList", "呼叫列表"};

    page.title({"MSK", {}});
    line(page, 4, 6 * c, 15 * c, {"ID Code:", "身份码:"}, msk.idCode);
    page.body(6 * c, 6, page.pick(callList));
    page.body(9 * c, 7, page.pick({"Num", "编号"}));
    page.body(16 * c, 7, page.pick(callList));
    page.rule(8 * c, 8 * l - 25, 25 * c, 8 * l - 25);
    page.rule(14 * c, 7 * l - 25, 14 * c, 17 * l + 50);
    for (int i = 1; i <= int(features::Msk::CallCount); ++i) {
        const int y = (i + 7) * l + 25;
        page.text(10 * c, y, FontRole::Body, number(i));
        page.text(17 * c, y, FontRole::Body, msk.calls[std::size_t(i - 1)]);
    }
}

// --- Optional ------------------------------------------------------------------

void optionalPage(PageBuilder& page, const CodeplugImage& image) {
    // Where the Optional Features dialog has the setting, the listing shows what
    // the dialog shows, in the listing's own words ("Light 1" is "Purple"). The
    // settings no editor has are read from the bits the radio keeps them in; three
    // of them share the byte the dialog keeps its pre-alert time in.
    const features::OptionalFeatures v = features::loadOptionalFeatures(image);
    const auto bytes = image.bytes();
    constexpr std::size_t AnnounceAt = imagemap::OptionalFeatures.offset + 4;
    constexpr std::size_t FlagsAt = imagemap::FeatureFlags.offset;
    const int c = page.unit();

    const Texts backLights{Off, {"Auto", "自动"}, On};
    const Texts colours{{"Purple", "紫色"}, {"Orangle", "橙色"}, {"Blue", "蓝色"}};
    const Texts keyLocks{{"Auto", "自动"}, {"Manual", "手动"}};
    const Texts scanModes{{"To", "时间"}, {"Co", "载波"}, {"Se", "搜索"}};
    const char* const steps[] = {"5k", "6.25k", "10k", "12.5k", "25k"};
    const auto pickAt = [&page](const Texts& texts, int position) -> std::string {
        return position >= 0 && position < int(texts.size())
                   ? page.pick(texts[std::size_t(position)])
                   : std::string();
    };
    const auto offOrNumber = [&page](int position, int factor) {
        return position == 0 ? page.pick(Off) : number(position * factor);
    };

    const bool announce = f::bit(bytes, AnnounceAt, 2);
    const bool announceChinese = f::bit(bytes, FlagsAt, 1);
    std::string voice;
    if (!announce && !announceChinese)
        voice = page.pick(Off);
    else if (announce)
        voice = page.pick(announceChinese ? BilingualText{"Chinese", "中文"}
                                          : BilingualText{"English", "英文"});

    const std::pair<BilingualText, std::string> lines[] = {
        {{"Back Light:", "背光灯:"}, pickAt(backLights, v.backLight)},
        {{"Back Light Color:", "背光灯颜色:"}, pickAt(colours, v.backLightColor)},
        {{"Display mode:", "显示模式:"}, number(v.displayMode + 1)},
        {{"Key lock:", "键盘锁定:"}, pickAt(keyLocks, v.keyLock)},
        {{"Priority channel:", "优先信道:"}, offOrNumber(v.priorityChannel, 1)},
        {{"Scan mode:", "扫描模式:"}, pickAt(scanModes, v.scanMode)},
        {{"Squelch level:", "静噪电平:"}, number(v.squelchLevel)},
        {{"Step:", "步进:"}, v.step >= 0 && v.step < 5 ? steps[v.step] : ""},
        {{"Time-out Timer:", "超时定时器:"}, offOrNumber(v.tot, 30)},
        {{"Vox Gain Level:", "声控增益电平:"}, offOrNumber(v.voxGain, 1)},
        {{"Voice annunciation:", "语音报号:"}, voice},
        {{"Frequency Mode:", "频率模式:"}, onOff(page, f::bit(bytes, FlagsAt, 3))},
        {{"MSK Type:", "MSK 类型:"}, v.mskType == 1 ? "MSK-II" : "MSK-I"},
        {{"Battery saver:", "电池省电:"}, onOff(page, v.batterySaver == 0)},
        {{"Beep tone:", "哔音:"}, onOff(page, v.beep == 0)},
        {{"Scrambler:", "扰频器:"}, onOff(page, f::bit(bytes, AnnounceAt, 4))},
        {{"Keypad Lock:", "数字功能键锁定:"}, onOff(page, v.keypadLock)},
    };
    const std::pair<BilingualText, std::string> pttLines[] = {
        {{"Display PTT ID:", "显示 PTT ID:"}, onOff(page, f::bit(bytes, AnnounceAt, 7))},
        {{"PTT ID type:", "PTT ID 类型:"}, f::bit(bytes, FlagsAt, 2) ? "DTMF" : "MSK"},
        {{"Beginning of Trasmit:", "发射开始:"},
         f::text(bytes, imagemap::PttIdBeginning.offset, imagemap::PttIdBeginning.size)},
        {{"End of transmit:", "发射结束:"},
         f::text(bytes, imagemap::PttIdEnd.offset, imagemap::PttIdEnd.size)},
    };

    page.title({"Optional", "可选功能"});
    page.body(6 * c, 4, page.pick({"Function", "功能"}));
    int row = 5;
    for (const auto& [label, value] : lines)
        line(page, row++, 9 * c, 30 * c, label, value);
    page.body(6 * c, 23, "PTT ID");
    row = 24;
    for (const auto& [label, value] : pttLines)
        line(page, row++, 9 * c, 30 * c, label, value);
}

// --- 2-Tone --------------------------------------------------------------------

namespace {

// A tone as the 2-Tone dialog keeps it: tenths of a hertz, big-endian.
double toneAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return f::u16be(bytes, at) / 10.0;
}

} // namespace

void twoToneDecodePage(PageBuilder& page, const CodeplugImage& image) {
    const auto bytes = image.bytes();
    const int c = page.unit();
    const Texts labels{{"A Tone (Hz):", "A 音 (Hz):"},
                       {"B Tone (Hz):", "B 音 (Hz):"},
                       {"The first delay time (s):", "第一音频持续时间 (s):"},
                       {"The second delay time (s):", "第二音频持续时间 (s)"},
                       {"Long tone delay time (s):", "长音持续时间 (s):"},
                       {"Interval time (s):", "音频间隔时间 (s):"}};
    // Bytes 4 to 7 of an entry are the first, second, interval and long tone
    // times; the page lists the long tone before the interval.
    constexpr std::size_t TimeBytes[] = {4, 5, 7, 6};

    page.title({"2-Tone Decode", "2-Tone 解码"});
    for (int j = 0; j < int(imagemap::TwoToneDecodeEntryCount); ++j) {
        const int m = j % 2;
        const int r = j / 2;
        const std::size_t at = imagemap::TwoToneDecodeEntries.offset +
                               imagemap::TwoToneDecodeEntrySize * std::size_t(j);
        const int labelX = 4 * c + 32 * c * m;
        const int valueX = 26 * c + 32 * c * m;
        page.body(3 * c + 32 * c * m, 4 + 9 * r, "2-Tone " + number(j + 1) + ":");
        line(page, 5 + 9 * r, labelX, valueX, labels[0], fixed(toneAt(bytes, at), 4, 1));
        line(page, 6 + 9 * r, labelX, valueX, labels[1], fixed(toneAt(bytes, at + 2), 4, 1));
        for (int t = 0; t < 4; ++t)
            line(page, 7 + t + 9 * r, labelX, valueX, labels[std::size_t(2 + t)],
                 fixed(bytes[at + TimeBytes[t]] / 10.0, 2, 1));
    }
}

void twoToneEncodePage(PageBuilder& page, const CodeplugImage& image) {
    const auto bytes = image.bytes();
    const int c = page.unit();
    const int l = page.line(FontRole::Body);
    constexpr std::size_t TimingAt = imagemap::TwoToneEncodeTiming.offset;
    const bool chinese = page.language() == Language::Chinese;

    page.title({"2-Tone Encode", "2-Tone 编码"});
    const Texts delays{{"The first delay time(s):", "第一音频持续时间 (s):"},
                       {"The second delay time(s):", "第二音频持续时间 (s)"},
                       {"Long tone delay time(s):", "长音持续时间 (s):"}};
    for (int n = 0; n < 3; ++n)
        line(page, 4 + n, 6 * c, 30 * c, delays[std::size_t(n)],
             fixed(bytes[TimingAt + std::size_t(n)] / 10.0, 2, 1));
    line(page, 7, 6 * c, 30 * c, {"Tone interval time(s):", "音频间隔时间 (s):"},
         fixed(f::u16be(bytes, TimingAt + 3) / 20.0, 2, 1));
    line(page, 8, 6 * c, 30 * c, {"Txrise delay time(s):", "上升发射延迟时间 (s):"},
         fixed(f::u16be(bytes, TimingAt + 5) / 20.0, 3, 2));
    // Checked in the dialog whenever the byte is not zero.
    line(page, 9, 6 * c, 30 * c, {"Short beep tone:", "短哔音:"},
         page.pick(bytes[TimingAt + 7] != 0 ? BilingualText{"ON", "开"} : Off));

    // Two tables side by side: entries 1 to 16 and 17 to 32.
    for (int half = 0; half < 2; ++half) {
        const int x = 28 * c * half;
        page.body(6 * c + x, 12, page.pick({"Num", "编码"}));
        page.body((chinese ? 27 * c / 2 : 12 * c) + x, 12, page.pick({"Tone Fre1", "音频1"}));
        page.body((chinese ? 47 * c / 2 : 22 * c) + x, 12, page.pick({"Tone Fre2", "音频2"}));
        page.rule(6 * c - 25 + x, 13 * l - 15, 30 * c + x, 13 * l - 15);
        page.rule(11 * c + x, 12 * l - 25, 11 * c + x, 29 * l + 25);
    }
    for (int i = 0; i < 16; ++i) {
        const int y = (i + 13) * l + 25;
        for (int half = 0; half < 2; ++half) {
            const int entry = i + 16 * half; // 0-based
            const int x = 28 * c * half;
            const std::size_t at = imagemap::TwoToneEncodeList.offset +
                                   imagemap::TwoToneEncodeEntrySize * std::size_t(entry);
            page.text(7 * c + x, y, FontRole::Body, number(entry + 1));
            // An empty cell of the dialog is stored as 0xFFFF.
            for (int tone = 0; tone < 2; ++tone) {
                const std::size_t toneAtByte = at + 2 * std::size_t(tone);
                if (f::u16be(bytes, toneAtByte) != 0xFFFF)
                    page.text((13 + 10 * tone) * c + x, y, FontRole::Body,
                              fixed(toneAt(bytes, toneAtByte), 4, 1));
            }
        }
    }
}

// --- Channel Info --------------------------------------------------------------

void channelPage(PageBuilder& page, const ChannelTable& table, const std::vector<int>& rows) {
    const int c = page.unit();
    page.title({"Channel Infomation", "信道信息"});
    // The grid has no PTT ID and no optional-signal column: those lines print
    // their labels only.
    const std::pair<BilingualText, int> left[] = {
        {{"Receive Frequency:", "接收频率:"}, column::RxFrequency},
        {{"Transceive Frequency:", "发射频率:"}, column::TxFrequency},
        {{"QT/DQT Decode:", "QT/DQT 解码:"}, column::DecodeTone},
        {{"QT/DQT Encode:", "QT/DQT 编码:"}, column::EncodeTone},
        {{"Channel Name:", "信道名字:"}, column::Name},
        {{"Transmit Power:", "发射功率:"}, column::Power},
    };
    const std::pair<BilingualText, int> right[] = {
        {{"Wide/Narrow:", "宽/窄:"}, column::Bandwidth},
        {{"Scan Add:", "扫描添加:"}, column::ScanAdd},
        {{"PTT ID:", {}}, 0},
        {{"Busy Lock:", "繁忙锁定:"}, column::BusyLock},
        {{"Optional Singal:", "可选信号:"}, 0},
    };
    for (std::size_t q = 0; q < rows.size() && q < std::size_t(ChannelsPerPage); ++q) {
        const int row = rows[q];
        const int base = 8 * int(q);
        const std::string label = row == ChannelTable::LastRow ? "FR" : number(row);
        page.body(4 * c, 4 + base, page.pick({"Channel ", "信道 "}) + label + ":");
        int at = 5 + base;
        for (const auto& [text, col] : left)
            line(page, at++, 5 * c, 24 * c, text, table.text(row, col));
        at = 5 + base;
        for (const auto& [text, col] : right)
            line(page, at++, 40 * c, 55 * c, text, col ? table.text(row, col) : std::string());
    }
}

} // namespace program::print
