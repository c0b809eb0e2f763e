<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BackupCopies</name>
    <message>
        <source>the folder could not be created</source>
        <translation>无法创建该文件夹</translation>
    </message>
</context>
<context>
    <name>CMyDocManager</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Cannot open %1.
The file is %2 bytes long; a codeplug file holds exactly 4096 bytes.</source>
        <translation>无法打开 %1。
该文件长度为 %2 字节；写频数据文件必须正好是 4096 字节。</translation>
    </message>
    <message>
        <source>Cannot open %1.
The file could not be opened: %2</source>
        <translation>无法打开 %1。
文件打不开：%2</translation>
    </message>
    <message>
        <source>Cannot open %1.
The file could not be read: %2</source>
        <translation>无法打开 %1。
文件读取失败：%2</translation>
    </message>
    <message>
        <source>Cannot save %1.
The file could not be written: %2</source>
        <translation>无法保存 %1。
文件写入失败：%2</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
</context>
<context>
    <name>CProgramDoc</name>
    <message>
        <source>the radio&apos;s memory read at %1</source>
        <translation>%1 读取的对讲机数据</translation>
    </message>
    <message>
        <source>a new document</source>
        <translation>新文档</translation>
    </message>
</context>
<context>
    <name>CPortSettingDlg</name>
    <message>
        <source>Port Setting</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>Read Data</source>
        <translation>读数据</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>写数据</translation>
    </message>
    <message>
        <source>Read from the radio; a copy was kept in %1</source>
        <translation>已从对讲机读取数据；备份已保存到 %1</translation>
    </message>
    <message>
        <source>Read from the radio; no copy could be kept in %1: %2</source>
        <translation>已从对讲机读取数据；但无法在 %1 保存备份：%2</translation>
    </message>
    <message>
        <source>Written to the radio</source>
        <translation>已写入对讲机</translation>
    </message>
    <message>
        <source>Written to the radio and verified</source>
        <translation>已写入对讲机并校验无误</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>进度：</translation>
    </message>
    <message>
        <source>Not start yet</source>
        <translation>尚未开始</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
</context>
<context>
    <name>UnsavedChangesDlg</name>
    <message>
        <source>&quot;%1&quot; holds changes that were not saved.</source>
        <translation>“%1”中有尚未保存的修改。</translation>
    </message>
    <message>
        <source>Save them before the program closes?</source>
        <translation>关闭程序前要保存吗？</translation>
    </message>
    <message>
        <source>Save them before the document is cleared?</source>
        <translation>清除这个文档前要保存吗？</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
