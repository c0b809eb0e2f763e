<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CFleetDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>Program Several Radios</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Document:</translation>
    </message>
    <message>
        <source>&amp;Values file:</source>
        <translation>&amp;Values file:</translation>
    </message>
    <message>
        <source>none: every radio gets the document as it is, labelled 1, 2, 3...</source>
        <translation>none: every radio gets the document as it is, labelled 1, 2, 3...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>Re&amp;port file:</source>
        <translation>Re&amp;port file:</translation>
    </message>
    <message>
        <source>none: no report is kept</source>
        <translation>none: no report is kept</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bro&amp;wse...</translation>
    </message>
    <message>
        <source>Radios of the values &amp;file:</source>
        <translation>Radios of the values &amp;file:</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>&amp;Back up each radio before writing it</source>
        <translation>&amp;Back up each radio before writing it</translation>
    </message>
    <message>
        <source>V&amp;erify each write</source>
        <translation>V&amp;erify each write</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Next &amp;All</source>
        <translation>Next &amp;All</translation>
    </message>
    <message>
        <source>&amp;Cancel All</source>
        <translation>&amp;Cancel All</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Progress of COM%1</source>
        <translation>Progress of COM%1</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Radios are being programmed: press Cancel All, or wait until they are done, before closing.</source>
        <translation>Radios are being programmed: press Cancel All, or wait until they are done, before closing.</translation>
    </message>
    <message>
        <source>Values File</source>
        <translation>Values File</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Report File</source>
        <translation>Report File</translation>
    </message>
    <message>
        <source>The values file cannot be used: %1</source>
        <translation>The values file cannot be used: %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>done</translation>
    </message>
    <message>
        <source>Tick the ports the radios are on.</source>
        <translation>Tick the ports the radios are on.</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made.</source>
        <translation>The backup folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>No radio is left in the values file.</source>
        <translation>No radio is left in the values file.</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>Waiting for the radio...</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>Backing up</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>(not in the report: %1)</source>
        <translation>(not in the report: %1)</translation>
    </message>
</context>
</TS>
