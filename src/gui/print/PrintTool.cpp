// program-print: the PDF half of `program-cli print`. program-cli stays free of
// Qt; it checks the command line and the file, then hands over to this program,
// which draws the listing with the desktop program's renderer on Qt's offscreen
// platform, so no display is needed.
//
//   program-print IN.dat OUT.pdf SECTIONS LANGUAGE OWNER
//
// SECTIONS as program-cli takes them ("optional,channels"), LANGUAGE "en" or
// "zh", OWNER the footer's text (may be empty).

#include "channels/Document.h"
#include "model/DatFile.h"
#include "print/PdfExport.h"
#include "print/PrintLayout.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

// Qt's own notices (a missing runtime folder, say) are no concern of a PDF
// written without a window; the tool says itself what went wrong.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "program-print: %s\n", qPrintable(message));
}

int fail(const std::string& text) {
    std::fprintf(stderr, "program-cli: %s\n", text.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fputs("usage: program-print IN.dat OUT.pdf SECTIONS en|zh OWNER\n"
                   "(program-cli print runs it; see program-cli --help)\n",
                   stderr);
        return 2;
    }
    const std::string in = argv[1];
    const std::string out = argv[2];
    const auto selection = program::print::parseSections(argv[3]);
    const std::string lang = argv[4];
    if (!selection || (lang != "en" && lang != "zh")) {
        std::fputs("program-print: unknown sections or language\n", stderr);
        return 2;
    }

    program::ProgramState state;
    state.language = lang == "zh" ? program::Language::Chinese : program::Language::English;
    program::FixedRadioType radioType;
    program::Document document(state, radioType);
    if (auto failure = document.open(in))
        return fail(program::describe(*failure));
    const program::print::PrintJob job(
        {document.image(), document.table(), state.language, argv[5]}, *selection);
    if (job.pageCount() == 0)
        return fail("print: nothing to print: the sections chosen have no pages");

    // Never a window: the offscreen platform draws and measures fonts all the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QGuiApplication app(argc, argv);
    const QString failure =
        pdfexport::write(job, QString::fromLocal8Bit(out.c_str()), pdfexport::defaultLayout());
    if (!failure.isEmpty())
        return fail("print: cannot write " + out + ": " + failure.toStdString());
    return 0;
}
