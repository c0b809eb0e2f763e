#include "fleet/FleetValues.h"

#include "channels/Document.h"
#include "settings/Catalogue.h"

#include <gtest/gtest.h>

using namespace program;

namespace {

struct NewDocument {
    NewDocument() { document.createNew(); }
    ProgramState state;
    FixedRadioType types;
    Document document{state, types};
};

std::string shown(const CodeplugImage& image, const std::string& key) {
    for (const auto& setting : settings::showSettings(image, Language::English))
        if (setting.key == key)
            return setting.value;
    return "?";
}

} // namespace

TEST(FleetValues, EachRowGetsTheDocumentWithItsOwnKeysAndCells) {
    NewDocument source;
    const auto values = fleet::parseRadioValues("label,msk.id_code,channel.1.1,channel.1.5\r\n"
                                                "Gate,1234,145.0125,GATE\r\n"
                                                "Barn,,,\r\n",
                                                source.document);
    ASSERT_TRUE(values.ok()) << values.failureText();
    ASSERT_EQ(values.rows.size(), 2u);
    const fleet::RadioRow& gate = values.rows[0];
    EXPECT_EQ(gate.label, "Gate");
    EXPECT_EQ(gate.line, 2);
    EXPECT_EQ(shown(gate.image, "msk.id_code"), "1234");
    ProgramState state;
    FixedRadioType types;
    Document written(state, types);
    written.adoptReadImage(gate.image);
    EXPECT_EQ(written.table().text(1, 1), "145.01250");
    EXPECT_EQ(written.table().text(1, 5), "GATE");
    EXPECT_EQ(fleet::describeValues(gate.values),
              "msk.id_code=1234; channel.1.1=145.0125; channel.1.5=GATE");
    // Empty cells keep the document's values: the radio gets the document as a write sends it.
    EXPECT_TRUE(values.rows[1].values.empty());
    EXPECT_EQ(values.rows[1].image, source.document.imageForSave());
}

TEST(FleetValues, RefusesTheWholeFileWithTheLineAndTheReason) {
    NewDocument source;
    auto refusal = [&](const char* text) {
        const auto values = fleet::parseRadioValues(text, source.document);
        EXPECT_TRUE(values.rows.empty());
        return values.failureText();
    };
    EXPECT_EQ(refusal("name,msk.id_code\nA,1\n"), "line 1: the first column must be label");
    EXPECT_EQ(refusal(""), "the values file is empty: its first line names the columns, "
                           "beginning with label");
    EXPECT_EQ(refusal("label,msk.nothing\n"),
              "line 1: msk.nothing: no such key (program-cli settings FILE.dat lists them)");
    EXPECT_EQ(refusal("label,channel.130.1\n").substr(0, 28), "line 1: channel.130.1: not a");
    EXPECT_EQ(refusal("label,msk.id_code,msk.id_code\n"), "line 1: msk.id_code: named twice");
    EXPECT_EQ(refusal("label,msk.id_code\nA,1\nB,2\nA,3\n"), "line 4: the label A is given twice");
    EXPECT_EQ(refusal("label,msk.id_code\n,1\n"), "line 2: the radio has no label");
    EXPECT_EQ(refusal("label,msk.id_code\nA,1,2\n"),
              "line 2: more fields than the first line names");
    // A value the editor refuses is named with the values the key takes, as `set` says it.
    EXPECT_EQ(refusal("label,msk.id_code\nA,1\nB,12345\n").substr(0, 21), "line 3: msk.id_code: ");
    EXPECT_NE(refusal("label,channel.Fr.1\nA,999.000\n").find("line 2: channel.Fr.1: "),
              std::string::npos);
    // The service sections need the access code, which a values file never gives.
    EXPECT_NE(refusal("label,params.mic_amp_gain\nA,1\n").find("service access code"),
              std::string::npos);
}
