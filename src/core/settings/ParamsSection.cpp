#include "service/ParameterAdjust.h"
#include "service/TuningEntry.h"
#include "settings/FieldKinds.h"
#include "settings/Sections.h"
#include "settings/ServiceFields.h"

#include <algorithm>

namespace program::settings {

namespace {

using service::ParameterAdjust;
using P = ParameterAdjust;

std::string range(int minimum, int maximum) {
    return std::to_string(minimum) + " ... " + std::to_string(maximum);
}

// A list the user may also type into: the text is read as the number it starts
// with; what the dialog stores for a number outside the list is the new
// document's value, which the catalogue then refuses as a change it did not ask for.
Field<P> numberField(std::string key, int P::*value) {
    const auto& numbers = service::parameterNumbers();
    const auto number = std::find_if(numbers.begin(), numbers.end(),
                                     [value](const auto& n) { return n.value == value; });
    return {std::move(key), range(number->minimum, number->maximum),
            [value](const P& values, Language) { return std::to_string(values.*value); },
            [value](P& values, std::string_view text) {
                values.*value = service::leadingNumber(text);
                return true;
            }};
}

// A drop-down list of -10 ... 10.
Field<P> differenceField(std::string key, int P::*value) {
    return {std::move(key), range(service::DifferenceMinimum, service::DifferenceMaximum),
            [value](const P& values, Language) { return std::to_string(values.*value); },
            [value](P& values, std::string_view text) {
                for (int n = service::DifferenceMinimum; n <= service::DifferenceMaximum; ++n) {
                    if (text == std::to_string(n)) {
                        values.*value = n;
                        return true;
                    }
                }
                return false;
            }};
}

} // namespace

std::unique_ptr<Section> makeParamsSection() {
    std::vector<Field<P>> fields{
        numberField("params.mic_input_gain_ana", &P::micInputGainAna),
        numberField("params.mic_input_gain_digit", &P::micInputGainDigit),
        numberField("params.mic_amp_gain", &P::micAmpGain),
        numberField("params.max_amp_offset", &P::maxAmpOffset),
        numberField("params.tone_amp_offset_ana", &P::toneAmpOffsetAna),
        numberField("params.tone_amp_offset_digit", &P::toneAmpOffsetDigit),
        differenceField("params.v_narrow_sql_difference", &P::vNarrowSqlDifference),
        differenceField("params.u_narrow_sql_difference", &P::uNarrowSqlDifference),
        checkField("params.narrow_detect_1", &P::narrowDetect1),
        checkField("params.narrow_detect_2", &P::narrowDetect2),
        checkField("params.wide_detect_1", &P::wideDetect1),
        checkField("params.wide_detect_2", &P::wideDetect2),
        numberField("params.sql_detect_set_low", &P::sqlDetectSetLow),
        numberField("params.sql_detect_set_high", &P::sqlDetectSetHigh),
    };
    static const char* const Columns[P::DetectColumns] = {"narrow_low", "narrow_high", "wide_low",
                                                          "wide_high"};
    for (int row = 0; row < P::DetectRows; ++row)
        for (int column = 0; column < P::DetectColumns; ++column)
            fields.push_back(tuningCellField<P>(
                "params.sql_detect." + std::to_string(row + 1) + "." + Columns[column],
                [ row, column ](auto& values) -> auto& { return values.sqlDetect[row][column]; }));
    return std::make_unique<EditorSection<P>>("params", service::loadParameterAdjust,
                                              service::storeParameterAdjust, std::move(fields),
                                              /*serviceCode=*/true);
}

} // namespace program::settings
