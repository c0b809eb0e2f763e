#include "service/SqlTuningDlg.h"

#include "common/ControlIds.h"
#include "link/BlockPlan.h"
#include "service/TuningGrid.h"

#include "ui_SqlTuningDlg.h"

#include <QTableWidget>

using program::service::SquelchTuning;

namespace {
constexpr int LabelTwips = 800;
constexpr int ValueTwips = 1600;
constexpr int ValueColumn = 1;
} // namespace

SqlTuningDlg::SqlTuningDlg(const program::CodeplugImage& image, const program::ProgramState& state,
                           ServicePort port, QWidget* parent)
    : ServiceDialog(image, state, std::move(port), parent),
      m_ui(std::make_unique<Ui::SqlTuningDlg>()) {
    m_ui->setupUi(this);
    QStringList labels;
    for (int row = 0; row < SquelchTuning::RowCount; ++row)
        labels << QString::fromStdString(program::service::squelchRowLabel(row));
    // The grid's own texts are the same in both languages.
    m_cellEditor =
        tuninggrid::setUp(m_ui->grid, labels, {QString(), QStringLiteral("Sql (5 - 100)")},
                          LabelTwips, ValueTwips, servicecontrol::SqlCellEdit);

    connect(m_ui->readButton, &QPushButton::clicked, this, [this] {
        readFromRadio(ServiceRunner::Profile::Strict, program::BlockPlan::squelchTuning());
    });
    connect(m_ui->writeButton, &QPushButton::clicked, this, [this] {
        storeAndWrite(ServiceRunner::Profile::Strict, program::BlockPlan::squelchTuning());
    });
    connect(m_ui->plusOneButton, &QPushButton::clicked, this,
            [this] { display(program::service::raisedByOne(gridValues())); });
    connect(m_ui->minusOneButton, &QPushButton::clicked, this,
            [this] { display(program::service::loweredByOne(gridValues())); });
    loadControls();
}

SqlTuningDlg::~SqlTuningDlg() = default;

QTableWidget* SqlTuningDlg::grid() const {
    return m_ui->grid;
}
QPushButton* SqlTuningDlg::readButton() const {
    return m_ui->readButton;
}
QPushButton* SqlTuningDlg::writeButton() const {
    return m_ui->writeButton;
}
QPushButton* SqlTuningDlg::plusOneButton() const {
    return m_ui->plusOneButton;
}
QPushButton* SqlTuningDlg::minusOneButton() const {
    return m_ui->minusOneButton;
}

void SqlTuningDlg::loadControls() {
    display(program::service::loadSquelchTuning(image()));
}

void SqlTuningDlg::storeControls(program::CodeplugImage& image) {
    program::service::storeSquelchTuning(gridValues(), image);
}

SquelchTuning SqlTuningDlg::gridValues() const {
    m_cellEditor->commit();
    SquelchTuning values;
    for (int row = 0; row < SquelchTuning::RowCount; ++row)
        values.values[row] = tuninggrid::value(m_ui->grid, row, ValueColumn);
    return values;
}

void SqlTuningDlg::display(const SquelchTuning& values) {
    for (int row = 0; row < SquelchTuning::RowCount; ++row)
        tuninggrid::setValue(m_ui->grid, row, ValueColumn, values.values[row]);
}
