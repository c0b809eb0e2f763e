#include "SimProcess.h"
#include "support/RunProgram.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

using program::sim::SimProcess;
using testsupport::runProgram;
using testsupport::TempDir;

// Three radios on three radio-sims, one of which stops answering in the middle of
// the write: the other two get their own values, the report holds all three, and
// a second run with the fault gone programs only the radio that failed.
TEST(FleetVerb, ProgramsEveryPortAndAResumeTakesOnlyTheRadioThatFailed) {
    TempDir dir;
    auto cli = [&](std::vector<std::string> words) {
        return runProgram("program-cli", words, dir);
    };
    const std::string codeplug = (dir / "fleet.dat").string();
    ASSERT_EQ(cli({"new", codeplug}).status, 0);
    std::ofstream(dir / "radios.csv") << "label,msk.id_code,channel.1.1,channel.1.5\n"
                                         "Gate,1001,145.000,GATE\nBarn,1002,145.000,BARN\n"
                                         "Yard,1003,145.000,YARD\n";
    const std::vector<std::string> faults[] = {{}, {"--fault", "hang-after=30"}, {}};
    std::vector<std::unique_ptr<SimProcess>> radios;
    auto start = [&](int i, const std::vector<std::string>& extra) {
        const std::string port = (dir / ("radio" + std::to_string(i))).string();
        std::vector<std::string> arguments{
            "--link", port, "--dump", (dir / ("memory" + std::to_string(i) + ".dat")).string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        radios[i] = std::make_unique<SimProcess>(RADIO_SIM_PROGRAM, arguments, port);
    };
    radios.resize(3);
    for (int i = 0; i < 3; ++i)
        start(i, faults[i]);
    const std::vector<std::string> fleet{"fleet",    codeplug,
                                         "--port",   (dir / "radio0").string(),
                                         "--port",   (dir / "radio1").string(),
                                         "--port",   (dir / "radio2").string(),
                                         "--values", (dir / "radios.csv").string(),
                                         "--report", (dir / "report.csv").string()};
    auto first = cli(fleet);
    EXPECT_EQ(first.status, 1) << first.err;
    EXPECT_NE(first.out.find("radio1 "), std::string::npos) << first.out;
    EXPECT_NE(first.out.find(": not written: Program Interrupt, Please reset the radio and try "
                             "again; the radio may hold a partly written memory"),
              std::string::npos)
        << first.out;

    radios[1]->stop();
    start(1, {});
    std::vector<std::string> again = fleet;
    again.erase(again.begin() + 2, again.begin() + 4); // the radios on ports 0 and 2 are done
    again.erase(again.begin() + 4, again.begin() + 6);
    auto second = cli(again);
    EXPECT_EQ(second.status, 0) << second.out;
    EXPECT_NE(second.out.find("radio1 "), std::string::npos) << second.out;
    EXPECT_EQ(cli(again).status, 1); // no row left

    std::set<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        radios[i]->stop();
        const std::string memory = (dir / ("memory" + std::to_string(i) + ".dat")).string();
        const auto settings = cli({"settings", memory, "--section", "msk"}).out;
        const auto channels = cli({"channels", memory}).out;
        for (const auto& [label, id, name] : {std::tuple{"Gate", "1001", "GATE"},
                                              {"Barn", "1002", "BARN"},
                                              {"Yard", "1003", "YARD"}}) {
            if (settings.find(std::string("msk.id_code=") + id + "\n") != std::string::npos) {
                EXPECT_NE(channels.find(name), std::string::npos) << label;
                seen.insert(label);
            }
        }
    }
    EXPECT_EQ(seen, (std::set<std::string>{"Gate", "Barn", "Yard"}));

    const std::string report = testsupport::slurp(dir / "report.csv");
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 5) << report; // header, 3 + 1 radios
}
