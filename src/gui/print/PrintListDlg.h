#pragma once

#include "print/PrintLayout.h"

#include <QDialog>

#include <memory>
#include <optional>

class QCheckBox;
namespace Ui {
class PrintListDlg;
}

// PrintList: which sections of the listing to print. It opens with Optional and
// Channel Info checked; OK hands the checks on, Cancel prints nothing.
class PrintListDlg : public QDialog {
    Q_OBJECT
public:
    explicit PrintListDlg(QWidget* parent = nullptr);
    ~PrintListDlg() override;

    program::print::Selection selection() const;
    QCheckBox* checkBox(program::print::Section section) const;

    // Runs the dialog; the sections chosen, or nothing when it was cancelled.
    static std::optional<program::print::Selection> ask(QWidget* parent);

private:
    void checkAll(bool on);

    std::unique_ptr<Ui::PrintListDlg> m_ui;
};
