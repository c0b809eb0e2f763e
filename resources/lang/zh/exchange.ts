<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
</context>
<context>
    <name>GridOperations</name>
    <message>
        <source>%1 works on channels 1 to 128. Channel Fr keeps its place: take it out of the selection.</source>
        <translation>%1 只处理信道 1 至 128。信道 Fr 保持原位：请不要选择它。</translation>
    </message>
    <message>
        <source>Copy and Cut take one block of cells. Select whole rows by their numbers, or one rectangle of cells.</source>
        <translation>复制和剪切只能处理一块单元格。请单击行号选择整行，或选择一个矩形单元格区域。</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard does not hold cells.</source>
        <translation>没有粘贴任何内容：剪贴板中不是单元格。</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>没有粘贴任何内容。</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>……另有 %n 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel %1, %2 &quot;%3&quot;: %4</source>
        <translation>信道 %1，%2“%3”：%4</translation>
    </message>
    <message>
        <source>Nothing was pasted: the channel table does not take these cells.</source>
        <translation>没有粘贴任何内容：信道表不接受以下单元格。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Insert Row</source>
        <translation>插入行</translation>
    </message>
    <message numerus="yes">
        <source>Inserting moves the channels below down by %n row(s). Channel %1 at the end of the table has no row to go to and is removed. Insert the rows? (Undo brings it back.)</source>
        <translation>
            <numerusform>插入会使下方的信道下移 %n 行。表末尾的信道 %1 没有位置可去，将被移除。是否插入？（撤销可以恢复。）</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete Row</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>插入行(&amp;I)</translation>
    </message>
    <message>
        <source>Delete Ro&amp;w</source>
        <translation>删除行(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>上移(&amp;M)</translation>
    </message>
    <message>
        <source>Move Dow&amp;n</source>
        <translation>下移(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ImportReportDlg</name>
    <message>
        <source>Import CSV</source>
        <translation>导入 CSV</translation>
    </message>
    <message>
        <source>&amp;Blank channels 1 to 128 that the file does not name</source>
        <translation>清空文件未提到的信道 1 至 128(&amp;B)</translation>
    </message>
    <message>
        <source>Take &amp;Location 0 into channel Fr</source>
        <translation>把 Location 0 读入信道 Fr(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Rows skipped or changed:</source>
        <translation>跳过或更改的行(&amp;R)：</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行号</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>处理</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>how many rows are taken, how many skipped</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>已采用</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be taken from the file.</source>
        <translation>
            <numerusform>将从文件中采用 %n 个信道。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the file are skipped.</source>
        <translation>
            <numerusform>文件中有 %n 行被跳过。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvExchange</name>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>导入 CSV</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>没有从 %1 导入任何内容。</translation>
    </message>
</context>
</TS>
