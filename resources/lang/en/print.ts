<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printing cannot be started: %1</source>
        <translation>Printing cannot be started: %1</translation>
    </message>
</context>
<context>
    <name>PrintListDlg</name>
    <message>
        <source>PrintList</source>
        <translation>PrintList</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Channel Info</source>
        <translation>Channel Info</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Clear All</translation>
    </message>
</context>
<context>
    <name>PrintSession</name>
    <message>
        <source>The sections chosen have no pages to print.</source>
        <translation>The sections chosen have no pages to print.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>The PDF file %1 could not be written: %2</translation>
    </message>
</context>
</TS>
