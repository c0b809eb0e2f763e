#pragma once

#include "channels/ChannelTable.h"
#include "model/CodeplugImage.h"
#include "model/DatFile.h"

#include <QObject>
#include <QString>

#include <optional>

namespace program {
struct ProgramState;
}
class UserSettings;

// One codeplug image and the channel table texts the grid edits. The grid texts
// are the working copy of the channels: gridToImage() brings them into the image
// before a save or a write, imageToGrid() refills them after a new document, an
// open and a read from the radio.
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
    // Takes the image of a completed read from the radio.
    void adoptReadImage(const program::CodeplugImage& image);

    void imageToGrid();
    void gridToImage();

    // Whether a save now would write bytes other than those last loaded, saved
    // or read (the grid counts as it stands; commit an open editor first).
    bool hasUnsavedChanges() const;

    // The program's band limits belong to the active document. A document that
    // stops being active keeps the limits it had, so that saving it later writes
    // its own and not another document's; becoming active again brings them back.
    void setActive(bool active);
    // The band limits a save of this document writes.
    program::BandLimits bandLimits() const;

    program::CodeplugImage& image() { return m_image; }
    const program::CodeplugImage& image() const { return m_image; }
    program::ChannelTable& table() { return m_table; }
    const program::ChannelTable& table() const { return m_table; }
    program::ProgramState& state() const { return m_state; }

    // Empty until the document was loaded from or saved to a file.
    QString path() const { return m_path; }
    // "Channel Information" for a new document, else the file name.
    QString title() const { return m_title; }
    // The name the Save As dialog proposes.
    QString proposedFileName() const;

signals:
    // The table was refilled from the image.
    void tableReloaded();
    void titleChanged(const QString& title);

private:
    program::CodeplugImage savedForm() const;
    void encodeInto(program::CodeplugImage& image) const;
    void markSaved();
    void setPath(const QString& path);

    program::ProgramState& m_state;
    UserSettings& m_settings;
    program::CodeplugImage m_image;
    program::ChannelTable m_table;
    program::CodeplugImage m_saved; // what a save right after load/save/read would write
    std::optional<program::BandLimits> m_ownBandLimits; // kept while not active
    QString m_path;
    QString m_title;
};
