<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CDtmfCallListPage</name>
    <message>
        <source>Fast Call List</source>
        <translation>快速呼叫列表</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
</context>
<context>
    <name>CDtmfDecodePage</name>
    <message>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
    <message>
        <source>Group Code</source>
        <translation>组码</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <source>Stun Activation</source>
        <translation>遥毙启用</translation>
    </message>
    <message>
        <source>Stun Code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Stun Type</source>
        <translation>遥毙类型</translation>
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
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>CallList</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>CDtmfEncodePage</name>
    <message>
        <source>DTMF Speed(digit/s)</source>
        <translation>DTMF速率(位/秒)</translation>
    </message>
    <message>
        <source>First Digit Delay Time(ms)</source>
        <translation>首位延迟时间(毫秒)</translation>
    </message>
    <message>
        <source>First Digit Time(ms)</source>
        <translation>首位持续时间(毫秒)</translation>
    </message>
    <message>
        <source>* and # Digit Time(ms)</source>
        <translation>*和#持续时间(毫秒)</translation>
    </message>
    <message>
        <source>SideTone</source>
        <translation>侧音</translation>
    </message>
</context>
<context>
    <name>CTwoToneDecodePage</name>
    <message>
        <source>A Tone(HZ)</source>
        <translation>A音(HZ)</translation>
    </message>
    <message>
        <source>B Tone(HZ)</source>
        <translation>B音(HZ)</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>第一延迟时间(秒)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>第二延迟时间(秒)</translation>
    </message>
    <message>
        <source>Interval time(s)</source>
        <translation>间隔时间(秒)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>长音延迟时间(秒)</translation>
    </message>
</context>
<context>
    <name>CTwoToneDecodeTab</name>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <source>2-Tone%1</source>
        <translation>两音%1</translation>
    </message>
</context>
<context>
    <name>CTwoToneDlg</name>
    <message>
        <source>2-Tone</source>
        <translation>两音</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
</context>
<context>
    <name>CTwoToneEncodePage</name>
    <message>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Tone1 Fre</source>
        <translation>音频1</translation>
    </message>
    <message>
        <source>Tone2 Fre</source>
        <translation>音频2</translation>
    </message>
    <message>
        <source>The first delay time(s)</source>
        <translation>第一延迟时间(秒)</translation>
    </message>
    <message>
        <source>The second delay time(s)</source>
        <translation>第二延迟时间(秒)</translation>
    </message>
    <message>
        <source>Long tone delay time(s)</source>
        <translation>长音延迟时间(秒)</translation>
    </message>
    <message>
        <source>Tone interval time(ms)</source>
        <translation>音间隔时间(ms)</translation>
    </message>
    <message>
        <source>Tx rise delay time(ms)</source>
        <translation>发射上升延迟时间(ms)</translation>
    </message>
    <message>
        <source>Short beep tone</source>
        <translation>短提示音</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
</context>
</TS>
