#pragma once

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "fleet/FleetReport.h"
#include "fleet/FleetValues.h"
#include "link/SerialLink.h"
#include "link/TransferHost.h"
#include "model/CodeplugImage.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace program::fleet {

// A port of the run: its name as the dealer knows it ("COM3" or the device) and
// the device it opens.
struct FleetPort {
    std::string name;
    std::string device;
};

// What the run sends: the document as a write would send it (its password is the
// one a backup read checks), its band limits for the band check, and the radios'
// rows when there is a values file.
struct FleetSource {
    CodeplugImage image;
    BandLimits bands;
    bool squelchWrite = false;
    std::optional<std::vector<RadioRow>> rows; // none: every radio gets `image`
};

struct FleetOptions {
    // Before the write, each radio is read whole and its memory kept in this folder.
    std::optional<std::filesystem::path> backupFolder;
    bool verify = false;
};

enum class Stage { Backup, Write, Verify };

// How one radio ended, with the line the report got.
struct RadioOutcome {
    std::size_t port = 0;
    ReportLine line;
    bool succeeded = false; // written, and verified when asked
    bool cancelled = false;
    bool partlyWritten = false; // the radio may hold part of the new memory and part of the old
    BilingualText summary;      // "not written: the backup read failed"
    std::optional<LinkMessage> cause; // the radio link's message behind a failure
    BilingualText consequence;        // "the radio may hold a partly written memory"
    std::string reportError;          // why the line could not be added to the report

    // The whole text in a language; `word` gives a link message's text.
    std::string text(Language language,
                     const std::function<std::string(const LinkMessage&)>& word) const;
};

// Hears the run from the ports' own threads.
class FleetObserver {
public:
    virtual ~FleetObserver() = default;
    virtual void radioStarted(std::size_t port, const std::string& label) = 0;
    virtual void stageChanged(std::size_t port, Stage stage) = 0;
    virtual void progress(std::size_t port, int position, int maximum) = 0;
    virtual void radioEnded(const RadioOutcome& outcome) = 0;
};

// Programs radios on several ports side by side, one thread and one serial link
// per port, one radio at a time on each. A failure on one port touches no other.
// Each radio takes the first row that is neither done (in the report or in this
// run) nor being written on another port; a radio that fails gives its row back.
class FleetRun {
public:
    using Sleep = std::function<void(int milliseconds)>;
    // Makes the serial link of one radio's transfers on a port.
    using LinkFactory = std::function<std::unique_ptr<SerialLink>(const FleetPort& port)>;

    FleetRun(FleetSource source, std::vector<FleetPort> ports, FleetOptions options,
             ReportFile* report, LinkFactory makeLink, FleetObserver& observer, Sleep sleep = {});
    // Cancels whatever still runs and waits for every port.
    ~FleetRun();
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    // Starts the next radio on the port: false while a radio runs there or when
    // no row is left.
    bool startRadio(std::size_t port);
    // Stops the radio on one port, or on every port, at its next check point.
    void cancel(std::size_t port);
    void cancelAll();
    // Waits until no port runs a radio.
    void wait();

    bool busy(std::size_t port) const;
    std::size_t portCount() const { return m_ports.size(); }
    // Rows neither done nor taken; without a values file there is always one more.
    bool rowLeft() const;
    // Labels done so far, in the report before the run or in it.
    std::vector<std::string> doneLabels() const;

private:
    struct Slot {
        FleetPort port;
        std::thread thread;
        std::atomic<bool> busy{false};
        std::atomic<bool> cancel{false};
    };
    struct Taken {
        std::optional<std::size_t> row; // index into the values' rows
        std::string label;
        std::vector<settings::Assignment> values;
        const CodeplugImage* image = nullptr;
    };

    std::optional<Taken> takeRow();
    void giveBack(const Taken& taken, bool done);
    void runRadio(std::size_t port, Taken taken);

    FleetSource m_source;
    FleetOptions m_options;
    ReportFile* m_report;
    LinkFactory m_makeLink;
    FleetObserver& m_observer;
    Sleep m_sleep;
    std::vector<std::unique_ptr<Slot>> m_ports;

    mutable std::mutex m_rowsMutex;
    std::vector<bool> m_rowTaken;
    std::set<std::string> m_done;
    int m_nextNumber = 1;
};

} // namespace program::fleet
