// A CSV channel list or a clipboard text from anywhere. The reader must read any
// bytes; what it reads must write back as the same fields. An import that fails
// changes nothing; one that succeeds gives a table whose channels 1..128 export
// and import again unchanged.

#include "channels/TableEdits.h"
#include "exchange/ChannelCsv.h"
#include "exchange/Delimited.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace program;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkDelimited(std::string_view text, char delimiter) {
    const DelimitedText read = readDelimited(text, delimiter);
    if (!read.readWhole()) {
        require(read.records.empty());
        return;
    }
    std::string written;
    for (const DelimitedRecord& record : read.records)
        written += delimitedRecord(record.fields, delimiter) + "\n";
    const DelimitedText again = readDelimited(written, delimiter);
    require(again.readWhole() && again.records.size() == read.records.size());
    for (std::size_t i = 0; i < read.records.size(); ++i)
        require(again.records[i].fields == read.records[i].fields);
}

// A few channels and "Fr", in the texts of `language`.
ChannelTable startingTable(Language language) {
    return importChannelsCsv(ChannelTable{},
                             "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Name,Power\n"
                             "1,145.0,+,0.6,Tone,67.0,A,High\n"
                             "64,435.0,split,145.0,,,,Low\n"
                             "0,446.00625,,,,,FR,Low\n",
                             {true, true}, BandLimits{}, language)
        .table;
}

// The first byte chooses the options and the language; the rest is the file.
void checkImport(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return;
    const CsvOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const Language language = data[0] & 4 ? Language::Chinese : Language::English;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const BandLimits bands;
    const ChannelTable current = startingTable(language);

    const CsvImport result = importChannelsCsv(current, text, options, bands, language);
    if (!result.readWhole()) {
        require(result.table == current && result.rowsTaken == 0 && result.notes.empty());
        return;
    }
    const CsvImport again = importChannelsCsv(
        ChannelTable{}, exportChannelsCsv(result.table, bands), {}, bands, language);
    require(again.readWhole() && again.notes.empty());
    for (int row = 1; row <= 128; ++row)
        require(again.table.row(row) == result.table.row(row));

    // The same text pasted into the table as tab-separated cells: all or nothing.
    const DelimitedText cells = readDelimited(text, '\t');
    std::vector<std::vector<std::string>> block;
    for (const DelimitedRecord& record : cells.records)
        block.push_back(record.fields);
    if (block.empty())
        return;
    ChannelTable pasted = current;
    const PasteResult paste = pasteBlock(pasted, 1 + data[0] % 129, 1, block, bands, language);
    require(paste.applied() || pasted == current);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkDelimited(text, ',');
    checkDelimited(text, '\t');
    checkImport(data, size);
    return 0;
}
