<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CFleetDlg</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>文档：</translation>
    </message>
    <message>
        <source>&amp;Values file:</source>
        <translation>值文件(&amp;V)：</translation>
    </message>
    <message>
        <source>none: every radio gets the document as it is, labelled 1, 2, 3...</source>
        <translation>无：每台对讲机都写入原样的文档，依次编号 1、2、3……</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>浏览(&amp;R)...</translation>
    </message>
    <message>
        <source>Re&amp;port file:</source>
        <translation>记录文件(&amp;P)：</translation>
    </message>
    <message>
        <source>none: no report is kept</source>
        <translation>无：不保留记录</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>浏览(&amp;W)...</translation>
    </message>
    <message>
        <source>Radios of the values &amp;file:</source>
        <translation>值文件中的对讲机(&amp;F)：</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>值</translation>
    </message>
    <message>
        <source>&amp;Back up each radio before writing it</source>
        <translation>写入前先备份每台对讲机(&amp;B)</translation>
    </message>
    <message>
        <source>V&amp;erify each write</source>
        <translation>校验每次写入(&amp;E)</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>Next &amp;All</source>
        <translation>全部下一台(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel All</source>
        <translation>全部取消(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Progress of COM%1</source>
        <translation>COM%1 的进度</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一台</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Radios are being programmed: press Cancel All, or wait until they are done, before closing.</source>
        <translation>正在写入对讲机：请先按“全部取消”，或等待写入完成后再关闭。</translation>
    </message>
    <message>
        <source>Values File</source>
        <translation>值文件</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Report File</source>
        <translation>记录文件</translation>
    </message>
    <message>
        <source>The values file cannot be used: %1</source>
        <translation>值文件无法使用：%1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Tick the ports the radios are on.</source>
        <translation>请勾选接有对讲机的串口。</translation>
    </message>
    <message>
        <source>The backup folder %1 cannot be made.</source>
        <translation>无法创建备份文件夹 %1。</translation>
    </message>
    <message>
        <source>No radio is left in the values file.</source>
        <translation>值文件中已没有待写的对讲机。</translation>
    </message>
    <message>
        <source>Waiting for the radio...</source>
        <translation>正在等待对讲机...</translation>
    </message>
    <message>
        <source>Backing up</source>
        <translation>正在备份</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>(not in the report: %1)</source>
        <translation>（未写入记录：%1）</translation>
    </message>
</context>
</TS>
