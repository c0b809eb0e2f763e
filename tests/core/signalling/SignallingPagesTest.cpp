#include "model/FactoryDefaults.h"
#include "settings/Catalogue.h"
#include "signalling/Dtmf.h"
#include "signalling/TwoTone.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

using namespace program;
using namespace program::signalling;

namespace {

// The bits a page may change, byte by byte.
using Bits = std::array<std::uint8_t, CodeplugImage::Size>;

Bits bitsOf(std::initializer_list<std::tuple<std::size_t, std::size_t, std::uint8_t>> runs) {
    Bits bits{};
    for (const auto& [offset, size, mask] : runs)
        for (std::size_t at = offset; at < offset + size; ++at)
            bits[at] |= mask;
    return bits;
}

struct Page {
    const char* name;
    std::function<void(CodeplugImage&)> loadAndStore;
    Bits owns;
};

std::vector<Page> pages() {
    std::vector<Page> all{
        {"DTMF Encode", [](CodeplugImage& i) { storeDtmfEncode(loadDtmfEncode(i), i); },
         bitsOf({{0xCB0, 1, 0x03}, {0xCB1, 3, 0xFF}, {0xC70, 1, 0x40}})},
        {"DTMF Decode", [](CodeplugImage& i) { storeDtmfDecode(loadDtmfDecode(i), i); },
         bitsOf({{0xCC0, 10, 0xFF}, {0xCCF, 1, 0xFF}, {0xCD0, 10, 0xFF}, {0xC70, 1, 0x30}})},
        {"DTMF CallList", [](CodeplugImage& i) { storeDtmfCallList(loadDtmfCallList(i), i); },
         bitsOf({{0xD00, 0x90, 0xFF}})},
        {"2-Tone Encode", [](CodeplugImage& i) { storeTwoToneEncode(loadTwoToneEncode(i), i); },
         bitsOf({{0xE00, 0x80, 0xFF}, {0xEC0, 8, 0xFF}, {0xF00, 0x80, 0xFF}})},
    };
    for (std::size_t entry = 1; entry <= 8; ++entry) {
        const std::size_t derived = entry <= 4 ? 8 : 0;
        all.push_back({"2-Tone Decode",
                       [entry](CodeplugImage& i) {
                           storeTwoToneDecode(loadTwoToneDecode(i, entry), entry, i);
                       },
                       bitsOf({{0xE80 + 8 * (entry - 1), 8, 0xFF},
                               {0xF80 + 8 * (entry - 1), derived, 0xFF}})});
    }
    return all;
}

CodeplugImage randomImage(std::mt19937& random) {
    CodeplugImage image;
    for (auto& byte : image.bytes())
        byte = std::uint8_t(random());
    return image;
}

} // namespace

// Showing and hiding a page changes only that page's bits, never the squelch table
// or the parameter block, and what it stored is stored again unchanged.
TEST(SignallingPages, StoringAPageChangesOnlyItsOwnBits) {
    std::mt19937 random(20241);
    std::vector<CodeplugImage> images{factoryDefaults()};
    for (int n = 0; n < 200; ++n)
        images.push_back(randomImage(random));
    for (const Page& page : pages()) {
        for (const CodeplugImage& before : images) {
            CodeplugImage after = before;
            page.loadAndStore(after);
            for (std::size_t at = 0; at < CodeplugImage::Size; ++at)
                ASSERT_EQ(after.at(at) & ~page.owns[at], before.at(at) & ~page.owns[at])
                    << page.name << " changed 0x" << std::hex << at;
            CodeplugImage again = after;
            page.loadAndStore(again);
            ASSERT_EQ(again, after) << page.name;
        }
    }
}

TEST(SignallingSettings, KeysInTheCatalogueOrder) {
    const auto shown = settings::showSettings(factoryDefaults(), Language::English);
    std::vector<std::string> keys;
    for (const auto& setting : shown)
        keys.push_back(setting.key);
    auto indexOf = [&keys](const std::string& key) {
        return std::find(keys.begin(), keys.end(), key) - keys.begin();
    };
    EXPECT_LT(indexOf("msk.call.9"), indexOf("dtmf.speed"));
    EXPECT_EQ(indexOf("dtmf.call.9") + 1, indexOf("twotone.first_delay_s"));
    const auto twotone = settings::findSection("twotone")->keys();
    ASSERT_EQ(twotone.size(), 6u + 64u + 48u);
    EXPECT_EQ(twotone[6], "twotone.encode.1.tone1");
    EXPECT_EQ(twotone[7], "twotone.encode.1.tone2");
    EXPECT_EQ(twotone[70], "twotone.decode.1.a_tone");
    EXPECT_EQ(twotone[76], "twotone.decode.2.a_tone");
    EXPECT_EQ(twotone.back(), "twotone.decode.8.long_delay_s");
}

