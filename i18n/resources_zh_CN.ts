<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutBoxTemplate</name>
    <message>
        <source>ZORSystemMaintence</source>
        <translation>ZORSystemMaintence</translation>
    </message>
    <message>
        <source>ZORSystemMaintence Version 1.0</source>
        <translation>ZORSystemMaintence 版本 1.0</translation>
    </message>
    <message>
        <source>Service tool for ZOR laser marking systems</source>
        <translation>ZOR 激光打标系统维护工具</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About ZORSystemMaintence</source>
        <translation>关于 ZORSystemMaintence</translation>
    </message>
</context>
<context>
    <name>MainPanelTemplate</name>
    <message>
        <source>Mark Max Field</source>
        <translation>打标最大场</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <translation>开/关</translation>
    </message>
    <message>
        <source>ON/OFF Mark Max Field</source>
        <translation>开/关 打标最大场</translation>
    </message>
    <message>
        <source>Aiming Diode Alignment...</source>
        <translation>指示光校准...</translation>
    </message>
    <message>
        <source>XA:</source>
        <translation>XA:</translation>
    </message>
    <message>
        <source>YA:</source>
        <translation>YA:</translation>
    </message>
    <message>
        <source>XB:</source>
        <translation>XB:</translation>
    </message>
    <message>
        <source>YB:</source>
        <translation>YB:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Set Aiming Diode Alignment</source>
        <translation>设置指示光校准</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Get Aiming Diode Alignment</source>
        <translation>读取指示光校准</translation>
    </message>
    <message>
        <source>Aiming Alignment...</source>
        <translation>指示光校准...</translation>
    </message>
    <message>
        <source>Build : 07/19/10</source>
        <translation>构建：07/19/10</translation>
    </message>
    <message>
        <source>XY Centering Correction</source>
        <translation>XY 中心校正</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>XY Centering Correction X:</source>
        <translation>XY 中心校正 X：</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>XY Centering Correction Y:</source>
        <translation>XY 中心校正 Y：</translation>
    </message>
    <message>
        <source>Set XY Centering Correction</source>
        <translation>设置 XY 中心校正</translation>
    </message>
    <message>
        <source>Get XY Centering Correction</source>
        <translation>读取 XY 中心校正</translation>
    </message>
    <message>
        <source>Adjust Center</source>
        <translation>调整中心</translation>
    </message>
    <message>
        <source>XY Distortion Correction</source>
        <translation>XY 畸变校正</translation>
    </message>
    <message>
        <source>XY Distortion Correction X:</source>
        <translation>XY 畸变校正 X：</translation>
    </message>
    <message>
        <source>XY Distortion Correction Y:</source>
        <translation>XY 畸变校正 Y：</translation>
    </message>
    <message>
        <source>Set XY Distortion Correction</source>
        <translation>设置 XY 畸变校正</translation>
    </message>
    <message>
        <source>Get XY Distortion Correction</source>
        <translation>读取 XY 畸变校正</translation>
    </message>
    <message>
        <source>Adjust Distortion</source>
        <translation>调整畸变</translation>
    </message>
    <message>
        <source>XY Scale Correction</source>
        <translation>XY 比例校正</translation>
    </message>
    <message>
        <source>Mark Original Square</source>
        <translation>打标原始方框</translation>
    </message>
    <message>
        <source>Mark Corrected Square</source>
        <translation>打标校正方框</translation>
    </message>
    <message>
        <source>X Scale Correction:</source>
        <translation>X 比例校正：</translation>
    </message>
    <message>
        <source>Y Scale Correction:</source>
        <translation>Y 比例校正：</translation>
    </message>
    <message>
        <source>Set XY Scale Correction</source>
        <translation>设置 XY 比例校正</translation>
    </message>
    <message>
        <source>Get XY Scale Correction</source>
        <translation>读取 XY 比例校正</translation>
    </message>
    <message>
        <source>Move To X:</source>
        <translation>移动到 X：</translation>
    </message>
    <message>
        <source>Move To Y:</source>
        <translation>移动到 Y：</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>RC Jump Delay</source>
        <translation>RC 跳转延时</translation>
    </message>
    <message>
        <source>RC JD Set</source>
        <translation>设置 RC 延时</translation>
    </message>
    <message>
        <source>Reset Serial</source>
        <translation>重置序列号</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Min Current:</source>
        <translation>最小电流：</translation>
    </message>
    <message>
        <source>Set Min</source>
        <translation>设置最小</translation>
    </message>
    <message>
        <source>20% Current:</source>
        <translation>20% 电流：</translation>
    </message>
    <message>
        <source>Set 20% Current</source>
        <translation>设置 20% 电流</translation>
    </message>
    <message>
        <source>Max Current:</source>
        <translation>最大电流：</translation>
    </message>
    <message>
        <source>Set Max</source>
        <translation>设置最大</translation>
    </message>
    <message>
        <source>Init Power B/d</source>
        <translation>初始化电源板</translation>
    </message>
    <message>
        <source>Get Curr</source>
        <translation>读取电流</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Set Serial Number</source>
        <translation>设置序列号</translation>
    </message>
    <message>
        <source>Model Name:</source>
        <translation>型号名称：</translation>
    </message>
    <message>
        <source>Set Model Name</source>
        <translation>设置型号名称</translation>
    </message>
    <message>
        <source>Lens:</source>
        <translation>场镜：</translation>
    </message>
    <message>
        <source>Set Lens</source>
        <translation>设置场镜</translation>
    </message>
    <message>
        <source>Ctrlr Model:</source>
        <translation>控制器型号：</translation>
    </message>
    <message>
        <source>Set Ctrlr Model</source>
        <translation>设置控制器型号</translation>
    </message>
    <message>
        <source>Get Ctrlr Model</source>
        <translation>读取控制器型号</translation>
    </message>
    <message>
        <source>Delay Adjustment</source>
        <translation>延时调整</translation>
    </message>
    <message>
        <source>Jump Delay:</source>
        <translation>跳转延时：</translation>
    </message>
    <message>
        <source>Set Jump Delay</source>
        <translation>设置跳转延时</translation>
    </message>
    <message>
        <source>X Multiplier:</source>
        <translation>X 倍率：</translation>
    </message>
    <message>
        <source>Set X Multiplier</source>
        <translation>设置 X 倍率</translation>
    </message>
    <message>
        <source>Y Multipler:</source>
        <translation>Y 倍率：</translation>
    </message>
    <message>
        <source>Set Y Multipler</source>
        <translation>设置 Y 倍率</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>快门</translation>
    </message>
    <message>
        <source>OPEN</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>CLOSE</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Testing Power</source>
        <translation>测试功率</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>脉冲</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>ON Testing Power</source>
        <translation>测试功率 开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>OFF Testing Power</source>
        <translation>测试功率 关</translation>
    </message>
    <message>
        <source>AIMING</source>
        <translation>指示光</translation>
    </message>
    <message>
        <source>Show Version</source>
        <translation>显示版本</translation>
    </message>
    <message>
        <source>Get Work Time</source>
        <translation>读取工作时间</translation>
    </message>
    <message>
        <source>Init. Work Time</source>
        <translation>初始化工作时间</translation>
    </message>
    <message>
        <source>Mrkr Time</source>
        <translation>打标时间</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>读取信息</translation>
    </message>
    <message>
        <source>Config IP</source>
        <translation>配置 IP</translation>
    </message>
    <message>
        <source>Device family</source>
        <translation>设备系列</translation>
    </message>
    <message>
        <source>Working :</source>
        <translation>工作：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>SystemMaintenance (N/NK/NZ-Series)</source>
        <translation>SystemMaintenance（N/NK/NZ 系列）</translation>
    </message>
</context>
<context>
    <name>res::StringTable</name>
    <message>
        <source>&amp;About ZORSystemMaintenance...</source>
        <translation>关于 ZORSystemMaintenance(&amp;A)...</translation>
    </message>
</context>
</TS>
