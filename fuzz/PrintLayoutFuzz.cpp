// A .dat file from anywhere, printed: every page of every section lays out from
// any bytes, in both languages, and the pages hold no text that is not UTF-8.

#include "channels/ChannelTable.h"
#include "model/CodeplugImage.h"
#include "print/PrintLayout.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace program;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte < 0x80         ? 1
                                   : (byte >> 5) == 6  ? 2
                                   : (byte >> 4) == 14 ? 3
                                   : (byte >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    CodeplugImage image;
    for (std::size_t i = 0; i < CodeplugImage::Size; ++i)
        image.set(i, data[i % size]);
    for (Language language : {Language::English, Language::Chinese}) {
        ProgramState state;
        state.language = language;
        ChannelTable table;
        ImageToGrid(image, table, state, 0);
        print::Selection all;
        all.chosen.fill(true);
        const print::PrintJob job({image, table, language, "owner"}, all);
        require(job.pageCount() >= 5);
        for (int page = 1; page <= job.pageCount(); ++page) {
            const print::Page laid = job.layOut(page, {11000, 15000}, {380, 300});
            for (const auto& item : laid.texts)
                require(!item.text.empty() && isUtf8(item.text));
        }
    }
    return 0;
}
