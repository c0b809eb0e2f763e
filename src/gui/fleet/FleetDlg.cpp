#include "fleet/FleetDlg.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"
#include "common/StringTable.h"

#include "app/ProgramState.h"
#include "exchange/CsvFile.h"
#include "link/PosixSerialLink.h"
#include "model/BackupCopies.h"
#include "model/FilePaths.h"
#include "model/ProgramDoc.h"
#include "ui_FleetDlg.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <set>

using namespace program;

// Hands what the ports' threads see to the window's thread.
class CFleetDlg::Observer : public fleet::FleetObserver {
public:
    explicit Observer(CFleetDlg& dialog) : m_dialog(dialog) {}

    void radioStarted(std::size_t port, const std::string& label) override {
        post([port, label = QString::fromStdString(label)](CFleetDlg& d) {
            d.radioStarted(port, label);
        });
    }
    void stageChanged(std::size_t port, fleet::Stage stage) override {
        post([port, stage](CFleetDlg& d) { d.stageChanged(port, stage); });
    }
    void progress(std::size_t port, int position, int maximum) override {
        post([port, position, maximum](CFleetDlg& d) { d.progress(port, position, maximum); });
    }
    void radioEnded(const fleet::RadioOutcome& outcome) override {
        post([outcome](CFleetDlg& d) { d.radioEnded(outcome); });
    }

private:
    template <class F> void post(F f) {
        CFleetDlg* dialog = &m_dialog;
        QMetaObject::invokeMethod(
            dialog, [dialog, f] { f(*dialog); }, Qt::QueuedConnection);
    }
    CFleetDlg& m_dialog;
};

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The values file of the edit, read and applied to the document: its rows, or why not.
fleet::RadioValues readValues(const QString& path, const Document& document) {
    fleet::RadioValues values;
    const CsvFileText file = readCsvFile(toFilesystemPath(path));
    if (!file.readWhole()) {
        values.failure = file.failure.english;
        return values;
    }
    return fleet::parseRadioValues(file.text, document);
}

} // namespace

CFleetDlg::CFleetDlg(CProgramDoc& doc, const PortOverrides& overrides,
                     fleet::FleetRun::LinkFactory links, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CFleetDlg>()), m_doc(doc),
      m_links(std::move(links)), m_observer(std::make_unique<Observer>(*this)) {
    m_ui->setupUi(this);
    m_ui->documentLabel->setText(doc.path().isEmpty() ? doc.displayName()
                                                      : QDir::toNativeSeparators(doc.path()));
    addPortRows(overrides);
    // A list takes its name from its label only through the label's text, not its buddy.
    m_ui->rowsList->setAccessibleName(m_ui->rowsCaption->text().remove(QLatin1Char('&')));
    connect(m_ui->valuesBrowseButton, &QPushButton::clicked, this, &CFleetDlg::browseValues);
    connect(m_ui->reportBrowseButton, &QPushButton::clicked, this, &CFleetDlg::browseReport);
    connect(m_ui->valuesEdit, &QLineEdit::editingFinished, this, &CFleetDlg::showRows);
    connect(m_ui->reportEdit, &QLineEdit::editingFinished, this, &CFleetDlg::showRows);
    connect(m_ui->startButton, &QPushButton::clicked, this, &CFleetDlg::start);
    connect(m_ui->nextAllButton, &QPushButton::clicked, this, &CFleetDlg::nextAll);
    connect(m_ui->cancelAllButton, &QPushButton::clicked, this, &CFleetDlg::cancelAll);
    // Tab goes through the ports before the buttons of the run, as they are laid out.
    QWidget* previous = m_ui->verifyCheck;
    for (PortRow& row : m_ports) {
        for (QWidget* next :
             {static_cast<QWidget*>(row.check), static_cast<QWidget*>(row.button)}) {
            setTabOrder(previous, next);
            previous = next;
        }
    }
    setTabOrder(previous, m_ui->startButton);
    showRows();
    updateButtons();
}

CFleetDlg::~CFleetDlg() {
    // The ports' threads end before the window they report to.
    m_run.reset();
}

