#include "link/ConnectionCheckDlg.h"

#include "app/ProgramState.h"
#include "link/PosixSerialLink.h"
#include "link/diagnosis/DiagnosticReport.h"
#include "ui_ConnectionCheckDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

#ifndef PROGRAM_VERSION
#define PROGRAM_VERSION "unknown"
#endif

namespace diagnosis = program::diagnosis;

namespace {

program::LinkFactory orSerialPort(program::LinkFactory factory) {
    if (factory)
        return factory;
    return [] { return std::make_unique<program::PosixSerialLink>(); };
}

QStyle::StandardPixmap iconFor(diagnosis::Verdict verdict) {
    switch (verdict) {
    case diagnosis::Verdict::Passed:
        return QStyle::SP_DialogApplyButton;
    case diagnosis::Verdict::Problem:
        return QStyle::SP_MessageBoxWarning;
    case diagnosis::Verdict::NotApplicable:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// Rows as tall as their text wrapped at the column's width: a tree view sizes rows for
// one line otherwise, and long findings would be cut.
class WrappingDelegate final : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeWidget* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        int depth = 1;
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
            ++depth;
        QStyleOptionViewItem wrapped(option);
        // The style wraps only within a valid rectangle: any height will do.
        wrapped.rect =
            QRect(0, 0, std::max(80, m_tree->columnWidth(0) - m_tree->indentation() * depth), 1);
        return QStyledItemDelegate::sizeHint(wrapped, index);
    }

private:
    QTreeWidget* m_tree;
};

// Waits for `done` while the windows keep painting.
void waitFor(const std::atomic<bool>& done) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done)
            loop.quit();
    });
    poll.start(20);
    if (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CConnectionCheckDlg::CConnectionCheckDlg(const program::ProgramState& state,
                                         program::PortOverrides overrides,
                                         const std::string& device,
                                         program::LinkFactory linkFactory, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CConnectionCheckDlg>()), m_state(state),
      m_overrides(std::move(overrides)), m_linkFactory(orSerialPort(std::move(linkFactory))) {
    m_ui->setupUi(this);
    // Long findings and fixes wrap at the width of the window instead of being cut.
    QTreeWidget* tree = m_ui->findingsTree;
    tree->header()->setSectionResizeMode(QHeaderView::Stretch);
    tree->setTextElideMode(Qt::ElideNone);
    tree->setItemDelegate(new WrappingDelegate(tree));
    connect(
        tree->header(), &QHeaderView::sectionResized, tree, [tree] { tree->doItemsLayout(); },
        Qt::QueuedConnection);
    // The list has no header to name it; its label does, as the screen reader reads it.
    m_ui->findingsTree->setAccessibleName(m_ui->findingsLabel->text().remove(QLatin1Char('&')));
    fillPortList(device);
    connect(m_ui->checkAgainButton, &QPushButton::clicked, this, &CConnectionCheckDlg::startCheck);
    // Another port chosen is checked at once (once the running check has ended, Check
    // Again does it).
    connect(m_ui->portList, &QComboBox::currentIndexChanged, this,
            &CConnectionCheckDlg::startCheck);
    connect(m_ui->copyReportButton, &QPushButton::clicked, this, &CConnectionCheckDlg::copyReport);
    startCheck();
}

CConnectionCheckDlg::~CConnectionCheckDlg() {
    if (m_host)
        m_host->requestStop();
    if (m_worker.joinable())
        m_worker.join();
}

QComboBox* CConnectionCheckDlg::portList() const {
    return m_ui->portList;
}
QTreeWidget* CConnectionCheckDlg::findingsTree() const {
    return m_ui->findingsTree;
}
QAbstractButton* CConnectionCheckDlg::checkAgainButton() const {
    return m_ui->checkAgainButton;
}
QAbstractButton* CConnectionCheckDlg::copyReportButton() const {
    return m_ui->copyReportButton;
}
QLabel* CConnectionCheckDlg::statusLabel() const {
    return m_ui->statusLabel;
}

QString CConnectionCheckDlg::pick(const program::BilingualText& text) const {
    return QString::fromStdString(text.pick(m_state.language));
}

// The port asked for first, then every USB serial port, then all of them at once.
void CConnectionCheckDlg::fillPortList(const std::string& device) {
    const diagnosis::SystemView system = diagnosis::SystemView::live();
    std::vector<std::string> devices;
    if (!device.empty())
        devices.push_back(device);
    for (const std::string& port : diagnosis::usbSerialPorts(system)) {
        if (port != device)
            devices.push_back(port);
    }
    for (const std::string& port : devices) {
        const auto facts = diagnosis::deviceFacts(system, port, m_overrides);
        m_ui->portList->addItem(QString::fromStdString(diagnosis::portTitle(facts)),
                                QString::fromStdString(port));
    }
    m_ui->portList->addItem(tr("All USB serial ports"), QString());
}

void CConnectionCheckDlg::startCheck() {
    if (running())
        return;
    m_ui->findingsTree->clear();
    m_portItem = nullptr;
    m_ports.clear();
    m_noPort.reset();
    m_ui->checkAgainButton->setEnabled(false);
    m_ui->copyReportButton->setEnabled(false);
    m_ui->statusLabel->setText(tr("Checking..."));

    const std::string chosen = m_ui->portList->currentData().toString().toStdString();
    m_host = std::make_shared<diagnosis::ProbeHost>();
    m_workerDone = false;
    // The worker has copies of everything it reads; what it finds comes back as queued
    // calls, dropped if the dialog is gone by then.
    m_worker = std::thread(
        [this, chosen, host = m_host, overrides = m_overrides, factory = m_linkFactory] {
            const diagnosis::SystemView system = diagnosis::SystemView::live();
            std::vector<std::string> devices{chosen};
            std::optional<diagnosis::Check> noPort;
            if (chosen.empty()) {
                devices = diagnosis::usbSerialPorts(system);
                noPort = diagnosis::noUsbPortCheck(system);
            }
            if (noPort)
                QMetaObject::invokeMethod(
                    this, [this, check = *noPort] { addCheck(check); }, Qt::QueuedConnection);
            std::vector<diagnosis::PortDiagnosis> ports;
            for (const std::string& device : devices) {
                if (host->stopRequested())
                    break;
                const auto facts = diagnosis::deviceFacts(system, device, overrides);
                const QString title = QString::fromStdString(diagnosis::portTitle(facts));
                QMetaObject::invokeMethod(
                    this, [this, title] { beginPort(title); }, Qt::QueuedConnection);
                const std::unique_ptr<program::SerialLink> link = factory();
                ports.push_back(diagnosis::checkPort(
                    system, *link, *host, device, overrides, [this](const diagnosis::Check& check) {
                        QMetaObject::invokeMethod(
                            this, [this, check] { addCheck(check); }, Qt::QueuedConnection);
                    }));
            }
            QMetaObject::invokeMethod(
                this,
                [this, ports = std::move(ports), noPort]() mutable {
                    finishCheck(std::move(ports), noPort);
                },
                Qt::QueuedConnection);
            m_workerDone = true;
        });
}

void CConnectionCheckDlg::beginPort(const QString& title) {
    m_portItem = new QTreeWidgetItem(m_ui->findingsTree, {title});
    QFont bold = m_portItem->font(0);
    bold.setBold(true);
    m_portItem->setFont(0, bold);
    m_portItem->setExpanded(true);
}

void CConnectionCheckDlg::addCheck(const diagnosis::Check& check) {
    auto* row = m_portItem ? new QTreeWidgetItem(m_portItem, {pick(check.finding)})
                           : new QTreeWidgetItem(m_ui->findingsTree, {pick(check.finding)});
    row->setIcon(0, style()->standardIcon(iconFor(check.verdict)));
    const QString verdict = check.verdict == diagnosis::Verdict::Passed    ? tr("ok")
                            : check.verdict == diagnosis::Verdict::Problem ? tr("problem")
                                                                           : tr("not applicable");
    row->setData(0, Qt::AccessibleTextRole, verdict + QStringLiteral(": ") + pick(check.finding));
    if (check.verdict == diagnosis::Verdict::Problem && !check.fix.english.empty()) {
        auto* fix = new QTreeWidgetItem(row, {pick(check.fix)});
        QFont italic = fix->font(0);
        italic.setItalic(true);
        fix->setFont(0, italic);
        row->setExpanded(true);
    }
    m_ui->findingsTree->scrollToItem(row);
}

void CConnectionCheckDlg::finishCheck(std::vector<diagnosis::PortDiagnosis> ports,
                                      std::optional<diagnosis::Check> noPort) {
    if (m_worker.joinable())
        m_worker.join();
    m_ports = std::move(ports);
    m_noPort = std::move(noPort);
    const auto answered = std::find_if(m_ports.begin(), m_ports.end(),
                                       [](const auto& port) { return port.radioAnswered(); });
    if (m_host && m_host->stopRequested())
        m_ui->statusLabel->setText(tr("The check was stopped."));
    else if (answered != m_ports.end())
        m_ui->statusLabel->setText(
            tr("A radio answers on %1.")
                .arg(QString::fromStdString(diagnosis::portTitle(answered->facts))));
    else
        m_ui->statusLabel->setText(tr("No radio answered."));
    m_ui->checkAgainButton->setEnabled(true);
    m_ui->copyReportButton->setEnabled(true);
    emit checkFinished();
}

QString CConnectionCheckDlg::report() const {
    const diagnosis::ReportContext context{PROGRAM_VERSION, m_state.paths.settingsFile.string(),
                                           m_overrides};
    return QString::fromStdString(diagnosis::diagnosticReport(
        diagnosis::SystemView::live(), context, m_ports, m_noPort, m_state.language));
}

void CConnectionCheckDlg::copyReport() {
    QGuiApplication::clipboard()->setText(report());
    m_ui->statusLabel->setText(tr("The report is on the clipboard, ready to paste into a "
                                  "request for help."));
}

void CConnectionCheckDlg::stopAndWait() {
    if (!running())
        return;
    m_host->requestStop();
    waitFor(m_workerDone);
    // The finish may have come in while waiting, and joined the worker already.
    if (m_worker.joinable())
        m_worker.join();
}

void CConnectionCheckDlg::done(int result) {
    // The window goes at once; the probe ends in the background within a read's
    // time-out and closes its port.
    hide();
    stopAndWait();
    QDialog::done(result);
}

std::optional<diagnosis::DeviceFacts>
CConnectionCheckDlg::findRadio(const std::vector<std::string>& devices,
                               const program::PortOverrides& overrides,
                               program::LinkFactory linkFactory) {
    std::optional<diagnosis::DeviceFacts> found;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        const program::LinkFactory factory = orSerialPort(std::move(linkFactory));
        const diagnosis::SystemView system = diagnosis::SystemView::live();
        for (const std::string& device : devices) {
            diagnosis::ProbeHost host;
            const auto link = factory();
            const auto port = diagnosis::checkPort(system, *link, host, device, overrides);
            if (port.radioAnswered()) {
                found = port.facts;
                break;
            }
        }
        done = true;
    });
    waitFor(done);
    worker.join();
    return found;
}
