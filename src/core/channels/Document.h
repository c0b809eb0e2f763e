#pragma once

#include "app/ProgramState.h"
#include "channels/ChannelTable.h"
#include "model/CodeplugImage.h"
#include "model/DatFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace program {

// Where the radio type of the last file or radio decoded is kept between runs, so
// that a new document starts with it: the desktop program keeps it in the user's
// settings, program-cli keeps none.
class RadioTypeStore {
public:
    virtual ~RadioTypeStore() = default;
    virtual std::uint8_t load() const = 0;
    virtual void save(std::uint8_t type) = 0;
};

// Starts every new document with one given type and keeps nothing.
class FixedRadioType final : public RadioTypeStore {
public:
    explicit FixedRadioType(std::uint8_t type = 0) : m_type(type) {}
    std::uint8_t load() const override { return m_type; }
    void save(std::uint8_t) override {}

private:
    std::uint8_t m_type;
};

// One open codeplug: the image and the channel table texts the grid edits. The
// table is the working copy of the channels: gridToImage() brings it into the image
// before a save or a write, imageToGrid() refills it after a new document, an open
// and a read from the radio. The program-wide values (language, new-document flag,
// band limits) are the run's, shared by every document.
class Document {
public:
    Document(ProgramState& state, RadioTypeStore& radioTypes);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // File New: factory defaults, then the channel table decoded with the
    // new-document values (the kept radio type, the new band limits).
    void createNew();
    // File Open: the file's bytes as an opened document. On failure the document
    // is as it was.
    std::optional<DatFileError> open(const std::filesystem::path& path);
    // Save / Save As: the table brought into the image, written atomically. The
    // caller commits an open cell editor first.
    std::optional<DatFileError> save(const std::filesystem::path& path);
    // Takes the image of a completed read from the radio.
    void adoptReadImage(const CodeplugImage& image);
    // Takes an editor's working copy of the image (editors own no channel bytes).
    // When the editor wrote the band-limit block (Software Info fitting the
    // radio's band), the document's band limits follow it, so that the grid checks
    // against them at once and a save keeps them.
    void applyEdit(const CodeplugImage& edited);

    // Decodes the table from the image (see ImageToGrid); the type an opened or
    // read image carries is kept for the next new document.
    void imageToGrid();
    // Encodes the table and this document's band limits into the image.
    void gridToImage();
    // The image as a save now would write it; the document itself is not changed.
    CodeplugImage imageForSave() const;

    // Whether a save now would write bytes other than those last loaded, saved or
    // read (the table counts as it stands; commit an open editor first).
    bool hasUnsavedChanges() const;

    // The program's band limits belong to the active document. A document that
    // stops being active keeps the limits it had, so that saving it later writes
    // its own and not another document's; becoming active again brings them back.
    void setActive(bool active);
    // The band limits a save of this document writes.
    BandLimits bandLimits() const;

    CodeplugImage& image() { return m_image; }
    const CodeplugImage& image() const { return m_image; }
    ChannelTable& table() { return m_table; }
    const ChannelTable& table() const { return m_table; }
    ProgramState& state() const { return m_state; }

private:
    void encodeInto(CodeplugImage& image) const;
    void markSaved();

    ProgramState& m_state;
    RadioTypeStore& m_radioTypes;
    CodeplugImage m_image;
    ChannelTable m_table;
    CodeplugImage m_saved;                     // what a save right after load/save/read would write
    std::optional<BandLimits> m_ownBandLimits; // kept while not active
};

} // namespace program
