<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Software exit</source>
        <translation>軟體退出</translation>
    </message>
    <message>
        <source>Conflict, software out of operation!</source>
        <translation>發生衝突，軟體已停止運作！</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>DLoginWidget</name>
    <message>
        <source>Form</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>登入</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
</context>
</TS>
