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
    <message>
        <source>&amp;Find Radio</source>
        <translation>查找对讲机(&amp;F)</translation>
    </message>
    <message>
        <source>Looking for a radio on the USB serial ports...</source>
        <translation>正在各 USB 串口上查找对讲机...</translation>
    </message>
    <message>
        <source>No radio answered on the USB serial ports.</source>
        <translation>各 USB 串口上都没有对讲机应答。</translation>
    </message>
    <message>
        <source>A radio answers on %1, which none of COM1-COM16 opens.</source>
        <translation>对讲机在 %1 上应答,但 COM1-COM16 都不打开它。</translation>
    </message>
    <message>
        <source>A radio answers on %1 (COM%2).</source>
        <translation>对讲机在 %1(COM%2)上应答。</translation>
    </message>
    <message>
        <source>A radio answers on %1 (COM%2); open this window again to choose it.</source>
        <translation>对讲机在 %1(COM%2)上应答;请重新打开本窗口再选择它。</translation>
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
<context>
    <name>CConnectionCheckDlg</name>
    <message>
        <source>Connection Check</source>
        <translation>连接检查</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>端口(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Findings:</source>
        <translation>检查结果(&amp;F):</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>再检查一次(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>复制报告(&amp;C)</translation>
    </message>
    <message>
        <source>All USB serial ports</source>
        <translation>所有 USB 串口</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>正在检查...</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>不适用</translation>
    </message>
    <message>
        <source>The check was stopped.</source>
        <translation>检查已停止。</translation>
    </message>
    <message>
        <source>A radio answers on %1.</source>
        <translation>对讲机在 %1 上应答。</translation>
    </message>
    <message>
        <source>No radio answered.</source>
        <translation>没有对讲机应答。</translation>
    </message>
    <message>
        <source>The report is on the clipboard, ready to paste into a request for help.</source>
        <translation>报告已复制到剪贴板,可以粘贴到求助信息中。</translation>
    </message>
</context>
<context>
    <name>GuiTransferHost</name>
    <message>
        <source>Check Connection...</source>
        <translation>检查连接...</translation>
    </message>
</context>
</TS>