void CFleetDlg::run(CProgramDoc& doc, const PortOverrides& overrides, const LinkFactory& links,
                    QWidget* parent) {
    if (!doc.commitPendingEdit())
        return;
    // Without a factory of its own (tests give one) each port gets a serial device.
    fleet::FleetRun::LinkFactory perPort = [links](const fleet::FleetPort&) {
        return links ? links() : std::unique_ptr<SerialLink>(std::make_unique<PosixSerialLink>());
    };
    CFleetDlg dialog(doc, overrides, std::move(perPort), parent);
    dialog.exec();
}

void CFleetDlg::addPortRows(const PortOverrides& overrides) {
    QGridLayout* grid = m_ui->portGrid;
    const QStringList headers = {tr("Port"), tr("Radio"), tr("Progress"), tr("State")};
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QLabel(QStringLiteral("<b>%1</b>").arg(headers[column]), m_ui->portArea);
        grid->addWidget(header, 0, column);
    }
    for (int n = FirstPortNumber; n <= LastPortNumber; ++n) {
        PortRow row;
        row.number = n;
        row.device = devicePathForPort(n, overrides);
        row.check = new QCheckBox(QStringLiteral("COM%1  (%2)").arg(n).arg(fromUtf8(row.device)),
                                  m_ui->portArea);
        row.check->setObjectName(QStringLiteral("com%1Check").arg(n));
        row.check->setChecked(n == m_doc.state().portNumber);
        row.label = new QLabel(m_ui->portArea);
        row.bar = new QProgressBar(m_ui->portArea);
        row.bar->setAccessibleName(tr("Progress of COM%1").arg(n));
        row.bar->setValue(0);
        row.state = new QLabel(m_ui->portArea);
        row.state->setWordWrap(true);
        row.state->setMinimumWidth(260);
        row.button = new QPushButton(tr("Next"), m_ui->portArea);
        row.button->setObjectName(QStringLiteral("com%1Button").arg(n));
        for (QWidget* widget : {static_cast<QWidget*>(row.check), static_cast<QWidget*>(row.bar),
                                static_cast<QWidget*>(row.button)})
            helpproperty::setControlId(widget, control::FleetPort);
        grid->addWidget(row.check, n, 0);
        grid->addWidget(row.label, n, 1);
        grid->addWidget(row.bar, n, 2);
        grid->addWidget(row.state, n, 3);
        grid->addWidget(row.button, n, 4);
        connect(row.check, &QCheckBox::toggled, this, &CFleetDlg::updateButtons);
        m_ports.push_back(row);
    }
    grid->setColumnStretch(3, 1);
    for (PortRow& row : m_ports)
        connect(row.button, &QPushButton::clicked, this, [this, &row] { portButtonClicked(row); });
}

QCheckBox* CFleetDlg::portCheck(int portNumber) const {
    return m_ports.at(static_cast<std::size_t>(portNumber - FirstPortNumber)).check;
}
QPushButton* CFleetDlg::portButton(int portNumber) const {
    return m_ports.at(static_cast<std::size_t>(portNumber - FirstPortNumber)).button;
}
QLabel* CFleetDlg::portState(int portNumber) const {
    return m_ports.at(static_cast<std::size_t>(portNumber - FirstPortNumber)).state;
}
QPushButton* CFleetDlg::startButton() const {
    return m_ui->startButton;
}
QPushButton* CFleetDlg::nextAllButton() const {
    return m_ui->nextAllButton;
}
QWidget* CFleetDlg::valuesEdit() const {
    return m_ui->valuesEdit;
}
QWidget* CFleetDlg::reportEdit() const {
    return m_ui->reportEdit;
}
QWidget* CFleetDlg::rowsList() const {
    return m_ui->rowsList;
}
QWidget* CFleetDlg::backupCheck() const {
    return m_ui->backupCheck;
}
QWidget* CFleetDlg::verifyCheck() const {
    return m_ui->verifyCheck;
}
QWidget* CFleetDlg::cancelAllButton() const {
    return m_ui->cancelAllButton;
}

bool CFleetDlg::running() const {
    if (!m_run)
        return false;
    for (const PortRow& row : m_ports) {
        if (row.inRun && m_run->busy(row.runIndex))
            return true;
    }
    return false;
}

void CFleetDlg::reject() {
    if (running()) {
        showMessage(tr("Radios are being programmed: press Cancel All, or wait until they are "
                       "done, before closing."));
        return;
    }
    QDialog::reject();
}

