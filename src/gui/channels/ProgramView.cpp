#include "channels/ProgramView.h"

#include "app/ProgramState.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelTableModel.h"
#include "channels/FindBar.h"
#include "channels/GridOperations.h"
#include "common/CommandIds.h"
#include "link/PortSettingDlg.h"
#include "model/ProgramDoc.h"
#include "model/UserSettings.h"

#include <QApplication>
#include <QMenu>
#include <QVBoxLayout>

CProgramView::CProgramView(CProgramDoc& doc, UserSettings& settings,
                           program::PortOverrides portOverrides, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings), m_model(new ChannelTableModel(doc, this)),
      m_grid(new ChannelGrid(m_model, doc.state().language, this)),
      m_transfer(new TransferRunner(doc, std::move(portOverrides), this)),
      m_operations(new GridOperations(*m_grid, doc, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);

    // Each view picks up the port chosen last, by this user, in any run.
    doc.state().portNumber = SettingsPortNumberStore(m_settings).load();

    m_transfer->setCommitEditor([this] { commitOpenEditor(); });
    m_transfer->setUserSettings(&m_settings);
    doc.setPendingEditCommitter([this] { return commitOpenEditor(); });
    connect(m_grid, &ChannelGrid::commandWanted, this, [this](int id) { handleCommand(id); });
    connect(m_grid, &ChannelGrid::contextMenuWanted, this, [this](const QPoint& at) {
        QMenu* menu = m_operations->makeContextMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    });
    connect(m_transfer, &TransferRunner::statusMessage, this, &CProgramView::statusMessage);
    connect(m_transfer, &TransferRunner::radioCompared, this,
            [this](const program::CodeplugImage& radio) {
                if (m_compared)
                    m_compared(radio);
            });
    connect(m_transfer, &TransferRunner::runningChanged, this, [this](bool running) {
        m_grid->setEnabled(!running);
        emit transferRunningChanged(running);
    });
}

CProgramView::~CProgramView() {
    m_doc.setPendingEditCommitter({});
}

bool CProgramView::handleCommand(int id) {
    switch (id) {
    case command::Read:
        m_transfer->open(Direction::Read);
        return true;
    case command::Write:
        if (!transferRunning()) {
            commitOpenEditor();
            m_transfer->open(Direction::Write);
        }
        return true;
    case command::ComSetup:
        if (!transferRunning())
            CPortSettingDlg(m_doc.state(), m_settings, m_transfer->portOverrides(), this).exec();
        return true;
    case command::Find:
    case command::FindNext:
    case command::FindPrevious:
        if (!transferRunning())
            find(id);
        return true;
    default:
        if (GridOperations::handles(id)) {
            if (!transferRunning())
                m_operations->run(id);
            return true;
        }
        return false;
    }
}

// The find bar above the grid is made at the first Find, so a start does not
// pay for it.
FindBar* CProgramView::findBar() {
    if (m_findBar)
        return m_findBar;
    m_findBar = new FindBar(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, m_findBar);
    m_findBar->hide();
    connect(m_findBar, &FindBar::textEdited, this, [this](const QString& text) {
        const auto found = m_operations->find(text, true, true);
        m_findBar->showResult(found.position, found.count);
    });
    connect(m_findBar, &FindBar::stepWanted, this,
            [this](bool forward) { find(forward ? command::FindNext : command::FindPrevious); });
    connect(m_findBar, &FindBar::closed, m_grid, [this] { m_grid->setFocus(); });
    return m_findBar;
}

void CProgramView::find(int id) {
    findBar();
    if (id == command::Find || m_findBar->text().isEmpty()) {
        m_findBar->open();
        return;
    }
    const auto found = m_operations->find(m_findBar->text(), id != command::FindPrevious, false);
    m_findBar->showResult(found.position, found.count);
    if (found.count == 0)
        QApplication::beep();
}

void CProgramView::setMarkDuplicates(bool mark) {
    m_model->setMarkDuplicates(mark);
}

void CProgramView::compareWithRadio(std::function<void(const program::CodeplugImage&)> compared) {
    if (transferRunning())
        return;
    m_compared = std::move(compared);
    m_transfer->open(Direction::Compare);
}

void CProgramView::selectCell(int row, int column) {
    const QModelIndex cell = m_grid->model()->index(row - 1, column - 1);
    if (!cell.isValid())
        return;
    m_grid->setCurrentIndex(cell);
    m_grid->scrollTo(cell);
    m_grid->setFocus();
}

void CProgramView::hideEvent(QHideEvent* event) {
    // A hidden document cannot be the one a waiting Read or Write works on.
    m_transfer->closeWaiting();
    QWidget::hideEvent(event);
}

bool CProgramView::commitOpenEditor() {
    return m_grid->commitOpenEditor();
}

void CProgramView::bringImageUpToDate() {
    commitOpenEditor();
    m_doc.gridToImage();
}
