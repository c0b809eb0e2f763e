// The verbs that work on codeplug files alone: new, channels, save-as, edit, info.

#include "CommandLine.h"
#include "Verbs.h"

#include "app/MessageIds.h"
#include "channels/CellCommit.h"
#include "model/DatFile.h"
#include "model/RadioInfo.h"

#include <cstdio>

namespace program::cli {

namespace {

std::string formatMHz(std::int64_t tenHz) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%05lld", static_cast<long long>(tenHz / 100000),
                  static_cast<long long>(tenHz % 100000));
    return text;
}

} // namespace

std::optional<CommandLine> parseVerb(const char* verb, const Words& words, const OptionSet& options,
                                     std::size_t positionals, const char* usage, int& status,
                                     bool orMore) {
    std::string error;
    auto line = parseCommandLine(words, options, error);
    if (line && line->positional.size() < positionals)
        error = "missing arguments";
    else if (line && !orMore && line->positional.size() > positionals)
        error = "too many arguments";
    if (!error.empty()) {
        status = fail(ExitUsage, std::string(verb) + ": " + error + " (usage: program-cli " + verb +
                                     " " + usage + ")");
        return std::nullopt;
    }
    return line;
}

std::optional<Language> languageOption(const char* verb, const CommandLine& line, int& status) {
    const std::string lang = line.value("--lang", "en");
    if (lang == "en" || lang == "zh")
        return lang == "zh" ? Language::Chinese : Language::English;
    status = fail(ExitUsage, std::string(verb) + ": --lang takes en or zh");
    return std::nullopt;
}

int fail(int status, const std::string& text) {
    std::fprintf(stderr, "program-cli: %s\n", text.c_str());
    return status;
}

int runNew(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("new", words, {{"--type"}, {}}, 1, "OUT.dat [--type N]", status);
    if (!line)
        return status;
    auto type = parseNumber(line->value("--type", "0"), 0, 255);
    if (!type)
        return fail(ExitUsage, "new: --type takes a whole number from 0 to 255");

    Workspace workspace(Language::English, static_cast<std::uint8_t>(*type));
    workspace.document.createNew();
    if (auto failure = workspace.document.save(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

int runChannels(const Words& words) {
    int status = ExitOk;
    auto line =
        parseVerb("channels", words, {{"--lang"}, {}}, 1, "FILE.dat [--lang en|zh]", status);
    if (!line)
        return status;
    const auto language = languageOption("channels", *line, status);
    if (!language)
        return status;

    Workspace workspace(*language);
    const Document& document = workspace.document;
    if (auto failure = workspace.document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    for (int row = ChannelTable::FirstRow; row <= ChannelTable::LastRow; ++row) {
        std::string text = ChannelTable::rowLabel(row);
        for (int col = ChannelTable::FirstColumn; col <= ChannelTable::LastColumn; ++col)
            text += "\t" + document.table().text(row, col);
        std::printf("%s\n", text.c_str());
    }
    return ExitOk;
}

int runSaveAs(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("save-as", words, {}, 2, "IN.dat OUT.dat", status);
    if (!line)
        return status;
    Workspace workspace;
    auto failure = workspace.document.open(line->positional[0]);
    if (!failure)
        failure = workspace.document.save(line->positional[1]);
    if (failure)
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

int runEdit(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("edit", words, {{}, {"--enter"}}, 4, "FILE.dat ROW COLUMN TEXT [--enter]",
                          status);
    if (!line)
        return status;
    auto row = parseNumber(line->positional[1], ChannelTable::FirstRow, ChannelTable::LastRow);
    auto col =
        parseNumber(line->positional[2], ChannelTable::FirstColumn, ChannelTable::LastColumn);
    if (!row)
        return fail(ExitUsage, "edit: ROW must be a whole number from 1 to 129 (129 is \"Fr\")");
    if (!col)
        return fail(ExitUsage, "edit: COLUMN must be a whole number from 1 to 9");

    Workspace workspace;
    Document& document = workspace.document;
    if (auto failure = document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const auto kind = line->has("--enter") ? CommitKind::Enter : CommitKind::LeaveCell;
    const auto outcome =
        commitCell(document.table(), static_cast<int>(*row), static_cast<int>(*col),
                   line->positional[3], kind, document.bandLimits(), Language::English);
    if (!outcome.accepted)
        return fail(ExitFailure, outcome.messageId != 0 ? message::englishText(outcome.messageId)
                                                        : outcome.text.english.c_str());
    if (auto failure = document.save(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

int runInfo(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("info", words, {}, 1, "FILE.dat", status);
    if (!line)
        return status;
    Workspace workspace;
    const Document& document = workspace.document;
    if (auto failure = workspace.document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const BandLimits bands = document.bandLimits();
    std::printf("V band:          %s - %s MHz\n", formatMHz(bands.vLower).c_str(),
                formatMHz(bands.vUpper).c_str());
    std::printf("U band:          %s - %s MHz\n", formatMHz(bands.uLower).c_str(),
                formatMHz(bands.uUpper).c_str());
    std::printf("Radio type:      %u\n", radioType(document.image()));
    std::printf("Radio password:  %s\n", hasRadioPassword(document.image()) ? "set" : "none");
    std::printf("Channels in use: %d of %d\n", document.table().channelsInUse(),
                ChannelTable::RowCount);
    return ExitOk;
}

} // namespace program::cli