// `set` opens the dialog: the pages shown at opening are stored with the pages of
// the named fields, the others are left alone.
TEST(SignallingSettings, SetStoresThePagesTheDialogWouldShow) {
    CodeplugImage image = factoryDefaults();
    image.set(0xCB1, 0xFF); // a first digit delay the edit would not take
    image.set(0xCCF, 'Z');  // a group code outside the list
    image.set(0xE88, 0xFF); // decode entry 2: a tone out of range
    const CodeplugImage before = image;
    const settings::Assignment dtmf[] = {{"dtmf.call.3", "123#"}};
    ASSERT_FALSE(settings::applySettings(image, dtmf));
    EXPECT_EQ(image.at(0xCB1), 20);
    EXPECT_EQ(image.at(0xCCF), 'Z');
    EXPECT_EQ(loadDtmfCallList(image).calls[2], "123#");

    const settings::Assignment twotone[] = {{"twotone.decode.3.a_tone", "1000.0"}};
    ASSERT_FALSE(settings::applySettings(image, twotone));
    EXPECT_EQ(image.at(0xE88), 0xFF); // entry 2 was never shown
    EXPECT_EQ(loadTwoToneDecode(image, 3).aTone, 10000);
    EXPECT_NE(image.at(0xF80), before.at(0xF80)); // entry 1's derived block, shown at opening
    for (std::size_t at = 0xFA0; at < 0xFD0; ++at)
        ASSERT_EQ(image.at(at), before.at(at)) << at;
}

TEST(SignallingSettings, SetTakesWhatTheEditorsShowAndRefusesTheRest) {
    const CodeplugImage original = factoryDefaults();
    for (const char* refused :
         {"dtmf.speed=12", "dtmf.first_digit_delay_ms=275", "dtmf.star_hash_time_ms=700",
          "dtmf.group_code=E", "dtmf.stun_code=E", "dtmf.id_code=HELLO",
          "dtmf.call.1=12345678901234567", "twotone.first_delay_s=99.9", "twotone.tx_rise_s=0.37",
          "twotone.encode.1.tone1=abc", "twotone.decode.8.a_tone=", "twotone.interval_s=1"}) {
        const std::string text = refused;
        const auto eq = text.find('=');
        const settings::Assignment assignment{text.substr(0, eq), text.substr(eq + 1)};
        CodeplugImage image = original;
        EXPECT_TRUE(settings::applySettings(image, {&assignment, 1})) << refused;
        EXPECT_EQ(image, original) << refused;
    }

    CodeplugImage image = original;
    const settings::Assignment accepted[] = {{"dtmf.group_code", "关"},
                                             {"dtmf.stun_type", "Transceiver inhibit"},
                                             {"dtmf.first_digit_delay_ms", "1000"},
                                             {"twotone.tx_rise_s", "0.35"},
                                             {"twotone.encode.32.tone2", ""},
                                             {"twotone.decode.5.interval_s", "2.0"}};
    ASSERT_FALSE(settings::applySettings(image, accepted));
    const auto chinese = settings::findSection("dtmf")->show(image, Language::Chinese);
    const auto value = [](const auto& shown, const std::string& key) {
        for (const auto& setting : shown)
            if (setting.key == key)
                return setting.value;
        return std::string("?");
    };
    EXPECT_EQ(value(chinese, "dtmf.group_code"), "关");
    EXPECT_EQ(value(chinese, "dtmf.stun_type"), "禁止收发");
    const auto english = settings::findSection("twotone")->show(image, Language::English);
    EXPECT_EQ(value(english, "twotone.tx_rise_s"), "0.35");
    EXPECT_EQ(value(english, "twotone.encode.32.tone2"), "");
    EXPECT_EQ(value(english, "twotone.decode.5.interval_s"), "2.0");
}
