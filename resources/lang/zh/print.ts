<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>PrintCommands</name>
    <message>
        <source>Printing cannot be started: %1</source>
        <translation>无法开始打印：%1</translation>
    </message>
</context>
<context>
    <name>PrintListDlg</name>
    <message>
        <source>PrintList</source>
        <translation>打印列表</translation>
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
        <translation>可选功能</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Channel Info</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
</context>
<context>
    <name>PrintSession</name>
    <message>
        <source>The sections chosen have no pages to print.</source>
        <translation>所选的部分没有可打印的页。</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF file %1 could not be written: %2</source>
        <translation>无法写入 PDF 文件 %1：%2</translation>
    </message>
</context>
</TS>
