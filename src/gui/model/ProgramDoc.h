#pragma once

#include "channels/ChannelTable.h"
#include "channels/Document.h"
#include "model/CodeplugImage.h"
#include "model/DatFile.h"

#include <QObject>
#include <QString>
#include <QTime>

#include <functional>
#include <optional>
#include <vector>

namespace program {
struct ProgramState;
}
class QUndoStack;
class UserSettings;

// The window side of one program::Document: its file name and title, the radio
// type kept in the user's settings, and signals for the views.
class CProgramDoc : public QObject {
    Q_OBJECT
public:
    CProgramDoc(program::ProgramState& state, UserSettings& settings, QObject* parent = nullptr);
    ~CProgramDoc() override;

    // A new document: factory defaults, the "AppName" setting proposed as its
    // file name, and the channel table decoded with the new-document values.
    void initNew();
    // Loads a .dat file; on success the table is decoded from it. On failure the
    // document is unchanged.
    std::optional<program::DatFileError> load(const QString& path);
    // Brings the grid into the image and writes the file atomically. The caller
    // commits an open cell editor first.
    std::optional<program::DatFileError> save(const QString& path);
    // Takes the image of a completed read from the radio, finished at `readAt`.
    void adoptReadImage(const program::CodeplugImage& image,
                        const QTime& readAt = QTime::currentTime());

    void imageToGrid();
    void gridToImage();

    // An editor (Optional Features, DTMF, the service dialogs...) finished with
    // `edited`, its working copy of this document's image: the bytes it changed
    // become the document's, as one step of the undo stack named `stepName`
    // ("Optional Features"). Editors own no channel bytes: the channel records of
    // `edited` are not taken, so undoing the step never touches the grid's work.
    void applyEdit(const QString& stepName, const program::CodeplugImage& edited);

    // The channel table becomes `table`, as one step of the undo stack named
    // `stepName` ("Paste"). Only the rows that differ are kept for undo; returns
    // false, and makes no step, when no row differs.
    bool changeTable(const QString& stepName, const program::ChannelTable& table);

    // Every change of the table and every editor's result, to undo and redo. A new
    // document, an open and a read from the radio start it afresh; a save marks
    // where it is as clean. (Whether the document is modified is still the
    // comparison of its bytes with those saved: undoing back to the save point
    // leaves nothing unsaved.)
    QUndoStack* undoStack() const { return m_undoStack; }

    // The document's view commits an edit still open in its grid through this, so
    // that a command on the whole table (an export, an import) sees it. False when
    // the grid refused the edit.
    void setPendingEditCommitter(std::function<bool()> commit) {
        m_commitPendingEdit = std::move(commit);
    }
    bool commitPendingEdit() { return !m_commitPendingEdit || m_commitPendingEdit(); }

    // Whether a save now would write bytes other than those last loaded, saved
    // or read (the grid counts as it stands; commit an open editor first).
    bool hasUnsavedChanges() const;

    // The program's band limits belong to the active document. A document that
    // stops being active keeps the limits it had, so that saving it later writes
    // its own and not another document's; becoming active again brings them back.
    void setActive(bool active);
    // The band limits a save of this document writes.
    program::BandLimits bandLimits() const;

    program::CodeplugImage& image() { return m_document.image(); }
    const program::CodeplugImage& image() const { return m_document.image(); }
    program::ChannelTable& table() { return m_document.table(); }
    const program::ChannelTable& table() const { return m_document.table(); }
    program::ProgramState& state() const { return m_state; }
    // The document as the core holds it, for what runs on it without changing it.
    const program::Document& document() const { return m_document; }

    // Empty until the document was loaded from or saved to a file.
    QString path() const { return m_path; }
    // "Channel Information" for a new document, else the file name.
    QString title() const { return m_title; }
    // What the questions about unsaved changes call the document: its file, or
    // without one what it holds ("the radio's memory read at 14:02", "a new
    // document"); the window title names the window, not the document.
    QString displayName() const;
    // The name the Save As dialog proposes.
    QString proposedFileName() const;

signals:
    // The table was refilled from the image.
    void tableReloaded();
    void titleChanged(const QString& title);
    // An editor changed the image through applyEdit, or such a change was undone
    // or redone.
    void imageEdited(const QString& stepName);
    // Rows first..last (1..129) of the table changed by a step, its undo or redo.
    void tableRowsChanged(int first, int last);

private:
    friend class DocumentStep;
    struct RowChange {
        int row;
        program::ChannelRow before;
        program::ChannelRow after;
    };
    struct ByteChange {
        std::size_t offset;
        std::uint8_t before;
        std::uint8_t after;
    };
    // Applies a step's changes, forward (redo) or backward (undo).
    void applyStep(const QString& stepName, const std::vector<RowChange>& rows,
                   const std::vector<ByteChange>& bytes, bool forward);
    void startHistory();

    // The radio type a new document starts with lives in the user's settings.
    class SettingsRadioType final : public program::RadioTypeStore {
    public:
        explicit SettingsRadioType(UserSettings& settings) : m_settings(settings) {}
        std::uint8_t load() const override;
        void save(std::uint8_t type) override;

    private:
        UserSettings& m_settings;
    };

    void setPath(const QString& path);

    program::ProgramState& m_state;
    SettingsRadioType m_radioTypes;
    program::Document m_document;
    QString m_path;
    QString m_title;
    QTime m_readAt; // of the last read from the radio; invalid before one
    QUndoStack* m_undoStack;
    std::function<bool()> m_commitPendingEdit;
};
