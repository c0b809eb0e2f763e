#pragma once

#include <QCoreApplication>
#include <QString>

class CProgramDoc;
class QWidget;

// File > Export CSV... and File > Import CSV...: the channel table as a channel
// list in the CSV column set spreadsheets and other programming tools share.
class CsvExchange {
    Q_DECLARE_TR_FUNCTIONS(CsvExchange)
public:
    // Asks for a file name and writes channels 1..128 that are not blank.
    static bool exportChannelList(CProgramDoc& doc, QWidget* parent);
    static bool exportChannelListTo(CProgramDoc& doc, const QString& path, QWidget* parent);

    // Asks for a file, reads it whole, shows how the import goes (ImportReportDlg)
    // and on OK takes the rows as one step of the document's history. A file that
    // cannot be read whole changes nothing.
    static bool importChannelList(CProgramDoc& doc, QWidget* parent);
    static bool importChannelListFrom(CProgramDoc& doc, const QString& path, QWidget* parent);
};
