<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ParamAdjustDlg</name>
    <message>
        <source>Param Adjust</source>
        <translation>参数调整</translation>
    </message>
    <message>
        <source>Mic input gain (ana)</source>
        <translation>麦克风输入增益(模拟)</translation>
    </message>
    <message>
        <source>Mic input gain (digit)</source>
        <translation>麦克风输入增益(数字)</translation>
    </message>
    <message>
        <source>Mic amp gain</source>
        <translation>麦克风放大增益</translation>
    </message>
    <message>
        <source>Max amp offset</source>
        <translation>最大调制偏移</translation>
    </message>
    <message>
        <source>Tone amp offset (ana)</source>
        <translation>信令调制偏移(模拟)</translation>
    </message>
    <message>
        <source>Tone amp offset (digit)</source>
        <translation>信令调制偏移(数字)</translation>
    </message>
    <message>
        <source>V Narrow Sql Difference</source>
        <translation>V段窄带静噪差值</translation>
    </message>
    <message>
        <source>U Narrow Sql Difference</source>
        <translation>U段窄带静噪差值</translation>
    </message>
    <message>
        <source>Squelch detect</source>
        <translation>静噪检测</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>ServicePasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
</context>
<context>
    <name>SoftwareInfoDlg</name>
    <message>
        <source>Software Infomation</source>
        <translation>软件信息</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Freq Band</source>
        <translation>频段</translation>
    </message>
    <message>
        <source>Low Freq 1</source>
        <translation>低端频率 1</translation>
    </message>
    <message>
        <source>High Freq 1</source>
        <translation>高端频率 1</translation>
    </message>
    <message>
        <source>Low Freq 2</source>
        <translation>低端频率 2</translation>
    </message>
    <message>
        <source>High Freq 2</source>
        <translation>高端频率 2</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>SqlTuningDlg</name>
    <message>
        <source>SQL Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <source>Sql (5 - 100)</source>
        <translation>Sql (5 - 100)</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
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
