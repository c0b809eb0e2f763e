<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>HelpController</name>
    <message>
        <source>The help window cannot be opened: %1</source>
        <translation>The help window cannot be opened: %1</translation>
    </message>
</context>
<context>
    <name>ProgramModule</name>
    <message>
        <source>%1 was not found beside the program nor in %2.</source>
        <translation>%1 was not found beside the program nor in %2.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Type a keyword</translation>
    </message>
    <message>
        <source>The help file %1 could not be found.</source>
        <translation>The help file %1 could not be found.</translation>
    </message>
    <message>
        <source>There is no topic for help context %1; here is the first page.</source>
        <translation>There is no topic for help context %1; here is the first page.</translation>
    </message>
    <message>
        <source>Also about this: %1</source>
        <translation>Also about this: %1</translation>
    </message>
</context>
</TS>
