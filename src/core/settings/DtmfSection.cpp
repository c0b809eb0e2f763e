#include "settings/FieldKinds.h"
#include "settings/PagedSection.h"
#include "settings/Sections.h"
#include "signalling/Dtmf.h"

#include <string>

namespace program::settings {

namespace {

using namespace signalling;

// The DTMF dialog's three pages; it opens on Encode.
struct DtmfPages {
    DtmfEncode encode;
    DtmfDecode decode;
    DtmfCallList callList;
};
enum Page { Encode, Decode, CallList };

constexpr auto encodeOf = [](auto& pages) -> auto& {
    return pages.encode;
};
constexpr auto decodeOf = [](auto& pages) -> auto& {
    return pages.decode;
};

// A whole-number edit of the Encode page; the page normalises it when it stores.
Field<DtmfPages> timingField(std::string key, std::string allowed, int DtmfEncode::*member) {
    return partField<DtmfPages>(
        Field<DtmfEncode>{
            std::move(key), std::move(allowed),
            [member](const DtmfEncode& values, Language) { return std::to_string(values.*member); },
            [member](DtmfEncode& values, std::string_view text) {
                values.*member = readWholeNumber(text);
                return true;
            }},
        encodeOf);
}

// The ID code and the stun code: what the radio can send and decode.
bool isDecodeCode(std::string_view text) {
    return isDtmfCode(text, DtmfDecode::CodeLength);
}

} // namespace

std::unique_ptr<Section> makeDtmfSection() {
    using F = PagedSection<DtmfPages>::PageField;
    constexpr const char* Times = "0, 100, 500, 1000";
    std::vector<F> fields{
        {timingField("dtmf.speed", "6, 8, 10, 15", &DtmfEncode::speed), Encode},
        {timingField("dtmf.first_digit_delay_ms", "0 ... 1000, multiples of 50",
                     &DtmfEncode::firstDigitDelayMs),
         Encode},
        {timingField("dtmf.first_digit_time_ms", Times, &DtmfEncode::firstDigitTimeMs), Encode},
        {timingField("dtmf.star_hash_time_ms", Times, &DtmfEncode::starHashTimeMs), Encode},
        {partField<DtmfPages>(checkField("dtmf.side_tone", &DtmfEncode::sideTone), encodeOf),
         Encode},
        {partField<DtmfPages>(
             textField("dtmf.id_code", "up to 10 of 0-9A-D*#", &DtmfDecode::idCode, &isDecodeCode),
             decodeOf),
         Decode},
        {partField<DtmfPages>(Field<DtmfDecode>{"dtmf.group_code", describeChoices(groupCodes()),
                                                [](const DtmfDecode& values, Language language) {
                                                    return groupCodeText(values.groupCode,
                                                                         language);
                                                },
                                                [](DtmfDecode& values, std::string_view text) {
                                                    for (const auto& choice : groupCodes())
                                                        if (choice.matches(text)) {
                                                            values.groupCode = groupCodeByte(text);
                                                            return true;
                                                        }
                                                    return false;
                                                }},
                              decodeOf),
         Decode},
        {partField<DtmfPages>(checkField("dtmf.stun_activation", &DtmfDecode::stunActivation),
                              decodeOf),
         Decode},
        {partField<DtmfPages>(textField("dtmf.stun_code", "up to 10 of 0-9A-D*#",
                                        &DtmfDecode::stunCode, &isDecodeCode),
                              decodeOf),
         Decode},
        {partField<DtmfPages>(listField("dtmf.stun_type", stunTypes(), &DtmfDecode::stunType),
                              decodeOf),
         Decode},
    };
    for (std::size_t n = 0; n < DtmfCallList::EntryCount; ++n) {
        fields.push_back(
            {{"dtmf.call." + std::to_string(n + 1), "up to 16 of 0-9A-D*#",
              [n](const DtmfPages& pages, Language) { return pages.callList.calls[n]; },
              [n](DtmfPages& pages, std::string_view text) {
                  if (!isDtmfCode(text, DtmfCallList::EntryLength))
                      return false;
                  pages.callList.calls[n] = std::string(text);
                  return true;
              }},
             CallList});
    }

    auto load = [](const CodeplugImage& image) {
        return DtmfPages{loadDtmfEncode(image), loadDtmfDecode(image), loadDtmfCallList(image)};
    };
    auto store = [](const DtmfPages& pages, int page, CodeplugImage& image) {
        switch (page) {
        case Encode:
            storeDtmfEncode(pages.encode, image);
            break;
        case Decode:
            storeDtmfDecode(pages.decode, image);
            break;
        default:
            storeDtmfCallList(pages.callList, image);
            break;
        }
    };
    return std::make_unique<PagedSection<DtmfPages>>("dtmf", load, store, std::set<int>{Encode},
                                                     std::move(fields));
}

} // namespace program::settings
