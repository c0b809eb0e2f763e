#include "model/FactoryDefaults.h"
#include "settings/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace program;
using namespace program::settings;

namespace {

std::string shown(const CodeplugImage& image, const std::string& key,
                  Language language = Language::English) {
    for (const Setting& s : showSettings(image, language))
        if (s.key == key)
            return s.value;
    return "(no such key)";
}

std::optional<Refusal> set(CodeplugImage& image, std::vector<Assignment> assignments,
                           bool serviceAccess = false) {
    return applySettings(image, assignments, serviceAccess);
}

} // namespace

TEST(ServiceSettings, KeysFollowTheEditorsAndShowWhatTheyShow) {
    const auto all = showSettings(factoryDefaults(), Language::English);
    const auto at = [&all](const std::string& key) {
        return std::find_if(all.begin(), all.end(),
                            [&](const Setting& s) { return s.key == key; }) -
               all.begin();
    };
    EXPECT_EQ(at("sql.400-409"), at("sql.170-179") + 1);
    EXPECT_EQ(at("params.mic_input_gain_ana"), at("sql.520-529") + 1);
    EXPECT_EQ(at("params.sql_detect.1.narrow_low"), at("params.sql_detect_set_high") + 1);
    EXPECT_EQ(at("params.sql_detect.2.narrow_low"), at("params.sql_detect.1.wide_high") + 1);
    EXPECT_EQ(at("softinfo.company"), at("params.sql_detect.4.wide_high") + 1);
    EXPECT_EQ(all.back().key, "softinfo.high_freq_2");
    EXPECT_EQ(all[at("params.u_narrow_sql_difference")].value, "-10");
    EXPECT_EQ(shown(factoryDefaults(), "softinfo.freq_band", Language::Chinese), "None");
}

TEST(ServiceSettings, ValuesTheEditorWouldReplaceAreRefused) {
    CodeplugImage image = factoryDefaults();
    const CodeplugImage before = image;
    for (const Assignment& a : std::vector<Assignment>{{"sql.130-139", "250"},
                                                       {"sql.130-139", "ab"},
                                                       {"sql.130-139", "0040"},
                                                       {"params.mic_amp_gain", "200"},
                                                       {"params.max_amp_offset", "x"},
                                                       {"params.v_narrow_sql_difference", "11"},
                                                       {"params.sql_detect.1.wide_low", "3"},
                                                       {"softinfo.low_freq_2", "300"},
                                                       {"softinfo.freq_band", "W Section"}}) {
        EXPECT_TRUE(set(image, {a}, true)) << a.key << "=" << a.value;
        EXPECT_EQ(image, before) << a.key << "=" << a.value;
    }
}

TEST(ServiceSettings, SoftwareInfoIsSetAsTheDialogIsUsedFromTopToBottom) {
    CodeplugImage image = factoryDefaults();
    // Named limit first: the band fitting still comes first, then the limit.
    EXPECT_FALSE(set(image, {{"softinfo.low_freq_1", "140"}, {"softinfo.freq_band", "V Section"}}));
    EXPECT_EQ(shown(image, "softinfo.freq_band"), "V Section");
    EXPECT_EQ(shown(image, "softinfo.low_freq_1"), "140");
    EXPECT_EQ(shown(image, "softinfo.low_freq_2"), "140"); // the single band's pairs follow
    EXPECT_EQ(image.at(0xFD4), 140);

    // The U pair is switched off for "V Section": it only keeps what it shows.
    EXPECT_TRUE(set(image, {{"softinfo.high_freq_2", "170"}}));
    EXPECT_FALSE(set(image, {{"softinfo.high_freq_2", "174"}}));
}

// What `settings` prints for a file, given back to `set`, changes nothing.
TEST(ServiceSettings, ShownValuesSetBackLeaveTheImageAsTheEditorsStoreIt) {
    CodeplugImage image = factoryDefaults();
    std::vector<Assignment> all;
    for (const Setting& s : showSettings(image, Language::English))
        if (s.key.starts_with("sql.") || s.key.starts_with("params.") ||
            s.key.starts_with("softinfo."))
            all.push_back({s.key, s.value});
    ASSERT_FALSE(set(image, all, true));
    const CodeplugImage once = image;
    ASSERT_FALSE(set(image, all, true));
    EXPECT_EQ(image, once);
}
