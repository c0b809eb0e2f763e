<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>This document</source>
        <translation>This document</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Open as New Document</source>
        <translation>&amp;Open as New Document</translation>
    </message>
    <message>
        <source>%1 holds the same as this document.</source>
        <translation>%1 holds the same as this document.</translation>
    </message>
    <message>
        <source>%1 compared with this document: %2 differing</source>
        <translation>%1 compared with this document: %2 differing</translation>
    </message>
</context>
<context>
    <name>MemoryMapWindow</name>
    <message>
        <source>Memory Map</source>
        <translation>Memory Map</translation>
    </message>
</context>
</TS>
