<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Same Rx Frequency and QT/DQT tones as channel %1</source>
        <translation>接收频率和 QT/DQT 亚音与信道 %1 相同</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>Chnnel Name or frequency</source>
        <translation>信道名字或频率</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>The match before (Shift+Enter, Shift+F3)</source>
        <translation>上一个匹配（Shift+Enter、Shift+F3）</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>The next match (Enter, F3)</source>
        <translation>下一个匹配（Enter、F3）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>关闭查找栏（Esc）</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>无匹配</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>第 %1 个，共 %2 个</translation>
    </message>
</context>
<context>
    <name>GridOperations</name>
    <message>
        <source>Sort C&amp;hannels...</source>
        <translation>排序信道(&amp;H)...</translation>
    </message>
    <message>
        <source>Set &amp;Value...</source>
        <translation>设置数值(&amp;V)...</translation>
    </message>
    <message>
        <source>Repeater O&amp;ffset...</source>
        <translation>中继差频(&amp;F)...</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>channels %1 to %2</source>
        <translation>信道 %1 至 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s): %1</source>
        <translation>
            <numerusform>%n 个信道：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorts %1.</source>
        <translation>对%1 排序。</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>排序信道</translation>
    </message>
    <message>
        <source>Sets the value in %1.</source>
        <translation>设置%1 的数值。</translation>
    </message>
    <message>
        <source>Nothing was changed: channel %1 does not take &quot;%2&quot; as its %3.</source>
        <translation>没有任何更改：信道 %1 的%3不接受“%2”。</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>设置%1</translation>
    </message>
    <message>
        <source>Nothing was changed: the selection (%1) holds no channel in use. A blank channel takes only an Rx Frequency.</source>
        <translation>没有任何更改：所选范围（%1）中没有使用中的信道。空信道只能设置接收频率。</translation>
    </message>
    <message>
        <source>Nothing was changed: the selection (%1) holds no channel with an Rx Frequency.</source>
        <translation>没有任何更改：所选范围（%1）中没有带接收频率的信道。</translation>
    </message>
    <message>
        <source>Sets the Tx Frequency of %1.</source>
        <translation>设置%1 的发射频率。</translation>
    </message>
    <message>
        <source>Nothing was changed: channel %1 would get the Tx Frequency %2.</source>
        <translation>没有任何更改：信道 %1 的发射频率将为 %2。</translation>
    </message>
    <message>
        <source>Nothing was changed: channel %1: %2</source>
        <translation>没有任何更改：信道 %1：%2</translation>
    </message>
    <message>
        <source>Repeater Offset</source>
        <translation>中继差频</translation>
    </message>
</context>
<context>
    <name>RepeaterOffsetDlg</name>
    <message>
        <source>Repeater Offset</source>
        <translation>中继差频</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Rx Frequency &amp;plus the offset (+)</source>
        <translation>接收频率加差频(&amp;P)（+）</translation>
    </message>
    <message>
        <source>Rx Frequency &amp;minus the offset (−)</source>
        <translation>接收频率减差频(&amp;M)（−）</translation>
    </message>
    <message>
        <source>&amp;Offset (kHz):</source>
        <translation>差频（kHz）(&amp;O)：</translation>
    </message>
    <message>
        <source>by band</source>
        <translation>按频段</translation>
    </message>
    <message>
        <source>Left empty, each channel takes the split of its band: 600 kHz at 144-148 MHz, 5000 kHz at 420-450 MHz. A Tx Frequency outside the band limits changes no row.</source>
        <translation>留空时，每个信道使用其频段的差频：144-148 MHz 为 600 kHz，420-450 MHz 为 5000 kHz。发射频率超出频段范围时，不更改任何行。</translation>
    </message>
    <message>
        <source>The offset is a number of kHz above 0, at most two decimals (7.6 or 600), up to 533000. Leave it empty for the split of each channel&apos;s band.</source>
        <translation>差频是大于 0 的 kHz 数，最多两位小数（如 7.6 或 600），最大 533000。留空则每个信道使用其频段的差频。</translation>
    </message>
</context>
<context>
    <name>SetValueDlg</name>
    <message>
        <source>Set Value</source>
        <translation>设置数值</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <translation>列(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>数值(&amp;V)：</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Each row takes the value as if it were typed into its cell; if any row refuses it, no row changes. Blank channels take only an Rx Frequency.</source>
        <translation>每一行都按在其单元格中输入该数值的规则接受它；只要有一行不接受，所有行都不更改。空信道只能设置接收频率。</translation>
    </message>
</context>
<context>
    <name>SortChannelsDlg</name>
    <message>
        <source>Sort Channels</source>
        <translation>排序信道</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>排序依据(&amp;B)：</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>顺序</translation>
    </message>
    <message>
        <source>&amp;Ascending (low to high, A to Z)</source>
        <translation>升序（从低到高，A 到 Z）(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending (high to low, Z to A)</source>
        <translation>降序（从高到低，Z 到 A）(&amp;D)</translation>
    </message>
    <message>
        <source>Blank channels go last. Channels with equal values keep their order. Channel Fr keeps its place.</source>
        <translation>空信道排在最后。数值相同的信道保持原有顺序。信道 Fr 保持原位。</translation>
    </message>
</context>
</TS>
