<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Same Rx Frequency and QT/DQT tones as channel %1</source>
        <translation>Same Rx Frequency and QT/DQT tones as channel %1</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Chnnel Name or frequency</source>
        <translation>Chnnel Name or frequency</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>The match before (Shift+Enter, Shift+F3)</source>
        <translation>The match before (Shift+Enter, Shift+F3)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>The next match (Enter, F3)</source>
        <translation>The next match (Enter, F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Close the find bar (Esc)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>No match</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>GridOperations</name>
    <message>
        <source>Sort C&amp;hannels...</source>
        <translation>Sort C&amp;hannels...</translation>
    </message>
    <message>
        <source>Set &amp;Value...</source>
        <translation>Set &amp;Value...</translation>
    </message>
    <message>
        <source>Repeater O&amp;ffset...</source>
        <translation>Repeater O&amp;ffset...</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <source>channels %1 to %2</source>
        <translation>channels %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s): %1</source>
        <translation>
            <numerusform>%n channel: %1</numerusform>
            <numerusform>%n channels: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sorts %1.</source>
        <translation>Sorts %1.</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>Sort Channels</translation>
    </message>
    <message>
        <source>Sets the value in %1.</source>
        <translation>Sets the value in %1.</translation>
    </message>
    <message>
        <source>Nothing was changed: channel %1 does not take &quot;%2&quot; as its %3.</source>
        <translation>Nothing was changed: channel %1 does not take &quot;%2&quot; as its %3.</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Nothing was changed: the selection (%1) holds no channel in use. A blank channel takes only an Rx Frequency.</source>
        <translation>Nothing was changed: the selection (%1) holds no channel in use. A blank channel takes only an Rx Frequency.</translation>
    </message>
    <message>
        <source>Nothing was changed: the selection (%1) holds no channel with an Rx Frequency.</source>
        <translation>Nothing was changed: the selection (%1) holds no channel with an Rx Frequency.</translation>
    </message>
    <message>
        <source>Sets the Tx Frequency of %1.</source>
        <translation>Sets the Tx Frequency of %1.</translation>
    </message>
    <message>
        <source>Nothing was changed: channel %1 would get the Tx Frequency %2.</source>
        <translation>Nothing was changed: channel %1 would get the Tx Frequency %2.</translation>
    </message>
    <message>
        <source>Nothing was changed: channel %1: %2</source>
        <translation>Nothing was changed: channel %1: %2</translation>
    </message>
    <message>
        <source>Repeater Offset</source>
        <translation>Repeater Offset</translation>
    </message>
</context>
<context>
    <name>RepeaterOffsetDlg</name>
    <message>
        <source>Repeater Offset</source>
        <translation>Repeater Offset</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx Frequency</translation>
    </message>
    <message>
        <source>Rx Frequency &amp;plus the offset (+)</source>
        <translation>Rx Frequency &amp;plus the offset (+)</translation>
    </message>
    <message>
        <source>Rx Frequency &amp;minus the offset (−)</source>
        <translation>Rx Frequency &amp;minus the offset (−)</translation>
    </message>
    <message>
        <source>&amp;Offset (kHz):</source>
        <translation>&amp;Offset (kHz):</translation>
    </message>
    <message>
        <source>by band</source>
        <translation>by band</translation>
    </message>
    <message>
        <source>Left empty, each channel takes the split of its band: 600 kHz at 144-148 MHz, 5000 kHz at 420-450 MHz. A Tx Frequency outside the band limits changes no row.</source>
        <translation>Left empty, each channel takes the split of its band: 600 kHz at 144-148 MHz, 5000 kHz at 420-450 MHz. A Tx Frequency outside the band limits changes no row.</translation>
    </message>
    <message>
        <source>The offset is a number of kHz above 0, at most two decimals (7.6 or 600), up to 533000. Leave it empty for the split of each channel&apos;s band.</source>
        <translation>The offset is a number of kHz above 0, at most two decimals (7.6 or 600), up to 533000. Leave it empty for the split of each channel&apos;s band.</translation>
    </message>
</context>
<context>
    <name>SetValueDlg</name>
    <message>
        <source>Set Value</source>
        <translation>Set Value</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <translation>&amp;Column:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Value:</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Each row takes the value as if it were typed into its cell; if any row refuses it, no row changes. Blank channels take only an Rx Frequency.</source>
        <translation>Each row takes the value as if it were typed into its cell; if any row refuses it, no row changes. Blank channels take only an Rx Frequency.</translation>
    </message>
</context>
<context>
    <name>SortChannelsDlg</name>
    <message>
        <source>Sort Channels</source>
        <translation>Sort Channels</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>Sort &amp;by:</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>&amp;Ascending (low to high, A to Z)</source>
        <translation>&amp;Ascending (low to high, A to Z)</translation>
    </message>
    <message>
        <source>&amp;Descending (high to low, Z to A)</source>
        <translation>&amp;Descending (high to low, Z to A)</translation>
    </message>
    <message>
        <source>Blank channels go last. Channels with equal values keep their order. Channel Fr keeps its place.</source>
        <translation>Blank channels go last. Channels with equal values keep their order. Channel Fr keeps its place.</translation>
    </message>
</context>
</TS>
