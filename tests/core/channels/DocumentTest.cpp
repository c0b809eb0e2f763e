#include "channels/Document.h"
#include "channels/ChannelColumns.h"
#include "model/ImageMap.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace program;

namespace {

// Keeps what a document hands back, as the user's settings do.
class KeptType final : public RadioTypeStore {
public:
    std::uint8_t kept = 0x2A;
    std::uint8_t load() const override { return kept; }
    void save(std::uint8_t type) override { kept = type; }
};

} // namespace

TEST(Document, UnsavedChangesCompareWhatASaveWouldWriteWithTheLastSavedBytes) {
    testsupport::TempDir dir;
    ProgramState state;
    KeptType types;
    Document document(state, types);
    document.createNew();
    EXPECT_EQ(document.image().at(imagemap::RadioType), 0x2A);
    EXPECT_FALSE(document.hasUnsavedChanges());

    document.table().setText(1, column::Name, "HOME");
    EXPECT_TRUE(document.hasUnsavedChanges()); // the table counts without a gridToImage
    document.table().setText(1, column::Name, "");
    EXPECT_FALSE(document.hasUnsavedChanges());

    document.table().setText(2, column::RxFrequency, "145.50000");
    document.table().setText(2, column::TxFrequency, "145.50000");
    const CodeplugImage expected = document.imageForSave();
    ASSERT_FALSE(document.save(dir / "a.dat"));
    EXPECT_FALSE(document.hasUnsavedChanges());
    EXPECT_EQ(document.image(), expected);

    // An opened file hands its type back for the next new document to start with.
    CodeplugImage typed = expected;
    typed.set(imagemap::RadioType, 0x07);
    std::ofstream(dir / "b.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(typed.bytes().data()), CodeplugImage::Size);
    ASSERT_FALSE(document.open(dir / "b.dat"));
    EXPECT_EQ(types.kept, 0x07);
    EXPECT_FALSE(state.newDocument);
    EXPECT_FALSE(document.hasUnsavedChanges());
}

TEST(Document, AFailedOpenLeavesTheDocumentAsItWas) {
    testsupport::TempDir dir;
    ProgramState state;
    FixedRadioType types;
    Document document(state, types);
    document.createNew();
    document.table().setText(5, column::Name, "KEEP");
    std::ofstream(dir / "short.dat", std::ios::binary) << "short";

    const CodeplugImage before = document.image();
    EXPECT_TRUE(document.open(dir / "short.dat"));
    EXPECT_TRUE(document.open(dir / "missing.dat"));
    EXPECT_EQ(document.image(), before);
    EXPECT_EQ(document.table().text(5, column::Name), "KEEP");
    EXPECT_TRUE(state.newDocument);
    EXPECT_TRUE(document.hasUnsavedChanges());
}

TEST(Document, AnInactiveDocumentSavesItsOwnBandLimits) {
    ProgramState state;
    FixedRadioType types;
    Document first(state, types);
    first.createNew();
    const BandLimits own = state.bandLimits;

    first.setActive(false);
    Document second(state, types);
    second.createNew();
    state.bandLimits.uUpper = 47000000; // the active document's limits change
    EXPECT_EQ(first.bandLimits(), own);
    EXPECT_FALSE(first.hasUnsavedChanges());

    second.setActive(false);
    first.setActive(true);
    EXPECT_EQ(state.bandLimits, own);
    EXPECT_EQ(second.bandLimits().uUpper, 47000000);
    EXPECT_TRUE(second.hasUnsavedChanges());
}
