<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>zor::report::PdfReport</name>
    <message>
        <source>not read</source>
        <translation>未读取</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>not on this family</source>
        <translation>本设备系列不支持</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>System name</source>
        <translation>系统名称</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Release date</source>
        <translation>发布日期</translation>
    </message>
    <message>
        <source>Lens (mm)</source>
        <translation>场镜 (mm)</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>设备系列</translation>
    </message>
    <message>
        <source>Controller model</source>
        <translation>控制器型号</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>工作时间</translation>
    </message>
    <message>
        <source>The system&apos;s identity could not be read.</source>
        <translation>无法读取系统的标识。</translation>
    </message>
    <message>
        <source>Settings as read now</source>
        <translation>当前读取的设置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>键名</translation>
    </message>
    <message>
        <source>Not on this system&apos;s family: %1.</source>
        <translation>本系统的设备系列不支持：%1。</translation>
    </message>
    <message>
        <source>the service log could not be read: %1.</source>
        <translation>无法读取维护日志：%1。</translation>
    </message>
    <message>
        <source>the system&apos;s identity could not be read, so its entries are not known.</source>
        <translation>无法读取系统的标识，因此不知道其日志条目。</translation>
    </message>
    <message>
        <source>Service log since %1</source>
        <translation>自 %1 起的维护日志</translation>
    </message>
    <message>
        <source>The service log is larger than can be read at once: only its newest entries were read.</source>
        <translation>维护日志过大，无法一次读取：仅读取了最新的条目。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the service log could not be read.</source>
        <translation>
            <numerusform>维护日志中有 %n 行无法读取。</numerusform>
        </translation>
    </message>
    <message>
        <source>No operations were logged for this system in that time.</source>
        <translation>此期间未记录本系统的任何操作。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>From</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Measured before: %1 x %2 mm across the middle; top edge %3 mm, left edge %4 mm</source>
        <translation>校正前实测：中间 %1 x %2 mm；上边 %3 mm，左边 %4 mm</translation>
    </message>
    <message>
        <source>Measured before: %1 x %2 mm across the middle</source>
        <translation>校正前实测：中间 %1 x %2 mm</translation>
    </message>
    <message>
        <source>Expected after: %1 x %2 mm</source>
        <translation>校正后预期：%1 x %2 mm</translation>
    </message>
    <message>
        <source>Nominal: %1 x %1 mm</source>
        <translation>标称尺寸：%1 x %1 mm</translation>
    </message>
    <message>
        <source>Drawn to scale, centred; grid lines 10 mm apart.</source>
        <translation>按比例居中绘制；网格线间距 10 mm。</translation>
    </message>
    <message>
        <source>Calibration rounds</source>
        <translation>校准轮次</translation>
    </message>
    <message>
        <source>No calibration rounds were logged for this system in that time.</source>
        <translation>此期间未记录本系统的任何校准轮次。</translation>
    </message>
    <message>
        <source>Round %1, %2 (%3)</source>
        <translation>第 %1 轮，%2（%3）</translation>
    </message>
    <message>
        <source>Measured width</source>
        <translation>实测宽度</translation>
    </message>
    <message>
        <source>Measured height</source>
        <translation>实测高度</translation>
    </message>
    <message>
        <source>Measured top edge</source>
        <translation>实测上边</translation>
    </message>
    <message>
        <source>Measured left edge</source>
        <translation>实测左边</translation>
    </message>
    <message>
        <source>Nominal square</source>
        <translation>标称方框</translation>
    </message>
    <message>
        <source>Expected width</source>
        <translation>预期宽度</translation>
    </message>
    <message>
        <source>Expected height</source>
        <translation>预期高度</translation>
    </message>
    <message>
        <source>Within tolerance</source>
        <translation>在公差内</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Measurement or correction</source>
        <translation>测量值或校正值</translation>
    </message>
    <message>
        <source>Before / value</source>
        <translation>校正前 / 值</translation>
    </message>
    <message>
        <source>After</source>
        <translation>校正后</translation>
    </message>
    <message>
        <source>This round&apos;s sizes cannot be drawn.</source>
        <translation>无法绘制本轮的尺寸。</translation>
    </message>
    <message>
        <source>Service Report</source>
        <translation>维护报告</translation>
    </message>
    <message>
        <source>(not read)</source>
        <translation>（未读取）</translation>
    </message>
    <message>
        <source>Service report, serial number %1, made %2</source>
        <translation>维护报告，序列号 %1，生成于 %2</translation>
    </message>
    <message>
        <source>(identity not read)</source>
        <translation>（标识未读取）</translation>
    </message>
    <message>
        <source>ZOR laser marking system %1, serial number %2</source>
        <translation>ZOR 激光打标系统 %1，序列号 %2</translation>
    </message>
    <message>
        <source>Made on %1 on host %2 with zor-maintenance %3</source>
        <translation>于 %1 在主机 %2 上由 zor-maintenance %3 生成</translation>
    </message>
</context>
</TS>
