#pragma once

#include "print/PrintLayout.h"

#include <QFont>

#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// Draws the pages of a print job on a printer, in a print preview or into a PDF.
// The page's origin is the top left of the printable rectangle, as a painter on a
// printer or a PDF writer has it, and the device's resolution turns twips into its
// pixels.
class PageRenderer {
public:
    explicit PageRenderer(const QPaintDevice& device);

    // The printable rectangle in twips, and the line heights of the two fonts as
    // this device measures them.
    program::print::PageArea area() const { return m_area; }
    program::print::LineHeights lineHeights() const { return m_lines; }
    QFont font(program::print::FontRole role) const;

    void draw(QPainter& painter, const program::print::Page& page) const;

    // Lays out and draws pages `from` to `to` (1-based) of the job, starting a new
    // sheet between pages.
    static void print(const program::print::PrintJob& job, QPainter& painter,
                      QPagedPaintDevice& device, int from, int to);

    // The families asked for, in order: the face the listing is set in, a free
    // face with the same measures, and a Chinese face for what those two lack.
    static QStringList families();

private:
    QFont makeFont(program::print::FontRole role) const;
    double xPixels(int twips) const;
    double yPixels(int twips) const;

    const QPaintDevice& m_device;
    double m_dpiX;
    double m_dpiY;
    program::print::PageArea m_area;
    QFont m_title;
    QFont m_body;
    program::print::LineHeights m_lines;
};
