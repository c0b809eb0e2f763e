#include "features/OptionalFeaturesDlg.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"
#include "model/ProgramDoc.h"

#include "ui_OptionalFeaturesDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpressionValidator>

namespace {

using program::ChoiceList;
using program::features::OptionalFeatures;
namespace lists = program::features::optionallists;

// One list of the dialog: its label, control id, entries and the field it shows.
struct ListControl {
    const char* label;
    int id;
    const ChoiceList& (*entries)();
    int OptionalFeatures::*field;
    int helpContext = 0; // when F1 asks for another topic than the id's
};

// In the order the dialog shows them, two to a row.
const ListControl Lists[] = {
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "TOT (s)"), control::OptionalTot, lists::tot,
     &OptionalFeatures::tot},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "TOT Pre-Alert (s)"), control::OptionalTotPreAlert,
     lists::totPreAlert, &OptionalFeatures::totPreAlert, control::OptionalTotPreAlertHelp},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Squelch Level"), control::OptionalSquelchLevel,
     lists::squelchLevel, &OptionalFeatures::squelchLevel},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Vox Gain Level"), control::OptionalVoxGain,
     lists::voxGain, &OptionalFeatures::voxGain},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Step (k)"), control::OptionalStep, lists::step,
     &OptionalFeatures::step},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Scan Mode"), control::OptionalScanMode,
     lists::scanMode, &OptionalFeatures::scanMode},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Priority Channel"),
     control::OptionalPriorityChannel, lists::priorityChannel, &OptionalFeatures::priorityChannel},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Display Mode"), control::OptionalDisplayMode,
     lists::displayMode, &OptionalFeatures::displayMode},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Back Light"), control::OptionalBackLight,
     lists::backLight, &OptionalFeatures::backLight},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Back Light Color"), control::OptionalBackLightColor,
     lists::backLightColor, &OptionalFeatures::backLightColor},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Power-on Style"), control::OptionalPowerOnStyle,
     lists::powerOnStyle, &OptionalFeatures::powerOnStyle},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Beep"), control::OptionalBeep, lists::beep,
     &OptionalFeatures::beep},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Stopwatch"), control::OptionalStopwatch,
     lists::beep, &OptionalFeatures::stopwatch, control::OptionalStopwatchHelp},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Battery Saver"), control::OptionalBatterySaver,
     lists::beep, &OptionalFeatures::batterySaver, control::OptionalBatterySaverHelp},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Tail"), control::OptionalTail, lists::tail,
     &OptionalFeatures::tail, control::OptionalTailHelp},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Key Lock"), control::OptionalKeyLock,
     lists::keyLock, &OptionalFeatures::keyLock},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Short Press Orange Key"),
     control::OptionalOrangeKey, lists::orangeKey, &OptionalFeatures::orangeKey},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "STR Set"), control::OptionalStrSet, lists::strSet,
     &OptionalFeatures::strSet},
    {QT_TRANSLATE_NOOP("COptionalFeaturesDlg", "Allow Reset"), control::OptionalAllowReset,
     lists::allowReset, &OptionalFeatures::allowReset},
};

constexpr int PairsPerRow = 2;

} // namespace

COptionalFeaturesDlg::COptionalFeaturesDlg(const OptionalFeatures& values,
                                           program::Language language, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::COptionalFeaturesDlg>()), m_values(values) {
    m_ui->setupUi(this);
    int at = 0;
    for (const ListControl& control : Lists) {
        auto* label = new QLabel(tr(control.label), this);
        auto* box = new QComboBox(this);
        label->setBuddy(box);
        box->setObjectName(QStringLiteral("list%1").arg(control.id));
        helpproperty::setControlId(box, control.id);
        if (control.helpContext != 0)
            helpproperty::setContext(box, control.helpContext);
        for (const auto& entry : control.entries())
            box->addItem(QString::fromStdString(entry.pick(language)));
        box->setCurrentIndex(values.*control.field);
        const int row = at / PairsPerRow;
        const int column = at % PairsPerRow * 2;
        m_ui->fieldsLayout->addWidget(label, row, column);
        m_ui->fieldsLayout->addWidget(box, row, column + 1);
        ++at;
    }
    // The radio keys digits only, and at most six of them.
    m_ui->passwordEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(program::features::PasswordLength)),
        m_ui->passwordEdit));
    m_ui->passwordEdit->setText(QString::fromStdString(values.password));
}

COptionalFeaturesDlg::~COptionalFeaturesDlg() = default;

void COptionalFeaturesDlg::edit(CProgramDoc& doc, QWidget* parent) {
    COptionalFeaturesDlg dialog(program::features::loadOptionalFeatures(doc.image()),
                                doc.state().language, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    program::CodeplugImage edited = doc.image();
    program::features::storeOptionalFeatures(dialog.values(), edited);
    doc.applyEdit(dialog.windowTitle(), edited);
}

OptionalFeatures COptionalFeaturesDlg::values() const {
    OptionalFeatures values = m_values;
    for (const ListControl& control : Lists)
        values.*control.field = list(control.id)->currentIndex();
    values.password = m_ui->passwordEdit->text().toStdString();
    return values;
}

QComboBox* COptionalFeaturesDlg::list(int controlId) const {
    return findChild<QComboBox*>(QStringLiteral("list%1").arg(controlId));
}

QLineEdit* COptionalFeaturesDlg::passwordEdit() const {
    return m_ui->passwordEdit;
}
