// The verbs that talk to the radio: read, write and the service exchanges.

#include "CliTransferHost.h"
#include "CommandLine.h"
#include "ProgramFiles.h"
#include "TrafficLog.h"
#include "Verbs.h"

#include "app/IniFile.h"
#include "io/AtomicFile.h"
#include "link/BlockPlan.h"
#include "link/ImageTransfer.h"
#include "link/LinkTexts.h"
#include "link/PortNames.h"
#include "link/PosixSerialLink.h"
#include "link/PromptingExchange.h"
#include "link/StrictExchange.h"
#include "model/DatFile.h"
#include "settings/Catalogue.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace program::cli {

namespace {

const OptionSet& radioOptions() {
    static const OptionSet options{
        {"--port", "--port-number", "--log-traffic", "--template", "--retries", "--service-code"},
        {"--enable-sql", "--yes", "--verify"}};
    return options;
}

// compare's own options besides the port's.
const OptionSet& compareOptions() {
    static const OptionSet options = [] {
        OptionSet all = radioOptions();
        all.valued.insert({"--save", "--lang"});
        all.flags.insert("--bytes");
        return all;
    }();
    return options;
}

// Everything a radio verb needs: the device, the port (optionally logged) and the host.
class RadioSession {
public:
    static std::unique_ptr<RadioSession> create(const CommandLine& line, std::string& usageError) {
        auto session = std::unique_ptr<RadioSession>(new RadioSession());
        if (line.has("--port") && line.has("--port-number")) {
            usageError = "give either --port or --port-number, not both";
            return nullptr;
        }
        if (line.has("--port")) {
            session->m_device = line.value("--port");
        } else {
            auto number =
                parseNumber(line.value("--port-number", "1"), FirstPortNumber, LastPortNumber);
            if (!number) {
                usageError = "--port-number takes a whole number from 1 to 16";
                return nullptr;
            }
            session->m_device =
                devicePathForPort(static_cast<int>(*number), overridesOfProgramSettings());
        }
        if (session->m_device.empty()) {
            usageError = "--port needs a device path, e.g. /dev/ttyUSB0";
            return nullptr;
        }
        if (line.has("--retries")) {
            auto retries = parseNumber(line.value("--retries"), 0, 1000);
            if (!retries) {
                usageError = "--retries takes a whole number from 0 to 1000";
                return nullptr;
            }
            session->m_answers.retries = static_cast<int>(*retries);
        }
        session->m_answers.confirmBandOk = line.has("--yes");
        if (line.has("--log-traffic")) {
            const std::string path = line.value("--log-traffic");
            session->m_logFile = std::fopen(path.c_str(), "w");
            if (!session->m_logFile) {
                usageError = "cannot write the traffic log " + path;
                return nullptr;
            }
            session->m_log = std::make_unique<TrafficLog>(session->m_port, session->m_logFile);
        }
        session->m_host = std::make_unique<CliTransferHost>(session->m_answers);
        return session;
    }

    ~RadioSession() {
        m_port.close();
        if (m_logFile)
            std::fclose(m_logFile);
    }

    SerialLink& link() { return m_log ? static_cast<SerialLink&>(*m_log) : m_port; }
    TransferHost& host() { return *m_host; }
    const std::string& device() const { return m_device; }

    // Turns a read-back's outcome into the exit status: "verified" on stdout, or a line
    // per run of written bytes the radio holds otherwise, or why nothing was checked.
    int finishVerify(const CodeplugImage& written, const VerifyResult& result) const {
        if (result.verified()) {
            std::printf("verified\n");
            return ExitOk;
        }
        const std::string reason = m_host->takeNotice();
        if (!result.readBack.completed()) {
            const bool cancelled = result.readBack.outcome == TransferResult::Outcome::Cancelled;
            const LinkMessage message =
                cancelled ? linktexts::verifyCancelled() : linktexts::verifyReadBackFailed();
            return fail(ExitFailure, message.text.english +
                                         (reason.empty() ? std::string() : " (" + reason + ")"));
        }
        std::fprintf(stderr, "program-cli: %s\n",
                     linktexts::verifyDifferences().text.english.c_str());
        for (const imagemap::Region& run : result.differences) {
            std::fprintf(stderr, "%s: wrote %s, radio holds %s\n",
                         imagemap::describeRun(run, Language::English).c_str(),
                         imagemap::hexBytes(written, run).c_str(),
                         imagemap::hexBytes(result.radio, run).c_str());
        }
        return ExitFailure;
    }

