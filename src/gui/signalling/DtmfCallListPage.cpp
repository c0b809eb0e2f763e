#include "signalling/DtmfCallListPage.h"

#include "common/ControlIds.h"
#include "common/GridCellEditor.h"
#include "signalling/Dtmf.h"
#include "signalling/KeyFilter.h"

#include "ui_DtmfCallListPage.h"

using namespace program::signalling;

CDtmfCallListPage::CDtmfCallListPage(QWidget* parent)
    : SignallingPage(parent), m_ui(std::make_unique<Ui::CDtmfCallListPage>()) {
    m_ui->setupUi(this);
    QTableWidget* grid = m_ui->callList;
    setUpNumberedGrid(grid, int(DtmfCallList::EntryCount), tr("Num"));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    for (int row = 0; row < grid->rowCount(); ++row)
        grid->item(row, 0)->setFont(courier);
    m_cellEditor = new GridCellEditor(grid, {.maxLength = int(DtmfCallList::EntryLength),
                                             .allowed = QStringLiteral("0-9A-D*#"),
                                             .editControlId = dtmfcontrol::CallListCellEdit,
                                             .editHelpContext = dtmfcontrol::CallListCellEditHelp});
    new KeyFilter(KeyFilter::Rule::DtmfCallList, this);
}

CDtmfCallListPage::~CDtmfCallListPage() = default;

void CDtmfCallListPage::load(const program::CodeplugImage& image) {
    const DtmfCallList values = loadDtmfCallList(image);
    for (std::size_t n = 0; n < DtmfCallList::EntryCount; ++n)
        m_ui->callList->item(int(n), 0)->setText(fromStd(values.calls[n]));
}

void CDtmfCallListPage::store(program::CodeplugImage& image) {
    m_cellEditor->commit();
    DtmfCallList values;
    for (std::size_t n = 0; n < DtmfCallList::EntryCount; ++n)
        values.calls[n] = m_ui->callList->item(int(n), 0)->text().toStdString();
    storeDtmfCallList(values, image);
}
