// The print verb: the listing of a codeplug file as a PDF. program-cli checks the
// command line and the file; the drawing is done by program-print, installed
// beside it, which brings Qt's painting along so that program-cli need not.

#include "CommandLine.h"
#include "Verbs.h"

#include "model/DatFile.h"
#include "print/PrintLayout.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace program::cli {

namespace {

constexpr const char* Usage =
    "FILE.dat OUT.pdf [--sections dtmf,msk,optional,2tone,channels] [--lang en|zh] "
    "[--owner TEXT]";

// The folder program-cli was started from, where program-print lies beside it.
std::filesystem::path ownFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : self.parent_path();
}

} // namespace

int runPrint(const Words& words) {
    std::string error;
    auto line = parseCommandLine(words, {{"--sections", "--lang", "--owner"}, {}}, error);
    if (line && line->positional.size() != 2)
        error = line->positional.size() < 2 ? "missing arguments" : "too many arguments";
    if (!error.empty())
        return fail(ExitUsage, "print: " + error + " (usage: program-cli print " + Usage + ")");

    const std::string sections = line->value("--sections", "optional,channels");
    const auto selection = print::parseSections(sections);
    if (!selection)
        return fail(ExitUsage, "print: --sections takes names from dtmf, msk, optional, 2tone, "
                               "channels, separated by commas, each once");
    const std::string lang = line->value("--lang", "en");
    if (lang != "en" && lang != "zh")
        return fail(ExitUsage, "print: --lang takes en or zh");

    const std::string& in = line->positional[0];
    const std::string& out = line->positional[1];
    Workspace workspace(lang == "zh" ? Language::Chinese : Language::English);
    if (auto failure = workspace.document.open(in))
        return fail(ExitFailure, describe(*failure));
    const int channels = int(print::listedChannels(workspace.document.table()).size());
    if (print::totalPages(*selection, channels) == 0)
        return fail(ExitFailure, "print: nothing to print: the sections chosen have no pages "
                                 "(no channel has a receive frequency)");

    // program-print beside program-cli (the build folder, an installed bin/), else
    // the one on the PATH.
    const std::filesystem::path beside = ownFolder() / "program-print";
    const bool found = ::access(beside.c_str(), X_OK) == 0;
    const std::string tool = found ? beside.string() : std::string("program-print");
    const std::string owner = line->value("--owner");
    const char* argv[] = {tool.c_str(), in.c_str(),    out.c_str(), sections.c_str(),
                          lang.c_str(), owner.c_str(), nullptr};
    if (found)
        ::execv(tool.c_str(), const_cast<char* const*>(argv));
    else
        ::execvp(tool.c_str(), const_cast<char* const*>(argv));
    return fail(ExitFailure, "print: cannot start program-print (" +
                                 std::string(std::strerror(errno)) +
                                 "); it comes with the desktop program and belongs beside "
                                 "program-cli");
}

} // namespace program::cli
