<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
</context>
<context>
    <name>GridOperations</name>
    <message>
        <source>%1 works on channels 1 to 128. Channel Fr keeps its place: take it out of the selection.</source>
        <translation>%1 works on channels 1 to 128. Channel Fr keeps its place: take it out of the selection.</translation>
    </message>
    <message>
        <source>Copy and Cut take one block of cells. Select whole rows by their numbers, or one rectangle of cells.</source>
        <translation>Copy and Cut take one block of cells. Select whole rows by their numbers, or one rectangle of cells.</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard does not hold cells.</source>
        <translation>Nothing was pasted: the clipboard does not hold cells.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Nothing was pasted.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... and %n more.</numerusform>
            <numerusform>... and %n more.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel %1, %2 &quot;%3&quot;: %4</source>
        <translation>Channel %1, %2 &quot;%3&quot;: %4</translation>
    </message>
    <message>
        <source>Nothing was pasted: the channel table does not take these cells.</source>
        <translation>Nothing was pasted: the channel table does not take these cells.</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>Insert Row</translation>
    </message>
    <message numerus="yes">
        <source>Inserting moves the channels below down by %n row(s). Channel %1 at the end of the table has no row to go to and is removed. Insert the rows? (Undo brings it back.)</source>
        <translation>
            <numerusform>Inserting moves the channels below down by %n row. Channel %1 at the end of the table has no row to go to and is removed. Insert the row? (Undo brings it back.)</numerusform>
            <numerusform>Inserting moves the channels below down by %n rows. Channels %1 at the end of the table have no row to go to and are removed. Insert the rows? (Undo brings them back.)</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>Delete Row</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insert Row</translation>
    </message>
    <message>
        <source>Delete Ro&amp;w</source>
        <translation>Delete Ro&amp;w</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>&amp;Move Up</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>Move Dow&amp;n</translation>
    </message>
</context>
<context>
    <name>ImportReportDlg</name>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>&amp;Blank channels 1 to 128 that the file does not name</source>
        <translation>&amp;Blank channels 1 to 128 that the file does not name</translation>
    </message>
    <message>
        <source>Take &amp;Location 0 into channel Fr</source>
        <translation>Take &amp;Location 0 into channel Fr</translation>
    </message>
    <message>
        <source>&amp;Rows skipped or changed:</source>
        <translation>&amp;Rows skipped or changed:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Why</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>how many rows are taken, how many skipped</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>taken</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be taken from the file.</source>
        <translation>
            <numerusform>%n channel will be taken from the file.</numerusform>
            <numerusform>%n channels will be taken from the file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the file are skipped.</source>
        <translation>
            <numerusform>%n row of the file is skipped.</numerusform>
            <numerusform>%n rows of the file are skipped.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvExchange</name>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Nothing was imported from %1.</translation>
    </message>
</context>
</TS>
