<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <source>TOT Pre-Alert (s)</source>
        <translation>TOT Pre-Alert (s)</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>Vox Gain Level</translation>
    </message>
    <message>
        <source>Step (k)</source>
        <translation>Step (k)</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>Scan Mode</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>Priority Channel</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>Display Mode</translation>
    </message>
    <message>
        <source>Back Light</source>
        <translation>Back Light</translation>
    </message>
    <message>
        <source>Back Light Color</source>
        <translation>Back Light Color</translation>
    </message>
    <message>
        <source>Power-on Style</source>
        <translation>Power-on Style</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stopwatch</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>Tail</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Key Lock</translation>
    </message>
    <message>
        <source>Short Press Orange Key</source>
        <translation>Short Press Orange Key</translation>
    </message>
    <message>
        <source>STR Set</source>
        <translation>STR Set</translation>
    </message>
    <message>
        <source>Allow Reset</source>
        <translation>Allow Reset</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>CMskDlg</name>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>ID Code</source>
        <translation>ID Code</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>Call List</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
</context>
<context>
    <name>CKeyAssignDlg</name>
    <message>
        <source>Key Assignment</source>
        <translation>Key Assignment</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Side Key</translation>
    </message>
    <message>
        <source>Option Singalling Call</source>
        <translation>Option Singalling Call</translation>
    </message>
    <message>
        <source>Emergency Call</source>
        <translation>Emergency Call</translation>
    </message>
    <message>
        <source>Send 1750Hz Singal</source>
        <translation>Send 1750Hz Singal</translation>
    </message>
    <message>
        <source>Squelch Off Momentary</source>
        <translation>Squelch Off Momentary</translation>
    </message>
</context>
</TS>