void CFleetDlg::browseValues() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Values File"), m_ui->valuesEdit->text(), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    m_ui->valuesEdit->setText(QDir::toNativeSeparators(path));
    showRows();
}

void CFleetDlg::browseReport() {
    // The report is added to, never replaced: an existing one is the run to go on with.
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Report File"), m_ui->reportEdit->text(), tr("CSV files (*.csv);;All files (*)"),
        nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    m_ui->reportEdit->setText(QDir::toNativeSeparators(path));
    showRows();
}

void CFleetDlg::showRows() {
    m_ui->rowsList->clear();
    showMessage({});
    const QString valuesPath = m_ui->valuesEdit->text().trimmed();
    if (valuesPath.isEmpty())
        return;
    const fleet::RadioValues values = readValues(valuesPath, m_doc.document());
    if (!values.ok()) {
        showMessage(tr("The values file cannot be used: %1").arg(fromUtf8(values.failureText())));
        return;
    }
    std::set<std::string> done;
    if (m_run) {
        for (const auto& label : m_run->doneLabels())
            done.insert(label);
    } else if (const QString reportPath = m_ui->reportEdit->text().trimmed();
               !reportPath.isEmpty() && QFileInfo::exists(reportPath)) {
        const CsvFileText report = readCsvFile(toFilesystemPath(reportPath));
        if (report.readWhole())
            done = fleet::readReportHistory(report.text).done;
    }
    for (const fleet::RadioRow& row : values.rows) {
        auto* item = new QTreeWidgetItem(m_ui->rowsList);
        item->setText(0, fromUtf8(row.label));
        item->setText(1, done.count(row.label) ? tr("done") : QString());
        item->setText(2, fromUtf8(fleet::describeValues(row.values)));
    }
    m_ui->rowsList->resizeColumnToContents(0);
}

void CFleetDlg::showMessage(const QString& text) {
    m_ui->messageLabel->setText(text);
}

void CFleetDlg::start() {
    fleet::FleetSource source{m_doc.document().imageForSave(), m_doc.bandLimits(),
                              m_doc.state().squelchWrite, std::nullopt};
    const QString valuesPath = m_ui->valuesEdit->text().trimmed();
    if (!valuesPath.isEmpty()) {
        fleet::RadioValues values = readValues(valuesPath, m_doc.document());
        if (!values.ok()) {
            showMessage(
                tr("The values file cannot be used: %1").arg(fromUtf8(values.failureText())));
            return;
        }
        source.rows = std::move(values.rows);
    }
    std::vector<fleet::FleetPort> ports;
    for (const PortRow& row : m_ports) {
        if (row.check->isChecked())
            ports.push_back({QStringLiteral("COM%1").arg(row.number).toStdString(), row.device});
    }
    if (ports.empty()) {
        showMessage(tr("Tick the ports the radios are on."));
        return;
    }
    fleet::FleetOptions options;
    options.verify = m_ui->verifyCheck->isChecked();
    if (m_ui->backupCheck->isChecked()) {
        const QString folder = BackupCopies::folder() + QStringLiteral("/radios");
        if (!QDir().mkpath(folder)) {
            showMessage(tr("The backup folder %1 cannot be made.").arg(folder));
            return;
        }
        options.backupFolder = toFilesystemPath(folder);
    }
    std::unique_ptr<fleet::ReportFile> report;
    if (const QString reportPath = m_ui->reportEdit->text().trimmed(); !reportPath.isEmpty()) {
        std::string error;
        report = fleet::ReportFile::open(toFilesystemPath(reportPath), error);
        if (!report) {
            showMessage(fromUtf8(error));
            return;
        }
    }
    m_report = std::move(report);
    m_run = std::make_unique<fleet::FleetRun>(std::move(source), ports, options, m_report.get(),
                                              m_links, *m_observer);
    std::size_t index = 0;
    for (PortRow& row : m_ports) {
        if (!row.check->isChecked())
            continue;
        row.inRun = true;
        row.runIndex = index++;
    }
    for (QWidget* setting :
         {static_cast<QWidget*>(m_ui->valuesEdit), static_cast<QWidget*>(m_ui->valuesBrowseButton),
          static_cast<QWidget*>(m_ui->reportEdit), static_cast<QWidget*>(m_ui->reportBrowseButton),
          static_cast<QWidget*>(m_ui->backupCheck), static_cast<QWidget*>(m_ui->verifyCheck)})
        setting->setEnabled(false);
    for (PortRow& row : m_ports) {
        row.check->setEnabled(false);
        if (row.inRun)
            startOn(row);
    }
    showRows();
    updateButtons();
}

