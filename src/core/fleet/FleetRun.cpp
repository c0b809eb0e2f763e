#include "fleet/FleetRun.h"

#include "app/MessageIds.h"
#include "link/ImageTransfer.h"
#include "link/LinkTexts.h"
#include "model/DatFile.h"
#include "model/ImageMap.h"

#include <chrono>
#include <ctime>

namespace program::fleet {

namespace {

const BilingualText WrittenAndVerified{"written and verified", "已写入并校验"};
const BilingualText Written{"written", "已写入"};
const BilingualText BackupFailed{"not written: the backup read failed", "未写入：备份读取失败"};
const BilingualText BackupNotSaved{"not written: the backup could not be saved",
                                   "未写入：备份无法保存"};
const BilingualText BandDoesNotFit{"not written: the radio's band does not fit the document's",
                                   "未写入：对讲机的频段与文档不符"};
const BilingualText WriteFailed{"not written", "未写入"};
const BilingualText Cancelled{"cancelled", "已取消"};
const BilingualText VerifyFailed{"written, but the verify could not read it back",
                                 "已写入，但校验无法读回"};
const BilingualText VerifyFoundDifferences{"written, but the radio holds other bytes in",
                                           "已写入，但对讲机中以下内容不同"};
const BilingualText VerifyCancelled{"written, the verify cancelled", "已写入，校验已取消"};
const BilingualText PartlyWritten{"the radio may hold a partly written memory",
                                  "对讲机的存储可能只写入了一部分"};
const BilingualText Unchanged{"the radio was not changed", "对讲机未被改动"};

std::string localTime(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    ::localtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, format, &parts);
    return text;
}

// A label as part of a file name: separators and control characters become '_'.
std::string fileNamePart(const std::string& label) {
    std::string name;
    for (char c : label) {
        const auto byte = static_cast<unsigned char>(c);
        name += byte < 0x20 || c == '/' || c == '\\' || c == 0x7F ? '_' : c;
    }
    if (name.empty() || name.front() == '.')
        name.insert(name.begin(), '_');
    return name;
}

std::filesystem::path backupPath(const std::filesystem::path& folder, const std::string& label) {
    const std::string stem = fileNamePart(label) + "-" + localTime("%Y%m%d-%H%M%S");
    std::filesystem::path path = folder / (stem + ".dat");
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(path, ec); ++n)
        path = folder / (stem + "-" + std::to_string(n) + ".dat");
    return path;
}

// The front end of one port's transfers: nobody answers questions, so the band
// question is answered Cancel (the radio is skipped, not written) and so is the
// Retry prompt of a silent radio; Cancel comes from the run.
class PortHost : public TransferHost {
public:
    PortHost(std::size_t port, const std::atomic<bool>& cancel, FleetObserver& observer,
             const FleetRun::Sleep& sleep)
        : m_port(port), m_cancel(cancel), m_observer(observer), m_sleep(sleep) {}

