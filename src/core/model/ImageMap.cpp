#include "model/ImageMap.h"

#include "model/HexText.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace program::imagemap {

namespace {

const BilingualText Unused{"unused", "未用"};
const BilingualText IdentityUnedited{"identity, not edited", "身份块(不编辑)"};
const BilingualText FeatureFlagBytes{"feature flags", "功能标志"};

// The regions the editors show, in offset order; the bytes between them are unused.
std::vector<NamedRegion> shownRegions() {
    std::vector<NamedRegion> shown;
    for (int record = 0; record < ChannelRecordCount; ++record) {
        const int row = record + 1;
        const std::string label = row == ChannelRecordCount ? "Fr" : std::to_string(row);
        shown.push_back(
            {{ChannelRecords.offset + std::size_t(record) * ChannelRecordSize, ChannelRecordSize},
             {"channel " + label, "信道 " + label},
             Editor::ChannelInformation,
             row});
    }
    const std::size_t flags = FeatureFlags.offset;
    constexpr std::size_t MskCode = 4;
    const std::vector<NamedRegion> rest{
        {OptionalFeatures, {"optional features", "可选功能"}, Editor::OptionalFeatures},
        {PttIdBeginning, {"PTT ID at the beginning", "开头 PTT ID"}, Editor::None},
        {PttIdEnd, {"PTT ID at the end", "结尾 PTT ID"}, Editor::None},
        // The first flag byte also holds DTMF's bits; the third is the side key's.
        {{flags, 2}, FeatureFlagBytes, Editor::OptionalFeatures},
        {{flags + 2, 1}, {"side key", "侧键"}, Editor::KeyAssignment},
        {{flags + 3, 1}, FeatureFlagBytes, Editor::OptionalFeatures},
        {{Msk.offset, MskCode}, {"MSK own ID", "MSK 本机 ID"}, Editor::Msk},
        {{Msk.offset + MskCode, Msk.size - MskCode},
         {"MSK call list", "MSK 呼叫列表"},
         Editor::Msk},
        {DtmfTiming, {"DTMF timing", "DTMF 时间"}, Editor::Dtmf},
        {DtmfIdCode, {"DTMF ID code", "DTMF 本机 ID"}, Editor::Dtmf},
        {{DtmfGroupCode, 1}, {"DTMF group code", "DTMF 组码"}, Editor::Dtmf},
        {DtmfStunCode, {"DTMF stun code", "DTMF 遥毙码"}, Editor::Dtmf},
        {DtmfCallList, {"DTMF call list", "DTMF 呼叫列表"}, Editor::Dtmf},
        {TwoToneEncodeList, {"2-Tone encode list", "两音编码列表"}, Editor::TwoTone},
        {TwoToneDecodeEntries, {"2-Tone decode entries", "两音解码条目"}, Editor::TwoTone},
        {TwoToneEncodeTiming, {"2-Tone encode times", "两音编码时间"}, Editor::TwoTone},
        {TwoToneEncodeDividers, {"2-Tone encode dividers", "两音编码分频值"}, Editor::TwoTone},
        {TwoToneDerivedDecodeEntries, {"2-Tone decode values", "两音解码值"}, Editor::TwoTone},
        {SquelchTable, {"squelch table", "静噪表"}, Editor::SqlTuning},
        {ParameterBlock, {"parameter block", "参数块"}, Editor::ParameterAdjust},
        {{IdentityBlock.offset, IdentityUnedited1.offset - IdentityBlock.offset},
         {"maker and band", "厂家和频段"},
         Editor::SoftwareInfo},
        {IdentityUnedited1, IdentityUnedited, Editor::None},
        {BandShadow, {"band shadow", "频段副本"}, Editor::SoftwareInfo},
        {IdentityUnedited2, IdentityUnedited, Editor::None},
        {{RadioType, 1}, {"radio type", "机型"}, Editor::None},
        {Password, {"password", "密码"}, Editor::OptionalFeatures},
        {BandLimitBlock, {"band limits", "频段限制"}, Editor::SoftwareInfo},
        {SquelchThreshold, {"squelch thresholds", "静噪门限"}, Editor::None},
    };
    shown.insert(shown.end(), rest.begin(), rest.end());
    return shown;
}

// The shown regions with the unused runs between them: every byte in one region.
std::vector<NamedRegion> buildMap() {
    std::vector<NamedRegion> map;
    std::size_t at = 0;
    for (NamedRegion& region : shownRegions()) {
        if (region.region.offset < at)
            throw std::logic_error("image regions overlap");
        if (region.region.offset > at)
            map.push_back({{at, region.region.offset - at}, Unused, Editor::None});
        at = region.region.end();
        map.push_back(std::move(region));
    }
    if (at < CodeplugImage::Size)
        map.push_back({{at, CodeplugImage::Size - at}, Unused, Editor::None});
    return map;
}

const std::vector<NamedRegion>& theMap() {
    static const std::vector<NamedRegion> map = buildMap();
    return map;
}

} // namespace

