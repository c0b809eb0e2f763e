#include "support/RunProgram.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::runProgram;
using testsupport::TempDir;

namespace {

testsupport::ProgramRun cli(const TempDir& dir, std::vector<std::string> words) {
    return runProgram("program-cli", words, dir);
}

} // namespace

// A dealer's session: look, change, compare, with every refusal leaving the file.
TEST(CliSettings, SetThenSettingsAndDiffShowTheChange) {
    TempDir dir;
    const auto before = (dir / "before.dat").string();
    const auto after = (dir / "after.dat").string();
    ASSERT_EQ(cli(dir, {"new", before}).status, 0);
    ASSERT_EQ(cli(dir, {"new", after}).status, 0);

    auto listing = cli(dir, {"settings", after, "--section", "optional"});
    ASSERT_EQ(listing.status, 0) << listing.err;
    EXPECT_EQ(listing.out.rfind("optional.tot=30\noptional.squelch_level=4\n", 0), 0u);
    EXPECT_EQ(listing.out.find("keys."), std::string::npos);

    auto set = cli(dir, {"set", "--service-code", "457qrs", after, "optional.tot=90",
                         "keys.side_key=Emergency Call", "msk.id_code=12AB"});
    ASSERT_EQ(set.status, 0) << set.err;
    auto zh = cli(dir, {"settings", after, "--lang", "zh"});
    EXPECT_NE(zh.out.find("\noptional.vox_gain=关\n"), std::string::npos);
    EXPECT_NE(zh.out.find("\nkeys.side_key=Emergency Call\n"), std::string::npos);
    EXPECT_NE(zh.out.find("\nmsk.id_code=12AB\n"), std::string::npos);

    ASSERT_EQ(cli(dir, {"edit", after, "129", "1", "446.00625"}).status, 0);
    auto diff = cli(dir, {"diff", before, after});
    EXPECT_EQ(diff.status, 1);
    EXPECT_EQ(diff.out.rfind("optional.tot: 30 -> 90\n"
                             "keys.side_key: Option Singalling Call -> Emergency Call\n"
                             "msk.id_code:  -> 12AB\n"
                             "channel.Fr.1:  -> 446.00625\n",
                             0),
              0u)
        << diff.out;
    EXPECT_EQ(diff.out.find("bytes "), std::string::npos);
    auto bytes = cli(dir, {"diff", before, after, "--bytes"});
    EXPECT_EQ(bytes.status, 1);
    EXPECT_EQ(bytes.out.rfind(diff.out, 0), 0u) << bytes.out;
    EXPECT_NE(bytes.out.find("\nbytes 0xC40 (optional features): 01 -> 03\n"), std::string::npos)
        << bytes.out;
    EXPECT_EQ(cli(dir, {"diff", before, before}).status, 0);
    EXPECT_EQ(cli(dir, {"diff", before, (dir / "missing.dat").string()}).status, 2);

    const auto saved = readBytes(after);
    for (std::vector<std::string> refused : {std::vector<std::string>{"optional.tot=45"},
                                             {"optional.password=12a"},
                                             {"msk.id_code=12345"},
                                             {"optional.nothing=1"},
                                             {"optional.tot=60", "msk.call.1=XYZ"}}) {
        refused.insert(refused.begin(), {"set", after});
        auto run = cli(dir, refused);
        EXPECT_EQ(run.status, 1) << refused.back();
        EXPECT_NE(run.err.find(refused.back().substr(0, refused.back().find('='))),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(readBytes(after), saved);
    }
    EXPECT_EQ(cli(dir, {"set", after, "--service-code", "457QR", "optional.tot=60"}).status, 1);
    EXPECT_EQ(cli(dir, {"set", after, "optional.tot"}).status, 2);
    EXPECT_EQ(cli(dir, {"set", after}).status, 2);
    EXPECT_EQ(cli(dir, {"settings", after, "--section", "nothing"}).status, 2);
    EXPECT_EQ(readBytes(after), saved);
}

// The service keys: Parameter Adjust's need the access code, and Software Info's
// band fitting reaches the file's band limits, which the channel edits then follow.
TEST(CliSettings, ServiceKeysNeedTheCodeForParamsAndMoveTheBandLimits) {
    TempDir dir;
    const auto file = (dir / "radio.dat").string();
    ASSERT_EQ(cli(dir, {"new", file}).status, 0);
    const auto fresh = readBytes(file);
    EXPECT_EQ(cli(dir, {"set", file, "params.mic_amp_gain=10"}).status, 1);
    EXPECT_EQ(cli(dir, {"set", file, "--service-code", "457QRT", "params.mic_amp_gain=10"}).status,
              1);
    EXPECT_EQ(readBytes(file), fresh);

    auto set = cli(dir, {"set", file, "--service-code", "457qrs", "params.mic_amp_gain=10",
                         "sql.430-439=30", "softinfo.freq_band=V Section"});
    ASSERT_EQ(set.status, 0) << set.err;
    auto listing = cli(dir, {"settings", file});
    EXPECT_NE(listing.out.find("\nsql.430-439=30\n"), std::string::npos);
    EXPECT_NE(listing.out.find("\nparams.mic_amp_gain=10\n"), std::string::npos);
    EXPECT_NE(listing.out.find("\nsoftinfo.low_freq_2=136\nsoftinfo.high_freq_2=174\n"),
              std::string::npos)
        << listing.out;
    // 440 MHz is outside a radio fitted for the V band only.
    EXPECT_EQ(cli(dir, {"edit", file, "1", "1", "440.00000"}).status, 1);
    EXPECT_EQ(cli(dir, {"edit", file, "1", "1", "145.00000"}).status, 0);
}