    bool pumpEvent() override { return m_cancel.load(); }
    void showStatus(const BilingualText&) override {}
    void setProgressRange(int maximum) override {
        m_maximum = maximum;
        m_observer.progress(m_port, 0, maximum);
    }
    void setProgress(int position) override { m_observer.progress(m_port, position, m_maximum); }
    Answer ask(const LinkMessage& message, Buttons buttons) override {
        if (buttons == Buttons::OkCancel && message.id == message::BandOverRange)
            bandRefused = true;
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    void sleepMs(int milliseconds) override {
        if (m_sleep)
            m_sleep(milliseconds);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

    bool bandRefused = false;

private:
    std::size_t m_port;
    const std::atomic<bool>& m_cancel;
    FleetObserver& m_observer;
    const FleetRun::Sleep& m_sleep;
    int m_maximum = 0;
};

// The runs of written bytes the radio holds otherwise, the first few by name.
LinkMessage differencesFound(const std::vector<imagemap::Region>& runs) {
    constexpr std::size_t Named = 3;
    LinkMessage message;
    for (std::size_t i = 0; i < runs.size() && i < Named; ++i) {
        message.text.english += (i ? "; " : "") + imagemap::describeRun(runs[i], Language::English);
        message.text.chinese += (i ? "；" : "") + imagemap::describeRun(runs[i], Language::Chinese);
    }
    if (runs.size() > Named) {
        const std::string more = std::to_string(runs.size() - Named);
        message.text.english += " and " + more + " more";
        message.text.chinese += " 等另 " + more + " 处";
    }
    return message;
}

} // namespace

std::string RadioOutcome::text(Language language,
                               const std::function<std::string(const LinkMessage&)>& word) const {
    std::string text = summary.pick(language);
    if (cause)
        text += (language == Language::Chinese ? "：" : ": ") + word(*cause);
    if (!consequence.english.empty())
        text += (language == Language::Chinese ? "；" : "; ") + consequence.pick(language);
    return text;
}

FleetRun::FleetRun(FleetSource source, std::vector<FleetPort> ports, FleetOptions options,
                   ReportFile* report, LinkFactory makeLink, FleetObserver& observer, Sleep sleep)
    : m_source(std::move(source)), m_options(std::move(options)), m_report(report),
      m_makeLink(std::move(makeLink)), m_observer(observer), m_sleep(std::move(sleep)) {
    for (auto& port : ports) {
        auto slot = std::make_unique<Slot>();
        slot->port = std::move(port);
        m_ports.push_back(std::move(slot));
    }
    if (m_source.rows)
        m_rowTaken.assign(m_source.rows->size(), false);
    if (m_report) {
        m_done = m_report->history().done;
        m_nextNumber = m_report->history().highestNumber + 1;
    }
}

FleetRun::~FleetRun() {
    cancelAll();
    wait();
}

bool FleetRun::startRadio(std::size_t port) {
    Slot& slot = *m_ports.at(port);
    if (slot.busy.load())
        return false;
    if (slot.thread.joinable())
        slot.thread.join();
    auto taken = takeRow();
    if (!taken)
        return false;
    slot.cancel = false;
    slot.busy = true;
    slot.thread = std::thread(
        [this, port, taken = std::move(*taken)]() mutable { runRadio(port, std::move(taken)); });
    return true;
}

void FleetRun::cancel(std::size_t port) {
    m_ports.at(port)->cancel = true;
}

void FleetRun::cancelAll() {
    for (auto& slot : m_ports)
        slot->cancel = true;
}

void FleetRun::wait() {
    for (auto& slot : m_ports) {
        if (slot->thread.joinable())
            slot->thread.join();
    }
}

bool FleetRun::busy(std::size_t port) const {
    return m_ports.at(port)->busy.load();
}

bool FleetRun::rowLeft() const {
    if (!m_source.rows)
        return true;
    std::lock_guard lock(m_rowsMutex);
    for (std::size_t i = 0; i < m_rowTaken.size(); ++i) {
        if (!m_rowTaken[i] && !m_done.count((*m_source.rows)[i].label))
            return true;
    }
    return false;
}

std::vector<std::string> FleetRun::doneLabels() const {
    std::lock_guard lock(m_rowsMutex);
    return {m_done.begin(), m_done.end()};
}

std::optional<FleetRun::Taken> FleetRun::takeRow() {
    std::lock_guard lock(m_rowsMutex);
    if (!m_source.rows)
        return Taken{std::nullopt, std::to_string(m_nextNumber++), {}, &m_source.image};
    for (std::size_t i = 0; i < m_rowTaken.size(); ++i) {
        const RadioRow& row = (*m_source.rows)[i];
        if (m_rowTaken[i] || m_done.count(row.label))
            continue;
        m_rowTaken[i] = true;
        return Taken{i, row.label, row.values, &row.image};
    }
    return std::nullopt;
}

void FleetRun::giveBack(const Taken& taken, bool done) {
    std::lock_guard lock(m_rowsMutex);
    if (taken.row)
        m_rowTaken[*taken.row] = false;
    if (done)
        m_done.insert(taken.label);
}

void FleetRun::runRadio(std::size_t port, Taken taken) {
    Slot& slot = *m_ports[port];
    const std::string& device = slot.port.device;
    m_observer.radioStarted(port, taken.label);

    RadioOutcome outcome;
    outcome.port = port;
    outcome.line.port = slot.port.name;
    outcome.line.label = taken.label;
    outcome.line.values = describeValues(taken.values);

    PortHost host(port, slot.cancel, m_observer, m_sleep);
    auto end = [&](const BilingualText& summary, const TransferResult* result,
                   const BilingualText& consequence) {
        outcome.summary = summary;
        // The band question is no cause: nobody was there to answer it.
        if (result && result->message && !slot.cancel.load() && !host.bandRefused)
            outcome.cause = result->message;
        outcome.consequence = consequence;
    };

    [&] {
        std::unique_ptr<SerialLink> link = m_makeLink(slot.port);
        ImageTransfer transfer(*link, host);

        if (m_options.backupFolder) {
            m_observer.stageChanged(port, Stage::Backup);
            // The read checks the radio's password against the document's, so a radio
            // with another password is reported here and never written.
            CodeplugImage backup = m_source.image;
            const TransferResult read = transfer.read(device, backup);
            if (!read.completed()) {
                outcome.cancelled = slot.cancel.load();
                end(outcome.cancelled ? Cancelled : BackupFailed, &read, Unchanged);
                return;
            }
            const auto path = backupPath(*m_options.backupFolder, taken.label);
            if (auto failure = saveDatFile(path, backup)) {
                LinkMessage why;
                why.text = {describe(*failure), describe(*failure)};
                outcome.summary = BackupNotSaved;
                outcome.cause = why;
                outcome.consequence = Unchanged;
                return;
            }
            outcome.line.backup = path.string();
        }
        if (slot.cancel.load()) {
            outcome.cancelled = true;
            end(Cancelled, nullptr, Unchanged);
            return;
        }

        m_observer.stageChanged(port, Stage::Write);
        const TransferResult write =
            transfer.write(device, *taken.image, m_source.bands, m_source.squelchWrite);
        if (!write.completed()) {
            outcome.partlyWritten = write.radioPartlyWritten;
            outcome.cancelled = slot.cancel.load();
            const BilingualText& summary = outcome.cancelled  ? Cancelled
                                           : host.bandRefused ? BandDoesNotFit
                                                              : WriteFailed;
            end(summary, &write, write.radioPartlyWritten ? PartlyWritten : Unchanged);
            return;
        }
        outcome.line.written = true;
        if (!m_options.verify) {
            outcome.succeeded = true;
            outcome.summary = Written;
            return;
        }

        m_observer.stageChanged(port, Stage::Verify);
        const VerifyResult verify = transfer.verify(device, *taken.image, m_source.squelchWrite);
        if (verify.verified()) {
            outcome.line.verified = "yes";
            outcome.succeeded = true;
            outcome.summary = WrittenAndVerified;
            return;
        }
        outcome.cancelled = slot.cancel.load();
        // A read-back that found a difference, and one that could not end, leave the
        // radio unverified: its row stays for the next try.
        const bool readBack = verify.readBack.completed();
        outcome.line.verified = "no";
        outcome.summary = outcome.cancelled ? VerifyCancelled
                          : readBack        ? VerifyFoundDifferences
                                            : VerifyFailed;
        if (outcome.cancelled)
            return;
        if (readBack)
            outcome.cause = differencesFound(verify.differences);
        else
            outcome.cause = verify.readBack.message;
    }();

    outcome.line.time = localTime("%Y-%m-%d %H:%M:%S");
    outcome.line.message =
        outcome.succeeded ? std::string() : outcome.text(Language::English, linktexts::englishLine);
    if (m_report)
        outcome.reportError = m_report->append(outcome.line);
    // A radio that was written is not written again in this run, even when its line
    // could not be reported.
    giveBack(taken, outcome.line.done());
    slot.busy = false;
    m_observer.radioEnded(outcome);
}

} // namespace program::fleet
