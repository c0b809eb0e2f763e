// program-cli: the codeplug tools of Program without a window, for scripting,
// backups and diagnosing a programming cable.

#include "ProgramFiles.h"
#include "Verbs.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace program::cli;

struct Verb {
    const char* name;
    int (*run)(const Words&);
};

constexpr Verb kVerbs[] = {
    {"new", runNew},
    {"channels", runChannels},
    {"save-as", runSaveAs},
    {"edit", runEdit},
    {"info", runInfo},
    {"sort", runSort},
    {"offset", runOffset},
    {"read", runRead},
    {"write", runWrite},
    {"compare", runCompare},
    {"service", runService},
    {"doctor", runDoctor},
    {"fleet", runFleet},
    {"settings", runSettings},
    {"set", runSet},
    {"diff", runDiff},
    {"export-csv", runExportCsv},
    {"import-csv", runImportCsv},
    {"print", runPrint},
};

constexpr const char* kHelp = R"(usage: program-cli VERB [ARGUMENTS] [OPTIONS]

Codeplug files (.dat, exactly 4096 bytes):
  new OUT.dat [--type N]           write a new document as File New + Save would
                                   (N: radio type byte 0..255, default 0)
  channels FILE.dat [--lang en|zh] print the 129 channel rows as the grid shows them,
                                   tab-separated: row label and the nine cell texts
  save-as IN.dat OUT.dat           open IN.dat and save it as OUT.dat
  edit FILE.dat ROW COLUMN TEXT [--enter]
                                   apply one grid edit (ROW 1..129, 129 is "Fr";
                                   COLUMN 1..9) and save the file
  info FILE.dat                    band limits, radio type, password, channels in use
  sort FILE.dat --by rx|tx|name|dec [--descending] [--rows A-B]
                                   sort the channels of rows A..B (default 1-128) by Rx
                                   or Tx frequency, name or QT/DQT Dec, and save the
                                   file; blank channels go last, equal keys keep their
                                   order, "Fr" (row 129) never moves
  offset FILE.dat --rows A-B (--plus|--minus) [KHZ]
                                   set Tx = Rx + or - KHZ for the channels of rows A..B
                                   and save the file; without KHZ each channel takes
                                   its band's repeater split (600 kHz at 144-148 MHz,
                                   5 MHz at 420-450 MHz). A Tx outside both band limits
                                   changes nothing
  print FILE.dat OUT.pdf [--sections LIST] [--lang en|zh] [--owner TEXT]
                                   the printed listing as a PDF (A4): LIST is some of
                                   dtmf,msk,optional,2tone,channels (default
                                   optional,channels); --owner is the footer's text

Settings of the editors (Optional Features, Key Assignment, MSK, ...) by key:
  settings FILE.dat [--lang en|zh] [--section NAME]
                                   print every key as key=value, the value as the editor
                                   shows it (sections: optional, keys, msk, ...)
  set FILE.dat KEY=VALUE [KEY=VALUE...] [--service-code CODE]
                                   change fields as the editors would (all or none) and
                                   save the file; a value the editor would not show as
                                   given is refused; params.* keys need the service code
  diff A.dat B.dat [--bytes] [--lang en|zh]
                                   print every key and channel cell whose shown value
                                   differs ("key: A -> B", channel cells as
                                   channel.ROW.COLUMN); --bytes adds a line per run of
                                   differing bytes, named by what the bytes hold
                                   ("bytes 0xFD4-0xFD5 (band shadow): 13 17 -> 42 17");
                                   exit 0 same, 1 different, 2 trouble

Channel lists (CSV with the column set spreadsheets and other programming tools use:
Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,...):
  export-csv FILE.dat OUT.csv      write channels 1..128 that are not blank
  import-csv FILE.dat IN.csv [--replace] [--include-fr]
                                   take the rows of IN.csv into FILE.dat and save it;
                                   prints a line for each row skipped and why. Nothing
                                   changes unless the whole file could be read.
                                   --replace blanks channels 1..128 the file does not
                                   name; --include-fr takes Location 0 into "Fr"

Radio (the serial port: --port DEVICE, or --port-number N for COMn's device):
  read OUT.dat [--template FILE.dat] [--retries N]
                                   read the whole radio into OUT.dat; the radio password
                                   is checked against the template's (a new document's
                                   when none is given)
  write FILE.dat [--enable-sql] [--yes] [--verify] [--retries N]
                                   write FILE.dat into the radio; --enable-sql also sends
                                   the squelch table and parameters, --yes answers OK when
                                   the file's band is outside the radio's; --verify reads
                                   the radio back and prints "verified" when it holds
                                   every byte written, or a line per range that differs
  compare FILE.dat [--save RADIO.dat] [--bytes] [--lang en|zh]
                                   read the radio (FILE's password is checked) and print
                                   what it holds otherwise, as diff FILE RADIO would;
                                   --save keeps the radio's image; exit as diff
  service read|write sql|params|info FILE.dat [--service-code CODE]
                                   the service exchanges (squelch tuning, parameter
                                   adjust, software info) on FILE.dat's image; squelch
                                   is taken for sql; params needs the service code; a
                                   write sends the values as the window stores them and
                                   saves FILE.dat with them when they differ
  doctor [--port DEVICE | --port-number N] [--report FILE]
                                   check why the cable does not talk: the device, who
                                   may open it, who holds it, then wake and identify the
                                   radio twice (nothing is read or written). Without a
                                   port, every USB serial port (ttyUSB*, ttyACM*). One
                                   line per check: ok, problem or -, then the finding; a
                                   problem's fix indented under it. --report writes a
                                   report to send with a request for help. Exit 0 when a
                                   radio answered, 1 when none did, 2 usage error
  fleet FILE.dat --port DEVICE [--port DEVICE...] [--values RADIOS.csv]
        [--report REPORT.csv] [--backup-dir DIR] [--verify] [--enable-sql]
                                   write FILE.dat into the radio on each port, all ports
                                   at once, one line per radio as it ends ("PORT LABEL:
                                   written and verified" or what failed); RADIOS.csv gives
                                   each radio its own values (first column label, then
                                   settings keys or channel.ROW.COLUMN), REPORT.csv gets
                                   a line per radio and a rerun takes the rows not yet
                                   done; --backup-dir keeps each radio's memory before
                                   the write; --port-number N may stand for --port;
                                   a radio whose band does not fit is not written;
                                   exit 0 only when every radio was written (and verified)
Radio options: --log-traffic FILE  log every byte each way with a timestamp

Columns: 1 Rx Frequency, 2 Tx Frequency, 3 QT/DQT Dec, 4 QT/DQT Enc, 5 Chnnel Name,
6 Power, 7 W/N, 8 Scan Add, 9 Busy Lock.
Exit status: 0 success, 1 failure (one line on stderr says why), 2 usage error.
program-cli --version prints the version and the Program.ini in use (its [Ports]
section gives --port-number's devices).
)";

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kHelp, stderr);
        return ExitUsage;
    }
    const std::string verb = argv[1];
    if (verb == "--help" || verb == "-h" || verb == "help") {
        std::fputs(kHelp, stdout);
        return ExitOk;
    }
    if (verb == "--version")
        return printVersion();
    Words words(argv + 2, argv + argc);
    for (const auto& word : words) {
        if (word == "--help" || word == "-h") {
            std::fputs(kHelp, stdout);
            return ExitOk;
        }
    }
    for (const Verb& v : kVerbs) {
        if (verb == v.name)
            return v.run(words);
    }
    return fail(ExitUsage, "unknown verb '" + verb + "' (try program-cli --help)");
}