    // Turns a transfer's outcome into the exit status, with one line that says what
    // ended a failed run and, for the port, why.
    int finish(const TransferResult& result, int failureStatus = ExitFailure) const {
        std::string notice = m_host->takeNotice();
        if (result.completed()) {
            if (!notice.empty())
                std::fprintf(stderr, "%s\n", notice.c_str());
            return ExitOk;
        }
        // The port's reason, unless the message already showed it.
        if (notice.find(result.portDetail) == std::string::npos)
            notice = notice.empty() ? result.portDetail : notice + " (" + result.portDetail + ")";
        const bool cancelled =
            notice.empty() && result.outcome == TransferResult::Outcome::Cancelled;
        if (result.radioPartlyWritten)
            notice = (cancelled ? std::string("cancelled") : notice) + ". " +
                     linktexts::radioPartlyWritten().text.english;
        else if (cancelled && !result.message)
            notice = "cancelled; nothing was changed";
        return notice.empty() ? failureStatus : fail(failureStatus, notice);
    }

private:
    RadioSession() = default;

    std::string m_device;
    PosixSerialLink m_port;
    std::FILE* m_logFile = nullptr;
    std::unique_ptr<TrafficLog> m_log;
    CliTransferHost::Answers m_answers;
    std::unique_ptr<CliTransferHost> m_host;
};

// Why `out` cannot take what a read brings, or nothing when it can: found out before
// the radio is woken rather than after the whole transfer.
std::optional<std::string> outputProblem(const std::filesystem::path& out) {
    struct stat status {};
    if (::stat(out.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return "cannot write " + out.string() + ": not a regular file";
        if (::access(out.c_str(), W_OK) != 0)
            return "cannot write " + out.string() + ": " + std::strerror(errno);
    }
    // The folder must take the temporary file a save renames over `out`.
    errno = 0;
    if (!canReplaceFile(out))
        return "cannot write " + out.string() + ": " + std::strerror(errno != 0 ? errno : EACCES);
    return std::nullopt;
}

std::optional<CommandLine> parseRadioVerb(const std::string& verb, const Words& words,
                                          std::size_t positionals, const std::string& usage,
                                          int& status, const OptionSet& options = radioOptions()) {
    std::string error;
    auto line = parseCommandLine(words, options, error);
    if (line && line->positional.size() != positionals)
        error = line->positional.size() < positionals ? "missing arguments" : "too many arguments";
    if (!error.empty()) {
        status = fail(ExitUsage, verb + ": " + error + " (usage: program-cli " + verb + " " +
                                     usage + " [--port DEVICE | --port-number N])");
        return std::nullopt;
    }
    return line;
}

std::unique_ptr<RadioSession> openSession(const std::string& verb, const CommandLine& line,
                                          int& status) {
    std::string error;
    auto session = RadioSession::create(line, error);
    if (!session)
        status = fail(ExitUsage, verb + ": " + error);
    return session;
}

} // namespace

int runRead(const Words& words) {
    int status = ExitOk;
    auto line =
        parseRadioVerb("read", words, 1, "OUT.dat [--template FILE.dat] [--retries N]", status);
    if (!line)
        return status;
    auto session = openSession("read", *line, status);
    if (!session)
        return status;

    // The radio's password is compared with the template's: a new document's when
    // none is named.
    Workspace workspace;
    if (line->has("--template")) {
        if (auto failure = workspace.document.open(line->value("--template")))
            return fail(ExitFailure, describe(*failure));
    } else {
        workspace.document.createNew();
    }
    if (auto problem = outputProblem(line->positional[0]))
        return fail(ExitFailure, "read: " + *problem);
    CodeplugImage image = workspace.document.image();
    ImageTransfer transfer(session->link(), session->host());
    const auto result = transfer.read(session->device(), image);
    if (!result.completed())
        return session->finish(result);

    // A faithful backup: the bytes exactly as the radio sent them.
    if (auto failure = saveDatFile(line->positional[0], image))
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

int runWrite(const Words& words) {
    int status = ExitOk;
    auto line = parseRadioVerb("write", words, 1,
                               "FILE.dat [--enable-sql] [--yes] [--verify] [--retries N]", status);
    if (!line)
        return status;
    auto session = openSession("write", *line, status);
    if (!session)
        return status;

    Workspace workspace;
    const Document& document = workspace.document;
    if (auto failure = workspace.document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const CodeplugImage image = document.imageForSave();
    const bool squelchWrite = line->has("--enable-sql");
    ImageTransfer transfer(session->link(), session->host());
    const TransferResult written =
        transfer.write(session->device(), image, document.bandLimits(), squelchWrite);
    if (!written.completed() || !line->has("--verify"))
        return session->finish(written);
    return session->finishVerify(image, transfer.verify(session->device(), image, squelchWrite));
}

int runCompare(const Words& words) {
    int status = ExitOk;
    auto line = parseRadioVerb("compare", words, 1,
                               "FILE.dat [--save RADIO.dat] [--bytes] [--lang en|zh] [--retries N]",
                               status, compareOptions());
    if (!line)
        return status;
    const auto language = languageOption("compare", *line, status);
    if (!language)
        return status;
    auto session = openSession("compare", *line, status);
    if (!session)
        return status;

    // Like diff, trouble is 2 so that 1 always means "they differ".
    Workspace workspace(*language);
    if (auto failure = workspace.document.open(line->positional[0]))
        return fail(ExitUsage, describe(*failure));
    if (line->has("--save")) {
        if (auto problem = outputProblem(line->value("--save")))
            return fail(ExitUsage, "compare: " + *problem);
    }
    // The file's password is the one the radio must hold, as for a read.
    const CodeplugImage file = workspace.document.image();
    CodeplugImage radio = file;
    ImageTransfer transfer(session->link(), session->host());
    const auto result = transfer.read(session->device(), radio);
    if (!result.completed())
        return session->finish(result, ExitUsage);
    if (line->has("--save")) {
        if (auto failure = saveDatFile(line->value("--save"), radio))
            return fail(ExitUsage, describe(*failure));
    }
    return printDifferences(file, radio, *language, line->has("--bytes"));
}

int runService(const Words& words) {
    int status = ExitOk;
    auto line = parseRadioVerb("service", words, 3,
                               "read|write sql|params|info FILE.dat [--service-code CODE]", status);
    if (!line)
        return status;
    const std::string direction = line->positional[0];
    // "squelch" is the older name of "sql", the settings keys' section.
    const std::string dialog = line->positional[1] == "squelch" ? "sql" : line->positional[1];
    if (direction != "read" && direction != "write")
        return fail(ExitUsage, "service: the first word is read or write");
    if (dialog != "sql" && dialog != "params" && dialog != "info")
        return fail(ExitUsage, "service: the second word is sql, params or info");
    // Parameter Adjust opens only behind the service access code, both ways.
    if (dialog == "params" && !serviceCodeGiven("service", *line, true, status))
        return status;
    auto session = openSession("service", *line, status);
    if (!session)
        return status;

    const std::filesystem::path file = line->positional[2];
    auto loaded = loadDatFile(file);
    if (!loaded.image)
        return fail(ExitFailure, describe(*loaded.error));
    CodeplugImage image = *loaded.image;

    // A write sends what the dialog's Write sends: the section as the dialog shows
    // it, stored. When that changes the file's bytes, the file takes them too, so
    // the file and the radio hold the same.
    bool storedDiffers = false;
    if (direction == "write") {
        const auto* section = settings::findSection(dialog == "info" ? "softinfo" : dialog);
        section->apply(image, {});
        storedDiffers = image != *loaded.image;
        if (storedDiffers) {
            if (auto problem = outputProblem(file))
                return fail(ExitFailure, "service: " + *problem);
        }
    }

    // Software Info prompts and retries; the two tuning dialogs check every reply.
    std::unique_ptr<ServiceExchange> exchange;
    BlockPlan plan;
    if (dialog == "info") {
        exchange = std::make_unique<PromptingExchange>(session->link(), session->host());
        plan = BlockPlan::softwareInfo();
    } else {
        exchange = std::make_unique<StrictExchange>(session->link(), session->host());
        plan = dialog == "sql" ? BlockPlan::squelchTuning() : BlockPlan::parameterAdjust();
    }
    const auto result = direction == "read" ? exchange->read(session->device(), plan, image)
                                            : exchange->write(session->device(), plan, image);
    if (!result.completed())
        return session->finish(result);
    if (direction == "read" || storedDiffers) {
        if (auto failure = saveDatFile(file, image))
            return fail(ExitFailure, describe(*failure));
        if (storedDiffers)
            std::fprintf(stderr, "program-cli: service: %s now holds the values written\n",
                         file.c_str());
    }
    return ExitOk;
}

} // namespace program::cli
