<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ParamAdjustDlg</name>
    <message>
        <source>Param Adjust</source>
        <translation>Param Adjust</translation>
    </message>
    <message>
        <source>Mic input gain (ana)</source>
        <translation>Mic input gain (ana)</translation>
    </message>
    <message>
        <source>Mic input gain (digit)</source>
        <translation>Mic input gain (digit)</translation>
    </message>
    <message>
        <source>Mic amp gain</source>
        <translation>Mic amp gain</translation>
    </message>
    <message>
        <source>Max amp offset</source>
        <translation>Max amp offset</translation>
    </message>
    <message>
        <source>Tone amp offset (ana)</source>
        <translation>Tone amp offset (ana)</translation>
    </message>
    <message>
        <source>Tone amp offset (digit)</source>
        <translation>Tone amp offset (digit)</translation>
    </message>
    <message>
        <source>V Narrow Sql Difference</source>
        <translation>V Narrow Sql Difference</translation>
    </message>
    <message>
        <source>U Narrow Sql Difference</source>
        <translation>U Narrow Sql Difference</translation>
    </message>
    <message>
        <source>Squelch detect</source>
        <translation>Squelch detect</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>ServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>SoftwareInfoDlg</name>
    <message>
        <source>Software Infomation</source>
        <translation>Software Infomation</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Freq Band</source>
        <translation>Freq Band</translation>
    </message>
    <message>
        <source>Low Freq 1</source>
        <translation>Low Freq 1</translation>
    </message>
    <message>
        <source>High Freq 1</source>
        <translation>High Freq 1</translation>
    </message>
    <message>
        <source>Low Freq 2</source>
        <translation>Low Freq 2</translation>
    </message>
    <message>
        <source>High Freq 2</source>
        <translation>High Freq 2</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
</context>
<context>
    <name>SqlTuningDlg</name>
    <message>
        <source>SQL Tuning</source>
        <translation>SQL Tuning</translation>
    </message>
    <message>
        <source>Sql (5 - 100)</source>
        <translation>Sql (5 - 100)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
</context>
</TS>
