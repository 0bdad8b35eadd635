<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ConfigLanTemplate</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Get MAC Address</source>
        <translation>读取 MAC 地址</translation>
    </message>
    <message>
        <source>IP Address :</source>
        <translation>IP 地址：</translation>
    </message>
    <message>
        <source>Subnet Mask :</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway IP :</source>
        <translation>网关 IP：</translation>
    </message>
    <message>
        <source>MAC Address :</source>
        <translation>MAC 地址：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Set MAC Address</source>
        <translation>设置 MAC 地址</translation>
    </message>
    <message>
        <source>DHCP Enable</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Get IP Address</source>
        <translation>读取 IP 地址</translation>
    </message>
    <message>
        <source>Set IP Address</source>
        <translation>设置 IP 地址</translation>
    </message>
    <message>
        <source>Get Subnet Mask</source>
        <translation>读取子网掩码</translation>
    </message>
    <message>
        <source>Set Subnet Mask</source>
        <translation>设置子网掩码</translation>
    </message>
    <message>
        <source>Get Gateway IP</source>
        <translation>读取网关 IP</translation>
    </message>
    <message>
        <source>Set Gateway IP</source>
        <translation>设置网关 IP</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>读取状态</translation>
    </message>
    <message>
        <source>Set Status</source>
        <translation>设置状态</translation>
    </message>
    <message>
        <source>SHIP ID :</source>
        <translation>SHIP ID：</translation>
    </message>
    <message>
        <source>Get SHIP ID</source>
        <translation>读取 SHIP ID</translation>
    </message>
    <message>
        <source>CONFIG LAN</source>
        <translation>LAN 配置</translation>
    </message>
</context>
<context>
    <name>zor::lan::MacAddrEdit</name>
    <message>
        <source>MAC Address</source>
        <translation>MAC 地址</translation>
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
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
</context>
</TS>
