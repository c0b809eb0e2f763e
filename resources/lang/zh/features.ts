<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>发射限时(秒)</translation>
    </message>
    <message>
        <source>TOT Pre-Alert (s)</source>
        <translation>发射限时预警(秒)</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <source>Step (k)</source>
        <translation>步进(k)</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Display Mode</source>
        <translation>显示方式</translation>
    </message>
    <message>
        <source>Back Light</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Back Light Color</source>
        <translation>背光颜色</translation>
    </message>
    <message>
        <source>Power-on Style</source>
        <translation>开机显示</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Tail</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>键盘锁定</translation>
    </message>
    <message>
        <source>Short Press Orange Key</source>
        <translation>短按橙色键</translation>
    </message>
    <message>
        <source>STR Set</source>
        <translation>STR设置</translation>
    </message>
    <message>
        <source>Allow Reset</source>
        <translation>允许复位</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
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
        <translation>ID码</translation>
    </message>
    <message>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>编号</translation>
    </message>
</context>
<context>
    <name>CKeyAssignDlg</name>
    <message>
        <source>Key Assignment</source>
        <translation>按键定义</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>侧键</translation>
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
