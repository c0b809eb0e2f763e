// Bytes as a values file of radios and as a report an earlier run left. Neither
// reader may fail on any bytes; a values file is either refused whole (no rows)
// or gives rows whose labels are unique and whose images are what applying the
// row's values to the document gives again; a text that is no report gives no
// radio as done.

#include "channels/Document.h"
#include "fleet/FleetReport.h"
#include "fleet/FleetValues.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

using namespace program;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    static ProgramState state;
    static FixedRadioType types;
    static Document document(state, types);
    static const bool created = (document.createNew(), true);
    (void)created;

    const fleet::RadioValues values = fleet::parseRadioValues(text, document);
    if (!values.ok()) {
        require(values.rows.empty());
    } else {
        std::set<std::string> labels;
        for (const auto& row : values.rows) {
            require(!row.label.empty() && labels.insert(row.label).second);
            CodeplugImage again;
            require(fleet::applyRadioValues(document, row.values, again).empty());
            require(again == row.image);
        }
    }

    const fleet::ReportHistory history = fleet::readReportHistory(text);
    if (!history.ok())
        require(history.done.empty());
    return 0;
}
