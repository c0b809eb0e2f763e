#include "model/ProgramDoc.h"

#include "app/ProgramState.h"
#include "model/FactoryDefaults.h"
#include "model/FilePaths.h"
#include "model/UserSettings.h"

#include <QFileInfo>

CProgramDoc::CProgramDoc(program::ProgramState& state, UserSettings& settings, QObject* parent)
    : QObject(parent), m_state(state), m_settings(settings) {}

void CProgramDoc::initNew() {
    m_image = program::factoryDefaults();
    m_path.clear();
    m_title = m_state.language == program::Language::Chinese
                  ? QStringLiteral("信道信息")
                  : QStringLiteral("Channel Information");
    m_state.newDocument = true;
    imageToGrid();
    markSaved();
    emit titleChanged(m_title);
}

std::optional<program::DatFileError> CProgramDoc::load(const QString& path) {
    program::DatLoadResult result = program::loadDatFile(toFilesystemPath(path));
    if (!result.image)
        return result.error;
    m_image = *result.image;
    m_state.newDocument = false;
    setPath(path);
    imageToGrid();
    markSaved();
    return std::nullopt;
}

std::optional<program::DatFileError> CProgramDoc::save(const QString& path) {
    gridToImage();
    if (auto error = program::saveDatFile(toFilesystemPath(path), m_image))
        return error;
    setPath(path);
    markSaved();
    return std::nullopt;
}

void CProgramDoc::adoptReadImage(const program::CodeplugImage& image) {
    m_image = image;
    m_state.newDocument = false;
    imageToGrid();
    markSaved();
}

void CProgramDoc::imageToGrid() {
    const program::ImageToGridResult result =
        program::ImageToGrid(m_image, m_table, m_state, m_settings.radioType());
    if (result.typeToStore)
        m_settings.setRadioType(*result.typeToStore);
    emit tableReloaded();
}

void CProgramDoc::gridToImage() {
    encodeInto(m_image);
}

void CProgramDoc::encodeInto(program::CodeplugImage& image) const {
    if (!m_ownBandLimits) {
        program::GridToImage(m_table, m_state, image);
        return;
    }
    program::ProgramState state = m_state;
    state.bandLimits = *m_ownBandLimits;
    program::GridToImage(m_table, state, image);
}

program::CodeplugImage CProgramDoc::savedForm() const {
    program::CodeplugImage form = m_image;
    encodeInto(form);
    return form;
}

void CProgramDoc::setActive(bool active) {
    if (!active) {
        if (!m_ownBandLimits)
            m_ownBandLimits = m_state.bandLimits;
        return;
    }
    if (m_ownBandLimits)
        m_state.bandLimits = *m_ownBandLimits;
    m_ownBandLimits.reset();
}

program::BandLimits CProgramDoc::bandLimits() const {
    return m_ownBandLimits.value_or(m_state.bandLimits);
}

void CProgramDoc::markSaved() {
    m_saved = savedForm();
}

bool CProgramDoc::hasUnsavedChanges() const {
    return savedForm() != m_saved;
}

QString CProgramDoc::proposedFileName() const {
    if (!m_path.isEmpty())
        return m_path;
    QString name = QString::fromStdString(m_state.appName);
    if (name.isEmpty())
        name = m_title;
    if (QFileInfo(name).suffix().isEmpty())
        name += QStringLiteral(".dat");
    return name;
}

void CProgramDoc::setPath(const QString& path) {
    m_path = QFileInfo(path).absoluteFilePath();
    m_title = QFileInfo(path).fileName();
    emit titleChanged(m_title);
}
