// The verbs that change many channels of a file at once: sort and offset.

#include "CommandLine.h"
#include "Verbs.h"

#include "app/MessageIds.h"
#include "channels/TableTools.h"

namespace program::cli {

namespace {

std::optional<std::vector<int>> rowsOption(const char* verb, const CommandLine& line,
                                           const std::string& fallback, int& status) {
    auto rows = parseRowRange(line.value("--rows", fallback), ChannelTable::FirstRow,
                              ChannelTable::LastRow);
    if (!rows)
        status = fail(ExitUsage, std::string(verb) +
                                     ": --rows takes A-B, whole numbers with 1 <= A <= B <= 129 "
                                     "(129 is \"Fr\")");
    return rows;
}

std::string describeRefusal(const RowRefusal& refusal) {
    const std::string reason = refusal.reason.messageId != 0
                                   ? message::englishText(refusal.reason.messageId)
                                   : refusal.reason.text.english;
    return "channel " + ChannelTable::rowLabel(refusal.row) + " (" + refusal.text + "): " + reason;
}

} // namespace

int runSort(const Words& words) {
    int status = ExitOk;
    const char* usage = "FILE.dat --by rx|tx|name|dec [--descending] [--rows A-B]";
    auto line = parseVerb("sort", words, {{"--by", "--rows"}, {"--descending"}}, 1, usage, status);
    if (!line)
        return status;
    const auto key = sortKeyNamed(line->value("--by"));
    if (!key)
        return fail(ExitUsage, "sort: --by takes rx, tx, name or dec (usage: program-cli sort " +
                                   std::string(usage) + ")");
    const auto rows = rowsOption("sort", *line, "1-128", status);
    if (!rows)
        return status;

    Workspace workspace;
    Document& document = workspace.document;
    if (auto failure = document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    sortRows(document.table(), *rows, *key, line->has("--descending"));
    if (auto failure = document.save(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

int runOffset(const Words& words) {
    int status = ExitOk;
    const char* usage = "FILE.dat --rows A-B (--plus|--minus) [KHZ]";
    auto line =
        parseVerb("offset", words, {{"--rows"}, {"--plus", "--minus"}}, 1, usage, status, true);
    if (!line)
        return status;
    if (line->positional.size() > 2)
        return fail(ExitUsage,
                    std::string("offset: too many arguments (usage: program-cli offset ") + usage +
                        ")");
    if (line->has("--plus") == line->has("--minus"))
        return fail(ExitUsage, std::string("offset: give one of --plus and --minus (usage: "
                                           "program-cli offset ") +
                                   usage + ")");
    if (!line->has("--rows"))
        return fail(ExitUsage, std::string("offset: --rows is needed (usage: program-cli offset ") +
                                   usage + ")");
    const auto rows = rowsOption("offset", *line, {}, status);
    if (!rows)
        return status;
    std::optional<std::int64_t> offset;
    if (line->positional.size() == 2) {
        offset = parseOffsetKHz(line->positional[1]);
        if (!offset)
            return fail(ExitUsage, "offset: KHZ must be a positive number of kHz with at most "
                                   "two decimals, up to 533000");
    }

    Workspace workspace;
    Document& document = workspace.document;
    if (auto failure = document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const auto direction = line->has("--plus") ? OffsetDirection::Plus : OffsetDirection::Minus;
    const ManyRowsResult result = applyRepeaterOffset(document.table(), *rows, direction, offset,
                                                      document.bandLimits(), Language::English);
    if (result.refused)
        return fail(ExitFailure, "offset: nothing changed: " + describeRefusal(*result.refused));
    // Rows that hold no channel are most likely a mistyped range.
    if (result.skipped.size() == rows->size())
        return fail(ExitFailure, "offset: nothing changed: rows " + line->value("--rows") +
                                     " hold no channel with an Rx Frequency");
    if (auto failure = document.save(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

} // namespace program::cli
