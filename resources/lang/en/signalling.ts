<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CDtmfCallListPage</name>
    <message>
        <source>Fast Call List</source>
        <translation>Fast Call List</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
</context>
<context>
    <name>CDtmfDecodePage</name>
    <message>
        <source>ID Code</source>
        <translation>ID Code</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>Group Code</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>Stun</translation>
    </message>
    <message>
        <source>Stun Activation</source>
        <translation>Stun Activation</translation>
    </message>
    <message>
        <source>Stun Code</source>
        <translation>Stun Code</translation>
    </message>
    <message>
        <source>Stun Type</source>
        <translation>Stun Type</translation>
    </message>
</context>
<context>
    <name>CDtmfDlg</name>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <source>CallList</source>
        <translation>CallList</translation>
    </message>
</context>
<context>
    <name>CDtmfEncodePage</name>
    <message>
        <source>DTMF Speed(digit/s)</source>
        <translation>DTMF Speed(digit/s)</translation>
    </message>
    <message>
        <source>First Digit Delay Time(ms)</source>
        <translation>First Digit Delay Time(ms)</translation>
    </message>
    <message>
        <source>First Digit Time(ms)</source>
        <translation>First Digit Time(ms)</translation>
    </message>
    <message>
        <source>* and # Digit Time(ms)</source>
        <translation>* and # Digit Time(ms)</translation>
    </message>
    <message>
        <source>SideTone</source>
        <translation>SideTone</translation>
    </message>
</context>
<context>
    <name>CTwoToneDecodePage</name>
    <message>
        <source>A Tone(HZ)</source>
        <translation>A Tone(HZ)</translation>
    </message>
    <message>
        <source>B Tone(HZ)</source>
        <translation>B Tone(HZ)</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>The first delay time(s)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>The second delay time(s)</translation>
    </message>
    <message>
        <source>Interval time(s)</source>
        <translation>Interval time(s)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>Long tone delay time(s)</translation>
    </message>
</context>
<context>
    <name>CTwoToneDecodeTab</name>
    <message>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
    <message>
        <source>2-Tone%1</source>
        <translation>2-Tone%1</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decode</translation>
    </message>
</context>
<context>
    <name>CTwoToneEncodePage</name>
    <message>
        <source>Encode</source>
        <translation>Encode</translation>
    </message>
    <message>
        <source>Tone1 Fre</source>
        <translation>Tone1 Fre</translation>
    </message>
    <message>
        <source>Tone2 Fre</source>
        <translation>Tone2 Fre</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>The first delay time(s)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>The second delay time(s)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>Long tone delay time(s)</translation>
    </message>
    <message>
        <source>Tone interval time(ms)</source>
        <translation>Tone interval time(ms)</translation>
    </message>
    <message>
        <source>Tx rise delay time(ms)</source>
        <translation>Tx rise delay time(ms)</translation>
    </message>
    <message>
        <source>Short beep tone</source>
        <translation>Short beep tone</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
</context>
</TS>
