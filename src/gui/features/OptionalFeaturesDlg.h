#pragma once

#include "app/ProgramState.h"
#include "features/OptionalFeatures.h"

#include <QDialog>

#include <memory>

class CProgramDoc;
class QComboBox;
class QLineEdit;
namespace Ui {
class COptionalFeaturesDlg;
}

// Edit > Optional Features: time-out timer, squelch, VOX, step, scan, display, back
// light, keys and the radio password. Shows the values it is given and hands back
// what the user chose; the three fields that have no control here (MSK type,
// keypad lock, repeater MSK inversion) come back as they were given.
class COptionalFeaturesDlg : public QDialog {
    Q_OBJECT
public:
    COptionalFeaturesDlg(const program::features::OptionalFeatures& values,
                         program::Language language, QWidget* parent = nullptr);
    ~COptionalFeaturesDlg() override;

    // Opens the dialog on the document's image; OK makes the change one step of
    // the document.
    static void edit(CProgramDoc& doc, QWidget* parent);

    program::features::OptionalFeatures values() const;

    // The list with the control id given, or null.
    QComboBox* list(int controlId) const;
    QLineEdit* passwordEdit() const;

private:
    std::unique_ptr<Ui::COptionalFeaturesDlg> m_ui;
    program::features::OptionalFeatures m_values;
};