bool CFleetDlg::startOn(PortRow& row) {
    if (!m_run->startRadio(row.runIndex)) {
        row.label->clear();
        row.bar->setValue(0);
        row.state->setText(tr("No radio is left in the values file."));
        return false;
    }
    row.bar->setValue(0);
    row.state->setText(tr("Waiting for the radio..."));
    return true;
}

void CFleetDlg::nextAll() {
    for (PortRow& row : m_ports) {
        if (row.inRun && !m_run->busy(row.runIndex))
            startOn(row);
    }
    updateButtons();
}

void CFleetDlg::cancelAll() {
    if (m_run)
        m_run->cancelAll();
}

void CFleetDlg::portButtonClicked(PortRow& row) {
    if (!m_run || !row.inRun)
        return;
    if (m_run->busy(row.runIndex))
        m_run->cancel(row.runIndex);
    else
        startOn(row);
    updateButtons();
}

void CFleetDlg::updateButtons() {
    bool anyTicked = false;
    bool anyBusy = false;
    bool anyIdle = false;
    const bool rowLeft = m_run && m_run->rowLeft();
    for (PortRow& row : m_ports) {
        anyTicked = anyTicked || row.check->isChecked();
        const bool busy = m_run && row.inRun && m_run->busy(row.runIndex);
        anyBusy = anyBusy || busy;
        anyIdle = anyIdle || (row.inRun && !busy);
        row.button->setText(busy ? tr("Cancel") : tr("Next"));
        row.button->setEnabled(busy || (row.inRun && rowLeft));
    }
    m_ui->startButton->setEnabled(!m_run && anyTicked);
    m_ui->nextAllButton->setEnabled(m_run && anyIdle && rowLeft);
    m_ui->cancelAllButton->setEnabled(anyBusy);
    m_ui->closeButton->setEnabled(!anyBusy);
}

CFleetDlg::PortRow* CFleetDlg::rowOfRunIndex(std::size_t index) {
    for (PortRow& row : m_ports) {
        if (row.inRun && row.runIndex == index)
            return &row;
    }
    return nullptr;
}

void CFleetDlg::radioStarted(std::size_t port, const QString& label) {
    if (PortRow* row = rowOfRunIndex(port))
        row->label->setText(label);
    updateButtons();
}

void CFleetDlg::stageChanged(std::size_t port, fleet::Stage stage) {
    PortRow* row = rowOfRunIndex(port);
    if (!row)
        return;
    switch (stage) {
    case fleet::Stage::Backup:
        row->state->setText(tr("Backing up"));
        break;
    case fleet::Stage::Write:
        row->state->setText(tr("Writing"));
        break;
    case fleet::Stage::Verify:
        row->state->setText(tr("Verifying"));
        break;
    }
    row->bar->setValue(0);
}

void CFleetDlg::progress(std::size_t port, int position, int maximum) {
    if (PortRow* row = rowOfRunIndex(port)) {
        row->bar->setMaximum(maximum > 0 ? maximum : 1);
        row->bar->setValue(position);
    }
}

void CFleetDlg::radioEnded(const fleet::RadioOutcome& outcome) {
    PortRow* row = rowOfRunIndex(outcome.port);
    if (!row)
        return;
    const Language language = m_doc.state().language;
    QString text = fromUtf8(outcome.text(language, [language](const LinkMessage& message) {
        return message.id != 0 ? stringTable(message.id).toStdString()
                               : message.text.pick(language);
    }));
    if (!outcome.reportError.empty())
        text += QLatin1Char(' ') + tr("(not in the report: %1)").arg(fromUtf8(outcome.reportError));
    row->state->setText(text);
    if (outcome.succeeded)
        row->bar->setValue(row->bar->maximum());
    showRows();
    updateButtons();
}
