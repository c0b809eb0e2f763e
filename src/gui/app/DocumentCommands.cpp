#include "app/DocumentCommands.h"

#include "common/CommandIds.h"
#include "exchange/CsvExchange.h"
#include "model/ProgramDoc.h"

#include <QWidget>

bool runDocumentCommand(int id, CProgramDoc& doc, QWidget* parent) {
    // Each editor works on a copy of the image and hands it back through
    // CProgramDoc::applyEdit, which makes the change one step of the document.
    Q_UNUSED(doc);
    Q_UNUSED(parent);
    switch (id) {
    case command::ExportCsv:
        CsvExchange::exportChannelList(doc, parent);
        return true;
    case command::ImportCsv:
        CsvExchange::importChannelList(doc, parent);
        return true;
    default:
        return false;
    }
}
