// The verbs that exchange channel lists with spreadsheets and other programming
// tools: export-csv and import-csv.

#include "CommandLine.h"
#include "Verbs.h"

#include "app/MessageIds.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvFile.h"

#include <cstdio>

namespace program::cli {

namespace {

std::optional<CommandLine> parseCsvVerb(const char* verb, const Words& words,
                                        const OptionSet& options, const char* usage, int& status) {
    std::string error;
    auto line = parseCommandLine(words, options, error);
    if (line && line->positional.size() != 2)
        error = line->positional.size() < 2 ? "missing arguments" : "too many arguments";
    if (!error.empty()) {
        status = fail(ExitUsage, std::string(verb) + ": " + error + " (usage: program-cli " + verb +
                                     " " + usage + ")");
        return std::nullopt;
    }
    return line;
}

// "line 7, Location 12: skipped: rToneFreq "88.4": ..." for one note of the report.
std::string reportLine(const CsvNote& note) {
    const std::string reason = note.reason.messageId != 0
                                   ? message::englishText(note.reason.messageId)
                                   : note.reason.text.english;
    return "line " + std::to_string(note.line) + ", Location " + note.location +
           (note.skipped ? ": skipped: " : ": taken: ") +
           describeCsvNote(note, reason, Language::English);
}

} // namespace

int runExportCsv(const Words& words) {
    int status = ExitOk;
    auto line = parseCsvVerb("export-csv", words, {}, "FILE.dat OUT.csv", status);
    if (!line)
        return status;
    Workspace workspace;
    Document& document = workspace.document;
    if (auto failure = document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const std::string text = exportChannelsCsv(document.table(), document.bandLimits());
    if (const BilingualText failure = writeCsvFile(line->positional[1], text);
        !failure.english.empty())
        return fail(ExitFailure, failure.english);
    return ExitOk;
}

int runImportCsv(const Words& words) {
    int status = ExitOk;
    auto line = parseCsvVerb("import-csv", words, {{}, {"--replace", "--include-fr"}},
                             "FILE.dat IN.csv [--replace] [--include-fr]", status);
    if (!line)
        return status;
    Workspace workspace;
    Document& document = workspace.document;
    if (auto failure = document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const CsvFileText file = readCsvFile(line->positional[1]);
    if (!file.readWhole())
        return fail(ExitFailure, file.failure.english);

    const CsvOptions options{line->has("--replace"), line->has("--include-fr")};
    const CsvImport result = importChannelsCsv(document.table(), file.text, options,
                                               document.bandLimits(), Language::English);
    if (!result.readWhole())
        return fail(ExitFailure,
                    line->positional[1] + ": " + result.failure.english + " Nothing was imported.");
    int skipped = 0;
    for (const CsvNote& note : result.notes) {
        std::printf("%s\n", reportLine(note).c_str());
        skipped += note.skipped ? 1 : 0;
    }
    document.table() = result.table;
    if (auto failure = document.save(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    std::printf("rows imported: %d, skipped: %d\n", result.rowsTaken, skipped);
    return ExitOk;
}

} // namespace program::cli
