#include "model/ProgramDoc.h"

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "model/FilePaths.h"
#include "model/UserSettings.h"

#include "model/ImageMap.h"

#include <QFileInfo>
#include <QUndoStack>

// One step of a document's history: the rows of the channel table and the bytes
// of the image it changed, each with what it was before and after.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(CProgramDoc& doc, const QString& name, std::vector<CProgramDoc::RowChange> rows,
                 std::vector<CProgramDoc::ByteChange> bytes)
        : QUndoCommand(name), m_doc(doc), m_rows(std::move(rows)), m_bytes(std::move(bytes)) {}

    void redo() override { m_doc.applyStep(text(), m_rows, m_bytes, true); }
    void undo() override { m_doc.applyStep(text(), m_rows, m_bytes, false); }

private:
    CProgramDoc& m_doc;
    std::vector<CProgramDoc::RowChange> m_rows;
    std::vector<CProgramDoc::ByteChange> m_bytes;
};

CProgramDoc::CProgramDoc(program::ProgramState& state, UserSettings& settings, QObject* parent)
    : QObject(parent), m_state(state), m_radioTypes(settings), m_document(state, m_radioTypes),
      m_undoStack(new QUndoStack(this)) {}

CProgramDoc::~CProgramDoc() {
    // The history goes with the document without a word: its window, which would
    // hear of it, is already being taken down.
    m_undoStack->blockSignals(true);
}

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
    startHistory();
    emit tableReloaded();
    emit titleChanged(m_title);
}

std::optional<program::DatFileError> CProgramDoc::load(const QString& path) {
    if (auto error = m_document.open(toFilesystemPath(path)))
        return error;
    setPath(path);
    startHistory();
    emit tableReloaded();
    return std::nullopt;
}

std::optional<program::DatFileError> CProgramDoc::save(const QString& path) {
    if (auto error = m_document.save(toFilesystemPath(path)))
        return error;
    setPath(path);
    m_undoStack->setClean();
    return std::nullopt;
}

void CProgramDoc::adoptReadImage(const program::CodeplugImage& image, const QTime& readAt) {
    m_document.adoptReadImage(image);
    m_readAt = readAt;
    startHistory();
    emit tableReloaded();
}

void CProgramDoc::imageToGrid() {
    m_document.imageToGrid();
    startHistory();
    emit tableReloaded();
}

void CProgramDoc::gridToImage() {
    m_document.gridToImage();
}

void CProgramDoc::applyEdit(const QString& stepName, const program::CodeplugImage& edited) {
    // The channel records are the grid's: an editor's copy holds them only as of
    // the last GridToImage, and taking them would undo the grid's later work.
    std::vector<ByteChange> bytes;
    for (std::size_t offset = program::imagemap::ChannelRecords.end();
         offset < program::CodeplugImage::Size; ++offset) {
        const std::uint8_t before = image().at(offset);
        const std::uint8_t after = edited.at(offset);
        if (before != after)
            bytes.push_back({offset, before, after});
    }
    if (!bytes.empty())
        m_undoStack->push(new DocumentStep(*this, stepName, {}, std::move(bytes)));
}

bool CProgramDoc::changeTable(const QString& stepName, const program::ChannelTable& table) {
    std::vector<RowChange> rows;
    for (int row = program::ChannelTable::FirstRow; row <= program::ChannelTable::LastRow; ++row) {
        if (this->table().row(row) != table.row(row))
            rows.push_back({row, this->table().row(row), table.row(row)});
    }
    if (rows.empty())
        return false;
    m_undoStack->push(new DocumentStep(*this, stepName, std::move(rows), {}));
    return true;
}

void CProgramDoc::applyStep(const QString& stepName, const std::vector<RowChange>& rows,
                            const std::vector<ByteChange>& bytes, bool forward) {
    if (!bytes.empty()) {
        program::CodeplugImage changed = image();
        for (const ByteChange& byte : bytes)
            changed.set(byte.offset, forward ? byte.after : byte.before);
        // Through the document, which takes new band limits when their block changes.
        m_document.applyEdit(changed);
        emit imageEdited(stepName);
    }
    if (rows.empty())
        return;
    for (const RowChange& change : rows)
        table().setRow(change.row, forward ? change.after : change.before);
    emit tableRowsChanged(rows.front().row, rows.back().row);
}

void CProgramDoc::startHistory() {
    m_undoStack->clear();
    m_undoStack->setClean();
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
