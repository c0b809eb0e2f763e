<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>本文档</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>另一方</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open as New Document</source>
        <translation>作为新文档打开(&amp;O)</translation>
    </message>
    <message>
        <source>%1 holds the same as this document.</source>
        <translation>%1 与本文档相同。</translation>
    </message>
    <message>
        <source>%1 compared with this document: %2 differing</source>
        <translation>%1 与本文档比较：%2 处不同</translation>
    </message>
</context>
<context>
    <name>MemoryMapWindow</name>
    <message>
        <source>Memory Map</source>
        <translation>存储器映像</translation>
    </message>
</context>
</TS>
