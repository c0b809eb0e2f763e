#include "model/ProgramDoc.h"

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "model/FilePaths.h"
#include "model/UserSettings.h"

#include <QFileInfo>

CProgramDoc::CProgramDoc(program::ProgramState& state, UserSettings& settings, QObject* parent)
    : QObject(parent), m_state(state), m_radioTypes(settings), m_document(state, m_radioTypes) {}

std::uint8_t CProgramDoc::SettingsRadioType::load() const {
    return m_settings.radioType();
}

void CProgramDoc::SettingsRadioType::save(std::uint8_t type) {
    m_settings.setRadioType(type);
}

void CProgramDoc::initNew() {
    static const program::BilingualText NewTitle{"Channel Information", "信道信息"};
    m_path.clear();
    m_readAt = QTime();
    m_title = QString::fromStdString(NewTitle.pick(m_state.language));
    m_document.createNew();
    emit tableReloaded();
    emit titleChanged(m_title);
}

std::optional<program::DatFileError> CProgramDoc::load(const QString& path) {
    if (auto error = m_document.open(toFilesystemPath(path)))
        return error;
    setPath(path);
    emit tableReloaded();
    return std::nullopt;
}

std::optional<program::DatFileError> CProgramDoc::save(const QString& path) {
    if (auto error = m_document.save(toFilesystemPath(path)))
        return error;
    setPath(path);
    return std::nullopt;
}

void CProgramDoc::adoptReadImage(const program::CodeplugImage& image, const QTime& readAt) {
    m_document.adoptReadImage(image);
    m_readAt = readAt;
    emit tableReloaded();
}

void CProgramDoc::imageToGrid() {
    m_document.imageToGrid();
    emit tableReloaded();
}

void CProgramDoc::gridToImage() {
    m_document.gridToImage();
}

void CProgramDoc::applyEdit(const QString& stepName, const program::CodeplugImage& edited) {
    if (edited == image())
        return;
    m_document.applyEdit(edited);
    emit imageEdited(stepName);
}

void CProgramDoc::setActive(bool active) {
    m_document.setActive(active);
}

program::BandLimits CProgramDoc::bandLimits() const {
    return m_document.bandLimits();
}

bool CProgramDoc::hasUnsavedChanges() const {
    return m_document.hasUnsavedChanges();
}

QString CProgramDoc::displayName() const {
    if (!m_path.isEmpty())
        return m_path;
    if (m_readAt.isValid())
        return tr("the radio's memory read at %1").arg(m_readAt.toString(QStringLiteral("hh:mm")));
    return tr("a new document");
}

QString CProgramDoc::proposedFileName() const {
    if (!m_path.isEmpty())
        return m_path;
    QString name = QString::fromStdString(m_state.userSettingsName);
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
