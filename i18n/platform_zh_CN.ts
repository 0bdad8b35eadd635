<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>platform::Dialog</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入整数。</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>请输入正整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入介于 %1 和 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>zor::platform::Dialog</name>
    <message>
        <source>&amp;System</source>
        <translation>系统(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>zor::platform::IpAddressCtrl</name>
    <message>
        <source>IP address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>%1 field %2</source>
        <translation>%1 第 %2 段</translation>
    </message>
</context>
<context>
    <name>zor::platform::UpDown</name>
    <message>
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>减少</translation>
    </message>
</context>
</TS>
