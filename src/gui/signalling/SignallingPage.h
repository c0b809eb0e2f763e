#pragma once

#include "model/CodeplugImage.h"
#include "signalling/TwoTone.h"

#include <QWidget>

class QTabWidget;
class QTableWidget;
class SpinEdit;

// A page of a tabbed signalling dialog (DTMF, 2-Tone). While it is shown its
// controls hold the working values; once it has been hidden the image holds them.
class SignallingPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual void load(const program::CodeplugImage& image) = 0;
    virtual void store(program::CodeplugImage& image) = 0;
};

// The tab switches of a tabbed editor: the page being hidden stores into the
// image, the page being shown loads from it. The dialog loads the page shown at
// opening and stores the page shown when it closes.
class PageTabs : public QObject {
    Q_OBJECT
public:
    PageTabs(QTabWidget* tabs, program::CodeplugImage& image);

    void loadCurrent();
    void storeCurrent();

private:
    SignallingPage* page(int index) const;
    void switchTo(int index);

    QTabWidget* m_tabs;
    program::CodeplugImage& m_image;
    int m_shown = -1;
};

// The signalling dialogs' small grids: rows numbered from 1 under the heading
// `numberHeader` (the grid's corner), an empty item in every cell, headers in
// the program's fixed-cell colour, everything centred.
void setUpNumberedGrid(QTableWidget* grid, int rows, const QString& numberHeader);

// An edit with a spin button following one of the 2-Tone rules.
void setTwoToneRules(SpinEdit* edit, program::signalling::TwoToneEdit kind, int maxLength);

inline QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}
