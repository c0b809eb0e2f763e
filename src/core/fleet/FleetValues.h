#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"
#include "settings/Section.h"

#include <string>
#include <string_view>
#include <vector>

namespace program {
class Document;
}

namespace program::fleet {

// One radio's row of the values file: its label and the keys it sets, in the
// columns' order, with the image the radio gets (the document with them applied).
struct RadioRow {
    int line = 0; // of the file, from 1
    std::string label;
    std::vector<settings::Assignment> values;
    CodeplugImage image;
};

// The values file as a whole, or why it was refused (with the line it is about).
struct RadioValues {
    std::vector<RadioRow> rows;
    std::string failure; // empty when every row could be applied
    int failureLine = 0;

    bool ok() const { return failure.empty(); }
    // "line 4: msk.id_code: ..." or the failure alone when it concerns no one line.
    std::string failureText() const;
};

// Reads a values file: a header whose first column is "label" and whose other
// columns are settings keys as `set` takes them or channel cells
// "channel.ROW.COLUMN" (ROW 1..128 or Fr), then one row per radio. Every row is
// applied to a copy of `document` at once, so that a value the editors would
// refuse, a duplicate or empty label, a missing label column or an unknown key
// fail before any radio is touched. An empty cell keeps the document's value.
// Keys that need the service access code are refused.
RadioValues parseRadioValues(std::string_view text, const Document& document);

// The document's image as a write would send it, with `values` applied as `set`
// applies settings and as the grid commits channel cells. On a refusal returns the
// key and the values it takes, as `set` words it.
std::string applyRadioValues(const Document& document,
                             const std::vector<settings::Assignment>& values, CodeplugImage& image);

// "msk.id_code=123; dtmf.id_code=456": the values of a row as the report lists them.
std::string describeValues(const std::vector<settings::Assignment>& values);

} // namespace program::fleet