std::span<const NamedRegion> namedRegions() {
    return theMap();
}

const NamedRegion& regionAt(std::size_t offset) {
    if (offset >= CodeplugImage::Size)
        throw std::out_of_range("offset outside the radio memory");
    const auto& map = theMap();
    auto it =
        std::upper_bound(map.begin(), map.end(), offset,
                         [](std::size_t at, const NamedRegion& r) { return at < r.region.offset; });
    return *(it - 1);
}

const NamedRegion& channelRegion(int row) {
    if (row < 1 || row > ChannelRecordCount)
        throw std::out_of_range("no such channel row");
    return regionAt(ChannelRecords.offset + std::size_t(row - 1) * ChannelRecordSize);
}

const BilingualText& editorName(Editor editor) {
    static const BilingualText names[] = {
        {"not shown by any editor (kept as read)", "未由任何编辑器显示(按读取保留)"},
        {"Channel Information", "信道信息"},
        {"Optional Features", "可选功能"},
        {"DTMF", "DTMF"},
        {"2-Tone", "两音"},
        {"MSK", "MSK"},
        {"Key Assignment", "按键定义"},
        {"SQL Tuning", "静噪调整"},
        {"Parameter Adjust", "参数调整"},
        {"Software Info", "软件信息"},
    };
    return names[static_cast<int>(editor)];
}

std::string hexRange(Region run) {
    char text[16];
    if (run.size <= 1)
        std::snprintf(text, sizeof text, "0x%03zX", run.offset);
    else
        std::snprintf(text, sizeof text, "0x%03zX-0x%03zX", run.offset, run.end() - 1);
    return text;
}

std::string hexBytes(const CodeplugImage& image, Region run) {
    return hexText(image.range(run.offset, run.size));
}

std::string describeRun(Region run, Language language) {
    return hexRange(run) + ": " + regionAt(run.offset).name.pick(language);
}

std::vector<Region> differingRuns(const CodeplugImage& a, const CodeplugImage& b,
                                  std::span<const Region> within) {
    std::vector<std::size_t> differing;
    for (const Region& range : within) {
        for (std::size_t at = range.offset; at < range.end() && at < CodeplugImage::Size; ++at) {
            if (a.at(at) != b.at(at))
                differing.push_back(at);
        }
    }
    std::sort(differing.begin(), differing.end());
    differing.erase(std::unique(differing.begin(), differing.end()), differing.end());

    std::vector<Region> runs;
    for (std::size_t at : differing) {
        const bool extends = !runs.empty() && runs.back().end() == at &&
                             regionAt(at).region.offset <= runs.back().offset;
        if (extends)
            ++runs.back().size;
        else
            runs.push_back({at, 1});
    }
    return runs;
}

std::vector<Region> differingRuns(const CodeplugImage& a, const CodeplugImage& b) {
    const Region whole{0, CodeplugImage::Size};
    return differingRuns(a, b, std::span(&whole, 1));
}

} // namespace program::imagemap
