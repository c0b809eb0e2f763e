#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"
#include "model/ImageMap.h"

#include <QDialog>

#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;

// The active document's 4096 bytes, 16 to a row with the offset in front and the
// characters after, each byte coloured by its region; the line beneath names the
// region and its editor for the byte under the mouse or the text cursor.
// Read-only. Bytes a Differences window lists are marked.
class MemoryMapWindow : public QDialog {
    Q_OBJECT
public:
    explicit MemoryMapWindow(QWidget* parent = nullptr);

    void showImage(const program::CodeplugImage& image, program::Language language);
    void setMarked(std::vector<program::imagemap::Region> runs);

    // The byte a position of the text stands for, if any (its hex digits or its character).
    static std::optional<std::size_t> byteAt(int line, int column);
    // What the line beneath says of a byte.
    QString describeByte(std::size_t offset) const;

    QPlainTextEdit* view() const { return m_view; }
    QLabel* regionLabel() const { return m_region; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw();
    void showByteAtCursor();

    QPlainTextEdit* m_view;
    QLabel* m_region;
    program::CodeplugImage m_image;
    program::Language m_language = program::Language::English;
    std::vector<program::imagemap::Region> m_marked;
};
