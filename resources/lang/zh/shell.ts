<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDlg</name>
    <message>
        <source>Settings: %1</source>
        <translation>设置文件：%1</translation>
    </message>
    <message>
        <source>Programming software for VHF/UHF FM hand-held radios</source>
        <translation>VHF/UHF 调频手持对讲机写频软件</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>对讲机</translation>
    </message>
</context>
<context>
    <name>LockKeyIndicators</name>
    <message>
        <source>CAP</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>滚动</translation>
    </message>
</context>
<context>
    <name>NavigationTitleBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Out of range, please input again.</source>
        <translation>超出范围，请重新输入。</translation>
    </message>
    <message>
        <source>Error Data Format, please input again.</source>
        <translation>数据格式错误，请重新输入。</translation>
    </message>
    <message>
        <source>Not received enough byte</source>
        <translation>未收到足够的字节</translation>
    </message>
    <message>
        <source>Communication Error, Please check all the connections and the radio power</source>
        <translation>通信错误，请检查所有连接和对讲机电源</translation>
    </message>
    <message>
        <source>All data will be Cleared!</source>
        <translation>所有数据将被清除！</translation>
    </message>
    <message>
        <source>Could not Open the Port, Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开串口，请检查串口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Program Interrupt, Please reset the radio and try again</source>
        <translation>写频中断，请重启对讲机后再试</translation>
    </message>
    <message>
        <source>

The frequency band over the range of the radio.
Click the OK button to continue, or click Cancel button to exit.</source>
        <translation>

频段超出了对讲机的范围。
单击“确定”继续，或单击“取消”退出。</translation>
    </message>
    <message>
        <source>Error data Value, please input according the step value(6.25K/5k).</source>
        <translation>数据值错误，请按步进值（6.25K/5K）输入。</translation>
    </message>
    <message>
        <source>Error had happen, need try again</source>
        <translation>发生错误，请重试</translation>
    </message>
    <message>
        <source>Caution</source>
        <translation>注意</translation>
    </message>
</context>
<context>
    <name>CProgramApp</name>
    <message>
        <source>The new language could not be written to %1, so the program keeps its language. Check that the folder of that file can be written to.</source>
        <translation>无法将新的语言写入 %1，程序仍使用原来的语言。请检查该文件所在的文件夹是否可以写入。</translation>
    </message>
</context>
<context>
    <name>LanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
</context>
</TS>
