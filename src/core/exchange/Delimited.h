#pragma once

#include "app/BilingualText.h"

#include <string>
#include <string_view>
#include <vector>

namespace program {

// Text in rows of fields, as spreadsheets write it: CSV files (comma) and the
// clipboard (tab). A field holding the delimiter, a quote or a line end is quoted,
// and a quote inside it is doubled.
struct DelimitedRecord {
    int line = 0; // of the file, from 1, where the record starts
    std::vector<std::string> fields;
};

struct DelimitedText {
    std::vector<DelimitedRecord> records;
    // Set when the text could not be read to its end; `records` is then empty.
    BilingualText failure;
    int failureLine = 0;

    bool readWhole() const { return failure.english.empty(); }
};

// What becomes of a record whose fields are all empty: a file's blank line or a row
// a spreadsheet left empty is nothing (Drop), a copied row of empty cells is a row
// to paste (Keep).
enum class EmptyRecords { Drop, Keep };

// Reads the whole text: UTF-8 with or without a byte-order mark, lines ended by
// CR LF, LF or CR (a line end inside a quoted field is kept as written). Fails on
// text that is not UTF-8, on a quoted field that never ends (a file cut off), and
// on characters after a closing quote.
DelimitedText readDelimited(std::string_view text, char delimiter,
                            EmptyRecords empty = EmptyRecords::Drop);

// One field as it is written: quoted when it holds the delimiter, a quote or a line
// end, or begins or ends with a blank (which spreadsheets would drop).
std::string delimitedField(std::string_view field, char delimiter);
// A record's fields joined by the delimiter, without a line end.
std::string delimitedRecord(const std::vector<std::string>& fields, char delimiter);

} // namespace program
