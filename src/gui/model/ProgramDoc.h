#pragma once

#include "channels/ChannelTable.h"
#include "channels/Document.h"
#include "model/CodeplugImage.h"
#include "model/DatFile.h"

#include <QObject>
#include <QString>
#include <QTime>

#include <optional>

namespace program {
struct ProgramState;
}
class UserSettings;

// The window side of one program::Document: its file name and title, the radio
// type kept in the user's settings, and signals for the views.
class CProgramDoc : public QObject {
    Q_OBJECT
public:
    CProgramDoc(program::ProgramState& state, UserSettings& settings, QObject* parent = nullptr);

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
    // become the document's. `stepName` names the change for the user ("Optional
    // Features"). Editors own no channel bytes, so the grid is not refilled.
    void applyEdit(const QString& stepName, const program::CodeplugImage& edited);

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
    // An editor changed the image through applyEdit.
    void imageEdited(const QString& stepName);

private:
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
};
