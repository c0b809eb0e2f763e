#include "CliDocument.h"

#include "model/DatFile.h"
#include "model/FactoryDefaults.h"

namespace program::cli {

CliDocument CliDocument::createNew(std::uint8_t radioType, Language language) {
    CliDocument document;
    document.image = factoryDefaults();
    document.state.language = language;
    document.state.newDocument = true;
    ImageToGrid(document.image, document.table, document.state, radioType);
    return document;
}

CliDocument CliDocument::fromImage(const CodeplugImage& image, Language language) {
    CliDocument document;
    document.image = image;
    document.state.language = language;
    document.state.newDocument = false;
    // program-cli keeps no per-user radio type, so the type handed back is not stored.
    ImageToGrid(document.image, document.table, document.state, 0);
    return document;
}

std::optional<CliDocument> CliDocument::open(const std::filesystem::path& path, std::string& error,
                                             Language language) {
    auto loaded = loadDatFile(path);
    if (!loaded.image) {
        error = describe(*loaded.error);
        return std::nullopt;
    }
    return fromImage(*loaded.image, language);
}

CodeplugImage CliDocument::imageForSave() const {
    CodeplugImage saved = image;
    GridToImage(table, state, saved);
    return saved;
}

bool CliDocument::save(const std::filesystem::path& path, std::string& error) const {
    if (auto failure = saveDatFile(path, imageForSave())) {
        error = describe(*failure);
        return false;
    }
    return true;
}

} // namespace program::cli
