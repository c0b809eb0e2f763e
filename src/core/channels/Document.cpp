#include "channels/Document.h"

#include "channels/BandLimitBlock.h"
#include "model/FactoryDefaults.h"

#include <algorithm>

namespace program {

Document::Document(ProgramState& state, RadioTypeStore& radioTypes)
    : m_state(state), m_radioTypes(radioTypes) {}

void Document::createNew() {
    m_image = factoryDefaults();
    m_state.newDocument = true;
    imageToGrid();
    markSaved();
}

std::optional<DatFileError> Document::open(const std::filesystem::path& path) {
    DatLoadResult loaded = loadDatFile(path);
    if (!loaded.image)
        return loaded.error;
    adoptReadImage(*loaded.image);
    return std::nullopt;
}

std::optional<DatFileError> Document::save(const std::filesystem::path& path) {
    gridToImage();
    if (auto error = saveDatFile(path, m_image))
        return error;
    markSaved();
    return std::nullopt;
}

void Document::adoptReadImage(const CodeplugImage& image) {
    m_image = image;
    m_state.newDocument = false;
    imageToGrid();
    markSaved();
}

void Document::applyEdit(const CodeplugImage& edited) {
    const auto block = imagemap::BandLimitBlock;
    const auto before = m_image.range(block.offset, block.size);
    const auto after = edited.range(block.offset, block.size);
    const bool bandsChanged = !std::equal(before.begin(), before.end(), after.begin());
    m_image = edited;
    if (!bandsChanged)
        return;
    const BandLimits limits = readBandLimitBlock(m_image);
    if (m_ownBandLimits)
        m_ownBandLimits = limits;
    else
        m_state.bandLimits = limits;
}

void Document::imageToGrid() {
    const ImageToGridResult result = ImageToGrid(m_image, m_table, m_state, m_radioTypes.load());
    if (result.typeToStore)
        m_radioTypes.save(*result.typeToStore);
}

void Document::gridToImage() {
    encodeInto(m_image);
}

void Document::encodeInto(CodeplugImage& image) const {
    if (!m_ownBandLimits) {
        GridToImage(m_table, m_state, image);
        return;
    }
    ProgramState state = m_state;
    state.bandLimits = *m_ownBandLimits;
    GridToImage(m_table, state, image);
}

CodeplugImage Document::imageForSave() const {
    CodeplugImage form = m_image;
    encodeInto(form);
    return form;
}

void Document::setActive(bool active) {
    if (!active) {
        if (!m_ownBandLimits)
            m_ownBandLimits = m_state.bandLimits;
        return;
    }
    if (m_ownBandLimits)
        m_state.bandLimits = *m_ownBandLimits;
    m_ownBandLimits.reset();
}

BandLimits Document::bandLimits() const {
    return m_ownBandLimits.value_or(m_state.bandLimits);
}

void Document::markSaved() {
    m_saved = imageForSave();
}

bool Document::hasUnsavedChanges() const {
    return imageForSave() != m_saved;
}

} // namespace program
