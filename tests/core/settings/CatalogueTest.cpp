#include "settings/Catalogue.h"
#include "model/FactoryDefaults.h"

#include <gtest/gtest.h>

#include <set>

using namespace program;
using namespace program::settings;

namespace {

std::string shown(const CodeplugImage& image, const std::string& key,
                  Language language = Language::English) {
    for (const auto& setting : showSettings(image, language))
        if (setting.key == key)
            return setting.value;
    ADD_FAILURE() << "no key " << key;
    return {};
}

} // namespace

TEST(SettingsCatalogue, KeysAreUniqueAndEachBelongsToItsSection) {
    std::set<std::string> seen;
    for (const auto& setting : showSettings(factoryDefaults(), Language::English)) {
        EXPECT_TRUE(seen.insert(setting.key).second) << setting.key;
        const Section* section = sectionOfKey(setting.key);
        ASSERT_NE(section, nullptr) << setting.key;
        EXPECT_EQ(setting.key.rfind(std::string(section->name()) + ".", 0), 0u) << setting.key;
    }
    EXPECT_EQ(sectionOfKey("optional.nothing"), nullptr);
    EXPECT_EQ(sectionOfKey("nothing"), nullptr);
}

TEST(SettingsCatalogue, ShowsANewDocumentAsTheEditorsDo) {
    const CodeplugImage image = factoryDefaults();
    EXPECT_EQ(shown(image, "optional.tot"), "30");
    EXPECT_EQ(shown(image, "optional.orange_key"), "Emergency Call");
    EXPECT_EQ(shown(image, "optional.orange_key", Language::Chinese), "发射报警信号");
    EXPECT_EQ(shown(image, "optional.display_mode"), "FREQ.CH");
    EXPECT_EQ(shown(image, "optional.keypad_lock"), "0");
    EXPECT_EQ(shown(image, "optional.password"), "");
    EXPECT_EQ(shown(image, "keys.side_key"), "Option Singalling Call");
    // No Chinese form: the English text in both languages.
    EXPECT_EQ(shown(image, "keys.side_key", Language::Chinese), "Option Singalling Call");
    EXPECT_EQ(shown(image, "msk.call.9"), "");
}

TEST(SettingsCatalogue, AppliesAllOrNothingAndReadsBackWhatWasSet) {
    CodeplugImage image = factoryDefaults();
    const Assignment good[] = {{"optional.tot", "90"},
                               {"optional.tail", "关"}, // Chinese texts are taken too
                               {"keys.side_key", "Squelch Off Momentary"},
                               {"msk.call.3", "AB12"},
                               {"optional.password", "1234"}};
    ASSERT_FALSE(applySettings(image, good));
    EXPECT_EQ(shown(image, "optional.tot"), "90");
    EXPECT_EQ(shown(image, "optional.tail"), "Off");
    EXPECT_EQ(shown(image, "keys.side_key"), "Squelch Off Momentary");
    EXPECT_EQ(shown(image, "msk.call.3"), "AB12");
    EXPECT_EQ(image.at(0xC72), 0xFC);

    const CodeplugImage before = image;
    const Assignment oneBad[] = {{"optional.tot", "120"}, {"msk.id_code", "12345"}};
    auto refusal = applySettings(image, oneBad);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->key, "msk.id_code");
    EXPECT_NE(refusal->text().find("up to 4 of 0-9A-F"), std::string::npos);
    EXPECT_TRUE(image == before);

    for (auto [key, value] : {std::pair{"optional.tot", "45"},
                              {"optional.password", "12a"},
                              {"optional.priority_channel", "0"},
                              {"optional.keypad_lock", "yes"},
                              {"no.such", "1"}}) {
        const Assignment one[] = {{key, value}};
        auto refused = applySettings(image, one);
        ASSERT_TRUE(refused) << key << "=" << value;
        EXPECT_EQ(refused->key, key);
        EXPECT_TRUE(image == before);
    }
    const Assignment tot[] = {{"optional.tot", "45"}};
    EXPECT_NE(applySettings(image, tot)->text().find("Off, 30 ... 270"), std::string::npos);
}
