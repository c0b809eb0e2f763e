#include "service/ParamAdjustDlg.h"

#include "app/ProgramState.h"
#include "common/ControlIds.h"
#include "link/BlockPlan.h"
#include "service/TuningEntry.h"
#include "service/TuningGrid.h"

#include "ui_ParamAdjustDlg.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

using program::service::ParameterAdjust;

namespace {
constexpr int ColumnTwips = 1000;
} // namespace

ParamAdjustDlg::ParamAdjustDlg(const program::CodeplugImage& image,
                               const program::ProgramState& state, ServicePort port,
                               QWidget* parent)
    : ServiceDialog(image, state, std::move(port), parent),
      m_ui(std::make_unique<Ui::ParamAdjustDlg>()) {
    m_ui->setupUi(this);
    m_numberLists = {m_ui->micInputGainAnaCombo,  m_ui->micInputGainDigitCombo,
                     m_ui->micAmpGainCombo,       m_ui->maxAmpOffsetCombo,
                     m_ui->toneAmpOffsetAnaCombo, m_ui->toneAmpOffsetDigitCombo};
    const auto& numbers = program::service::parameterNumbers();
    for (int n = 0; n < m_numberLists.size(); ++n)
        for (int value = numbers[n].minimum; value <= numbers[n].maximum; ++value)
            m_numberLists[n]->addItem(QString::number(value));
    for (QComboBox* list : {m_ui->vNarrowSqlDifferenceCombo, m_ui->uNarrowSqlDifferenceCombo})
        for (int value = program::service::DifferenceMinimum;
             value <= program::service::DifferenceMaximum; ++value)
            list->addItem(QString::number(value));

    const program::Language language = state.language;
    auto text = [language](const program::BilingualText& t) {
        return QString::fromStdString(t.pick(language));
    };
    QStringList rows;
    for (int row = 0; row < ParameterAdjust::DetectRows; ++row)
        rows << text(program::service::detectRowLabel(row));
    QStringList headers{QString()};
    for (int column = 0; column < ParameterAdjust::DetectColumns; ++column)
        headers << text(program::service::detectColumnLabel(column));
    m_cellEditor =
        tuninggrid::setUp(m_ui->grid, rows, headers, ColumnTwips, ColumnTwips,
                          servicecontrol::DetectCellEdit, servicecontrol::DetectCellEditHelp);
    // The edit and the drop-down of a list one can type into are named by its label.
    for (const QLabel* label : findChildren<QLabel*>()) {
        auto* list = qobject_cast<QComboBox*>(label->buddy());
        if (list && list->isEditable()) {
            const QString name = label->text().remove(QLatin1Char('&'));
            list->lineEdit()->setAccessibleName(name);
            list->view()->setAccessibleName(name);
        }
    }

    connect(m_ui->readButton, &QPushButton::clicked, this, [this] {
        readFromRadio(ServiceRunner::Profile::Strict, program::BlockPlan::parameterAdjust());
    });
    connect(m_ui->writeButton, &QPushButton::clicked, this, [this] {
        storeAndWrite(ServiceRunner::Profile::Strict, program::BlockPlan::parameterAdjust());
    });
    loadControls();
}

ParamAdjustDlg::~ParamAdjustDlg() = default;

QList<QComboBox*> ParamAdjustDlg::lists() const {
    return m_numberLists +
           QList<QComboBox*>{m_ui->vNarrowSqlDifferenceCombo, m_ui->uNarrowSqlDifferenceCombo};
}
QTableWidget* ParamAdjustDlg::grid() const {
    return m_ui->grid;
}
QPushButton* ParamAdjustDlg::readButton() const {
    return m_ui->readButton;
}
QPushButton* ParamAdjustDlg::writeButton() const {
    return m_ui->writeButton;
}

void ParamAdjustDlg::loadControls() {
    m_loaded = program::service::loadParameterAdjust(image());
    display(m_loaded);
}

void ParamAdjustDlg::storeControls(program::CodeplugImage& image) {
    // Typed numbers outside their lists show the new document's values from now on.
    const ParameterAdjust values = program::service::normalisedParameters(controlValues());
    display(values);
    program::service::storeParameterAdjust(values, image);
}

ParameterAdjust ParamAdjustDlg::controlValues() const {
    m_cellEditor->commit();
    ParameterAdjust values = m_loaded;
    const auto& numbers = program::service::parameterNumbers();
    for (int n = 0; n < m_numberLists.size(); ++n)
        values.*numbers[n].value =
            program::service::leadingNumber(m_numberLists[n]->currentText().toStdString());
    auto difference = [](const QComboBox* list) {
        return list->currentIndex() < 0
                   ? program::service::EmptyDifference
                   : program::service::DifferenceMinimum + list->currentIndex();
    };
    values.vNarrowSqlDifference = difference(m_ui->vNarrowSqlDifferenceCombo);
    values.uNarrowSqlDifference = difference(m_ui->uNarrowSqlDifferenceCombo);
    for (int row = 0; row < ParameterAdjust::DetectRows; ++row)
        for (int column = 0; column < ParameterAdjust::DetectColumns; ++column)
            values.sqlDetect[row][column] = tuninggrid::value(m_ui->grid, row, column + 1);
    return values;
}

void ParamAdjustDlg::display(const ParameterAdjust& values) {
    const auto& numbers = program::service::parameterNumbers();
    for (int n = 0; n < m_numberLists.size(); ++n) {
        QComboBox* list = m_numberLists[n];
        list->setCurrentIndex(values.*numbers[n].value - numbers[n].minimum);
        list->setEditText(list->itemText(list->currentIndex())); // over a typed number
    }
    m_ui->vNarrowSqlDifferenceCombo->setCurrentIndex(values.vNarrowSqlDifference -
                                                     program::service::DifferenceMinimum);
    m_ui->uNarrowSqlDifferenceCombo->setCurrentIndex(values.uNarrowSqlDifference -
                                                     program::service::DifferenceMinimum);
    for (int row = 0; row < ParameterAdjust::DetectRows; ++row)
        for (int column = 0; column < ParameterAdjust::DetectColumns; ++column)
            tuninggrid::setValue(m_ui->grid, row, column + 1, values.sqlDetect[row][column]);
}
