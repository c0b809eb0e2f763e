#include "print/SectionPages.h"

#include "channels/ChannelColumns.h"
#include "features/Msk.h"
#include "features/OptionalFeatures.h"
#include "model/Fields.h"
#include "model/ImageMap.h"
#include "signalling/Dtmf.h"
#include "signalling/TwoTone.h"

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
    // The values the DTMF dialog shows, in the listing's own words.
    const signalling::DtmfEncode encode = signalling::loadDtmfEncode(image);
    const signalling::DtmfDecode decode = signalling::loadDtmfDecode(image);
    const signalling::DtmfCallList calls = signalling::loadDtmfCallList(image);
    const int c = page.unit();
    const int l = page.line(FontRole::Body);

    page.title({"DTMF", {}});
    page.body(6 * c, 4, page.pick({"Encode", "编码"}));
    line(page, 5, 9 * c, 40 * c, {"DTMF Speed:", "DTMF 速率:"}, number(encode.speed));
    line(page, 6, 9 * c, 40 * c, {"First Digit Delay Time(ms):", "首位数码持续时间 (毫秒):"},
         number(encode.firstDigitDelayMs));
    line(page, 7, 9 * c, 40 * c, {"First Digit Time(ms):", "首位数码时间 (毫秒):"},
         number(encode.firstDigitTimeMs));
    line(page, 8, 9 * c, 40 * c, {"* and # Digit Time(ms):", "* 和 # 数码时间 (毫秒):"},
         number(encode.starHashTimeMs));
    line(page, 9, 9 * c, 40 * c, {"Side Tone:", "侧音:"}, encode.sideTone ? "√" : "×");

    page.body(6 * c, 11, page.pick({"Decode", "解码"}));
    line(page, 12, 9 * c, 40 * c, {"ID Code:", "身份码:"}, decode.idCode);
    // The listing writes "Off" in either language.
    line(page, 13, 9 * c, 40 * c, {"Group Code:", "组呼码:"},
         signalling::groupCodeText(decode.groupCode, Language::English));
    line(page, 14, 9 * c, 40 * c, {"Stun Activation:", "遥毙激活:"},
         onOff(page, decode.stunActivation));
    line(page, 15, 9 * c, 40 * c, {"Stun Code:", "遥毙码:"}, decode.stunCode);
    line(page, 16, 9 * c, 40 * c, {"Stun Code Response:", "遥毙码回应:"},
         page.pick(decode.stunType == 0 ? BilingualText{"Tx inbibit", "禁止发射"}
                                        : BilingualText{"Transceiver inhibit", "禁止收发"}));

    page.body(6 * c, 18, page.pick({"CallList", "呼叫列表"}));
    page.body(9 * c, 19, page.pick({"Num", "编号"}));
    page.body(21 * c, 19, page.pick({"FastCallList", "快速呼叫列表"}));
    page.rule(8 * c, 20 * l - 25, 40 * c, 20 * l - 25);
    page.rule(15 * c, 19 * l - 50, 15 * c, 29 * l);
    for (int i = 1; i <= int(signalling::DtmfCallList::EntryCount); ++i) {
        const int y = (i + 19) * l + 50;
        page.text(10 * c, y, FontRole::Body, number(i));
        page.text(18 * c, y, FontRole::Body, calls.calls[std::size_t(i - 1)]);
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
        {{"Priority channel:", "优先信道:"}, number(v.priorityChannel)},
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

// The 2-Tone dialog's values in the listing's formats: tones in 0.1 Hz as
// "%4.1f", times in 0.1 s as "%2.1f".
std::string toneText(int tenthsOfHz) {
    return fixed(tenthsOfHz / 10.0, 4, 1);
}

std::string tenthsText(int tenths) {
    return fixed(tenths / 10.0, 2, 1);
}

} // namespace

void twoToneDecodePage(PageBuilder& page, const CodeplugImage& image) {
    using signalling::TwoToneDecode;
    const int c = page.unit();
    const std::pair<BilingualText, int TwoToneDecode::*> lines[] = {
        {{"A Tone (Hz):", "A 音 (Hz):"}, &TwoToneDecode::aTone},
        {{"B Tone (Hz):", "B 音 (Hz):"}, &TwoToneDecode::bTone},
        {{"The first delay time (s):", "第一音频持续时间 (s):"}, &TwoToneDecode::firstDelay},
        {{"The second delay time (s):", "第二音频持续时间 (s)"}, &TwoToneDecode::secondDelay},
        {{"Long tone delay time (s):", "长音持续时间 (s):"}, &TwoToneDecode::longDelay},
        {{"Interval time (s):", "音频间隔时间 (s):"}, &TwoToneDecode::interval}};

    page.title({"2-Tone Decode", "2-Tone 解码"});
    for (int j = 0; j < int(TwoToneDecode::EntryCount); ++j) {
        const TwoToneDecode entry = signalling::loadTwoToneDecode(image, std::size_t(j + 1));
        const int m = j % 2;
        const int r = j / 2;
        const int labelX = 4 * c + 32 * c * m;
        const int valueX = 26 * c + 32 * c * m;
        page.body(3 * c + 32 * c * m, 4 + 9 * r, "2-Tone " + number(j + 1) + ":");
        for (int n = 0; n < int(std::size(lines)); ++n) {
            const auto& [label, member] = lines[n];
            line(page, 5 + n + 9 * r, labelX, valueX, label,
                 n < 2 ? toneText(entry.*member) : tenthsText(entry.*member));
        }
    }
}

void twoToneEncodePage(PageBuilder& page, const CodeplugImage& image) {
    const signalling::TwoToneEncode encode = signalling::loadTwoToneEncode(image);
    const int c = page.unit();
    const int l = page.line(FontRole::Body);
    const bool chinese = page.language() == Language::Chinese;

    page.title({"2-Tone Encode", "2-Tone 编码"});
    line(page, 4, 6 * c, 30 * c, {"The first delay time(s):", "第一音频持续时间 (s):"},
         tenthsText(encode.firstDelay));
    line(page, 5, 6 * c, 30 * c, {"The second delay time(s):", "第二音频持续时间 (s)"},
         tenthsText(encode.secondDelay));
    line(page, 6, 6 * c, 30 * c, {"Long tone delay time(s):", "长音持续时间 (s):"},
         tenthsText(encode.longDelay));
    line(page, 7, 6 * c, 30 * c, {"Tone interval time(s):", "音频间隔时间 (s):"},
         tenthsText(encode.interval));
    line(page, 8, 6 * c, 30 * c, {"Txrise delay time(s):", "上升发射延迟时间 (s):"},
         fixed(encode.txRise / 100.0, 3, 2));
    line(page, 9, 6 * c, 30 * c, {"Short beep tone:", "短哔音:"},
         page.pick(encode.shortBeep ? BilingualText{"ON", "开"} : Off));

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
            page.text(7 * c + x, y, FontRole::Body, number(entry + 1));
            for (int tone = 0; tone < 2; ++tone)
                if (const auto& cell = encode.pairs[std::size_t(entry)][std::size_t(tone)])
                    page.text((13 + 10 * tone) * c + x, y, FontRole::Body, toneText(*cell));
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
