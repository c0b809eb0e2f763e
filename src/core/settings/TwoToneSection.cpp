#include "settings/FieldKinds.h"
#include "settings/PagedSection.h"
#include "settings/Sections.h"
#include "signalling/TwoTone.h"

#include <string>

namespace program::settings {

namespace {

using namespace signalling;

// The 2-Tone dialog's pages: Encode (page 0) and decode entries 1 to 8 (pages 1 to
// 8). It opens showing Encode and decode entry 1.
struct TwoTonePages {
    TwoToneEncode encode;
    std::array<TwoToneDecode, TwoToneDecode::EntryCount> decode;
};
constexpr int EncodePage = 0;

constexpr const char* Delays = "0.5 ... 10.0";
constexpr const char* Intervals = "0.0 ... 2.0";
constexpr const char* Tones = "288.5 ... 3106.0";

// An edit of one kind; its text goes in as leaving the edit would leave it.
template <class Part>
Field<Part> editField(std::string key, std::string allowed, TwoToneEdit kind, int Part::*member) {
    return {
        std::move(key), std::move(allowed),
        [kind, member](const Part& values, Language) { return twoToneText(kind, values.*member); },
        [kind, member](Part& values, std::string_view text) {
            values.*member = twoToneValue(kind, text);
            return true;
        }};
}

Field<TwoTonePages> encodeField(std::string key, std::string allowed, TwoToneEdit kind,
                                int TwoToneEncode::*member) {
    return partField<TwoTonePages>(
        editField(std::move(key), std::move(allowed), kind, member),
        [](auto& pages) -> auto& { return pages.encode; });
}

Field<TwoTonePages> toneCellField(std::size_t pair, std::size_t tone) {
    return {"twotone.encode." + std::to_string(pair + 1) + ".tone" + std::to_string(tone + 1),
            std::string(Tones) + ", or empty",
            [pair, tone](const TwoTonePages& pages, Language) {
                const auto& cell = pages.encode.pairs[pair][tone];
                return cell ? twoToneText(TwoToneEdit::Tone, *cell) : std::string();
            },
            [pair, tone](TwoTonePages& pages, std::string_view text) {
                const std::string committed = commitToneCell(text);
                auto& cell = pages.encode.pairs[pair][tone];
                if (committed.empty())
                    cell.reset();
                else
                    cell = twoToneValue(TwoToneEdit::Tone, committed);
                return true;
            }};
}

} // namespace

std::unique_ptr<Section> makeTwoToneSection() {
    using F = PagedSection<TwoTonePages>::PageField;
    using E = TwoToneEncode;
    std::vector<F> fields{
        {encodeField("twotone.first_delay_s", Delays, TwoToneEdit::Delay, &E::firstDelay),
         EncodePage},
        {encodeField("twotone.second_delay_s", Delays, TwoToneEdit::Delay, &E::secondDelay),
         EncodePage},
        {encodeField("twotone.long_delay_s", Delays, TwoToneEdit::Delay, &E::longDelay),
         EncodePage},
        {encodeField("twotone.interval_s", Intervals, TwoToneEdit::Interval, &E::interval),
         EncodePage},
        {encodeField("twotone.tx_rise_s", "0.10 ... 1.00, steps of 0.05", TwoToneEdit::TxRise,
                     &E::txRise),
         EncodePage},
        {partField<TwoTonePages>(
             checkField("twotone.short_beep", &E::shortBeep),
             [](auto& pages) -> auto& { return pages.encode; }),
         EncodePage},
    };
    for (std::size_t pair = 0; pair < E::PairCount; ++pair)
        for (std::size_t tone = 0; tone < 2; ++tone)
            fields.push_back({toneCellField(pair, tone), EncodePage});

    using D = TwoToneDecode;
    const std::tuple<const char*, const char*, TwoToneEdit, int D::*> decodeFields[] = {
        {"a_tone", Tones, TwoToneEdit::Tone, &D::aTone},
        {"b_tone", Tones, TwoToneEdit::Tone, &D::bTone},
        {"first_delay_s", Delays, TwoToneEdit::Delay, &D::firstDelay},
        {"second_delay_s", Delays, TwoToneEdit::Delay, &D::secondDelay},
        {"interval_s", Intervals, TwoToneEdit::Interval, &D::interval},
        {"long_delay_s", Delays, TwoToneEdit::Delay, &D::longDelay},
    };
    for (std::size_t entry = 1; entry <= D::EntryCount; ++entry) {
        for (const auto& [name, allowed, kind, member] : decodeFields) {
            const std::string key =
                "twotone.decode." + std::to_string(entry) + "." + std::string(name);
            fields.push_back(
                {partField<TwoTonePages>(
                     editField(key, allowed, kind, member),
                     [entry](auto& pages) -> auto& { return pages.decode[entry - 1]; }),
                 int(entry)});
        }
    }

    auto load = [](const CodeplugImage& image) {
        TwoTonePages pages{loadTwoToneEncode(image), {}};
        for (std::size_t entry = 1; entry <= D::EntryCount; ++entry)
            pages.decode[entry - 1] = loadTwoToneDecode(image, entry);
        return pages;
    };
    auto store = [](const TwoTonePages& pages, int page, CodeplugImage& image) {
        if (page == EncodePage)
            storeTwoToneEncode(pages.encode, image);
        else
            storeTwoToneDecode(pages.decode[page - 1], std::size_t(page), image);
    };
    return std::make_unique<PagedSection<TwoTonePages>>(
        "twotone", load, store, std::set<int>{EncodePage, 1}, std::move(fields));
}

} // namespace program::settings
