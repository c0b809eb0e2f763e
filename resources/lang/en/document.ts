<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BackupCopies</name>
    <message>
        <source>the folder could not be created</source>
        <translation>the folder could not be created</translation>
    </message>
</context>
<context>
    <name>CMyDocManager</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Cannot open %1.
The file is %2 bytes long; a codeplug file holds exactly 4096 bytes.</source>
        <translation>Cannot open %1.
The file is %2 bytes long; a codeplug file holds exactly 4096 bytes.</translation>
    </message>
    <message>
        <source>Cannot open %1.
The file could not be opened: %2</source>
        <translation>Cannot open %1.
The file could not be opened: %2</translation>
    </message>
    <message>
        <source>Cannot open %1.
The file could not be read: %2</source>
        <translation>Cannot open %1.
The file could not be read: %2</translation>
    </message>
    <message>
        <source>Cannot save %1.
The file could not be written: %2</source>
        <translation>Cannot save %1.
The file could not be written: %2</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>Compare With File</translation>
    </message>
</context>
<context>
    <name>CProgramDoc</name>
    <message>
        <source>the radio&apos;s memory read at %1</source>
        <translation>the radio&apos;s memory read at %1</translation>
    </message>
    <message>
        <source>a new document</source>
        <translation>a new document</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Port Setting</source>
        <translation>Port Setting</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>&amp;Find Radio</source>
        <translation>&amp;Find Radio</translation>
    </message>
    <message>
        <source>Looking for a radio on the USB serial ports...</source>
        <translation>Looking for a radio on the USB serial ports...</translation>
    </message>
    <message>
        <source>No radio answered on the USB serial ports.</source>
        <translation>No radio answered on the USB serial ports.</translation>
    </message>
    <message>
        <source>A radio answers on %1, which none of COM1-COM16 opens.</source>
        <translation>A radio answers on %1, which none of COM1-COM16 opens.</translation>
    </message>
    <message>
        <source>A radio answers on %1 (COM%2).</source>
        <translation>A radio answers on %1 (COM%2).</translation>
    </message>
    <message>
        <source>A radio answers on %1 (COM%2); open this window again to choose it.</source>
        <translation>A radio answers on %1 (COM%2); open this window again to choose it.</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>Read Data</source>
        <translation>Read Data</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>Write Data</translation>
    </message>
    <message>
        <source>Read from the radio; a copy was kept in %1</source>
        <translation>Read from the radio; a copy was kept in %1</translation>
    </message>
    <message>
        <source>Read from the radio; no copy could be kept in %1: %2</source>
        <translation>Read from the radio; no copy could be kept in %1: %2</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>Written to the radio</translation>
    </message>
    <message>
        <source>Written to the radio and verified</source>
        <translation>Written to the radio and verified</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>Progress：</translation>
    </message>
    <message>
        <source>Not start yet</source>
        <translation>Not start yet</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verify after writing</translation>
    </message>
</context>
<context>
    <name>UnsavedChangesDlg</name>
    <message>
        <source>&quot;%1&quot; holds changes that were not saved.</source>
        <translation>"%1" holds changes that were not saved.</translation>
    </message>
    <message>
        <source>Save them before the program closes?</source>
        <translation>Save them before the program closes?</translation>
    </message>
    <message>
        <source>Save them before the document is cleared?</source>
        <translation>Save them before the document is cleared?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CConnectionCheckDlg</name>
    <message>
        <source>Connection Check</source>
        <translation>Connection Check</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Findings:</source>
        <translation>&amp;Findings:</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>Check &amp;Again</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>&amp;Copy Report</translation>
    </message>
    <message>
        <source>All USB serial ports</source>
        <translation>All USB serial ports</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>problem</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>not applicable</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>The check was stopped.</translation>
    </message>
    <message>
        <source>A radio answers on %1.</source>
        <translation>A radio answers on %1.</translation>
    </message>
    <message>
        <source>No radio answered.</source>
        <translation>No radio answered.</translation>
    </message>
    <message>
        <source>The report is on the clipboard, ready to paste into a request for help.</source>
        <translation>The report is on the clipboard, ready to paste into a request for help.</translation>
    </message>
</context>
<context>
    <name>GuiTransferHost</name>
    <message>
        <source>Check Connection...</source>
        <translation>Check Connection...</translation>
    </message>
</context>
</TS>
