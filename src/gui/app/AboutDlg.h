#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDlg;
}

// The About box: its caption and three lines come from the language section of
// Program.ini, the picture from "title.ico" beside the program; a last line says
// which Program.ini that is.
class AboutDlg : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        QString title;           // "About Title"
        QString version;         // "Version"
        QString copyrights;      // "Copyrights"
        QString copyrightsOwner; // "Copyrights Owner"
        QString settingsFile;    // the Program.ini in use; no line when empty
    };

    AboutDlg(const Texts& texts, const QString& iconFile, QWidget* parent);
    ~AboutDlg() override;

private:
    std::unique_ptr<Ui::AboutDlg> m_ui;
};
