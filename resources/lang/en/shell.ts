<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Settings: %1</source>
        <translation>Settings: %1</translation>
    </message>
    <message>
        <source>Programming software for VHF/UHF FM hand-held radios</source>
        <translation>Programming software for VHF/UHF FM hand-held radios</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>LockKeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>NavigationTitleBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range, please input again.</source>
        <translation>Out of range, please input again.</translation>
    </message>
    <message>
        <source>Error Data Format, please input again.</source>
        <translation>Error Data Format, please input again.</translation>
    </message>
    <message>
        <source>Not received enough byte</source>
        <translation>Not received enough byte</translation>
    </message>
    <message>
        <source>Communication Error, Please check all the connections and the radio power</source>
        <translation>Communication Error, Please check all the connections and the radio power</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>All data will be Cleared!</translation>
    </message>
    <message>
        <source>Could not Open the Port, Please check whether the Port are occupied or the device are ok</source>
        <translation>Could not Open the Port, Please check whether the Port are occupied or the device are ok</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>Program Interrupt, Please reset the radio and try again</translation>
    </message>
    <message>
        <source>

The frequency band over the range of the radio.
Click the OK button to continue, or click Cancel button to exit.</source>
        <translation>

The frequency band over the range of the radio.
Click the OK button to continue, or click Cancel button to exit.</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
    </message>
    <message>
        <source>Error had happen, need try again</source>
        <translation>Error had happen, need try again</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>Caution</translation>
    </message>
</context>
<context>
    <name>CProgramApp</name>
    <message>
        <source>The new language could not be written to %1, so the program keeps its language. Check that the folder of that file can be written to.</source>
        <translation>The new language could not be written to %1, so the program keeps its language. Check that the folder of that file can be written to.</translation>
    </message>
</context>
<context>
    <name>LanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
</context>
</TS>
