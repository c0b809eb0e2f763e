// Any image through the DTMF and 2-Tone pages, and any text through their edits'
// rules: a page stores only into its own bytes (never into the squelch table or
// the parameter block), stores what it shows, and an edit's rules always end in
// a value of its range.

#include "model/CodeplugImage.h"
#include "model/ImageMap.h"
#include "signalling/Dtmf.h"
#include "signalling/TwoTone.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace program;
using namespace program::signalling;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkPages(const CodeplugImage& file) {
    CodeplugImage image = file;
    storeDtmfEncode(loadDtmfEncode(image), image);
    storeDtmfDecode(loadDtmfDecode(image), image);
    storeDtmfCallList(loadDtmfCallList(image), image);
    storeTwoToneEncode(loadTwoToneEncode(image), image);
    for (std::size_t entry = 1; entry <= TwoToneDecode::EntryCount; ++entry)
        storeTwoToneDecode(loadTwoToneDecode(image, entry), entry, image);

    const auto tuning = imagemap::Tuning;
    require(std::equal(image.bytes().begin() + tuning.offset, image.bytes().begin() + tuning.end(),
                       file.bytes().begin() + tuning.offset));
    require(std::equal(image.bytes().begin(), image.bytes().begin() + imagemap::FeatureFlags.offset,
                       file.bytes().begin()));

    CodeplugImage again = image;
    storeDtmfEncode(loadDtmfEncode(again), again);
    storeDtmfDecode(loadDtmfDecode(again), again);
    storeDtmfCallList(loadDtmfCallList(again), again);
    storeTwoToneEncode(loadTwoToneEncode(again), again);
    for (std::size_t entry = 1; entry <= TwoToneDecode::EntryCount; ++entry)
        storeTwoToneDecode(loadTwoToneDecode(again, entry), entry, again);
    require(again == image);
}

void checkEdits(std::string_view text) {
    for (TwoToneEdit kind :
         {TwoToneEdit::Tone, TwoToneEdit::Delay, TwoToneEdit::Interval, TwoToneEdit::TxRise}) {
        const std::string left = leaveTwoToneEdit(kind, text);
        require(leaveTwoToneEdit(kind, left) == left);
        require(twoToneText(kind, twoToneValue(kind, text)) == left);
        for (Spin spin : {Spin::Up, Spin::Down}) {
            const std::string stepped = spinTwoToneEdit(kind, left, spin);
            require(leaveTwoToneEdit(kind, stepped) == stepped);
        }
    }
    const int number = readWholeNumber(text);
    require(normaliseSpeed(normaliseSpeed(number)) == normaliseSpeed(number));
    // From a value the edit shows after leaving it, the arrows stay in the range.
    const int delay = normaliseFirstDigitDelay(number);
    for (Spin spin : {Spin::Up, Spin::Down})
        require(normaliseFirstDigitDelay(spinFirstDigitDelay(delay, spin)) ==
                spinFirstDigitDelay(delay, spin));
    require(normaliseDigitTime(spinDigitTime(number, Spin::Down)) ==
            spinDigitTime(number, Spin::Down));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CodeplugImage image;
    std::copy_n(data, std::min(size, CodeplugImage::Size), image.bytes().begin());
    checkPages(image);
    checkEdits(
        std::string_view(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64)));
    return 0;
}
