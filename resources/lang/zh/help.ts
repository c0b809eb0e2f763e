<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>HelpController</name>
    <message>
        <source>The help window cannot be opened: %1</source>
        <translation>无法打开帮助窗口：%1</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 was not found beside the program nor in %2.</source>
        <translation>在程序所在的文件夹和 %2 中都找不到 %1。</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>导航</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>输入关键词</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>找不到帮助文件 %1。</translation>
    </message>
    <message>
        <source>There is no topic for help context %1; here is the first page.</source>
        <translation>帮助编号 %1 没有对应的主题，下面是帮助的第一页。</translation>
    </message>
    <message>
        <source>Also about this: %1</source>
        <translation>相关主题：%1</translation>
    </message>
</context>
</TS>
