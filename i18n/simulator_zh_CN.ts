<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>zor::simulator::FieldModel</name>
    <message>
        <source>%1 wide and %2 high (meant to be %3)</source>
        <translation>宽 %1，高 %2（标称 %3）</translation>
    </message>
    <message>
        <source>Scan field %1 square.</source>
        <translation>扫描场 %1 见方。</translation>
    </message>
    <message>
        <source>Nothing marked.</source>
        <translation>尚未打标。</translation>
    </message>
    <message>
        <source>Original square</source>
        <translation>原始方框</translation>
    </message>
    <message>
        <source>Corrected square</source>
        <translation>校正方框</translation>
    </message>
    <message>
        <source>Maximum field</source>
        <translation>最大场</translation>
    </message>
    <message>
        <source>%1 marked.</source>
        <translation>%1已打标。</translation>
    </message>
    <message>
        <source>%1 marked %2.</source>
        <translation>%1已打标，%2。</translation>
    </message>
    <message>
        <source>%1 marked %2 times.</source>
        <translation>%1已打标 %2 次。</translation>
    </message>
    <message>
        <source>%1 marked %2 times, the last %3.</source>
        <translation>%1已打标 %2 次，最近一次%3。</translation>
    </message>
    <message>
        <source>Spot at %1.</source>
        <translation>光点位于 %1。</translation>
    </message>
    <message>
        <source>Aiming dot at %1.</source>
        <translation>指示光点位于 %1。</translation>
    </message>
    <message>
        <source>Aiming alignment: top left point at %1, right bottom point at %2; aligning the right bottom point.</source>
        <translation>指示光校准：左上点位于 %1，右下点位于 %2；正在校准右下点。</translation>
    </message>
    <message>
        <source>Aiming alignment: top left point at %1, right bottom point at %2; aligning the top left point.</source>
        <translation>指示光校准：左上点位于 %1，右下点位于 %2；正在校准左上点。</translation>
    </message>
    <message>
        <source>Centering: field centre at %1.</source>
        <translation>中心调整：场中心位于 %1。</translation>
    </message>
    <message>
        <source>Distortion preview: corrected square %1.</source>
        <translation>畸变预览：校正方框%1。</translation>
    </message>
</context>
<context>
    <name>zor::simulator::ShownText</name>
    <message>
        <source>found</source>
        <translation>已找到</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>no system</source>
        <translation>无系统</translation>
    </message>
    <message>
        <source>bad argument</source>
        <translation>参数无效</translation>
    </message>
    <message>
        <source>unknown status</source>
        <translation>未知状态</translation>
    </message>
    <message>
        <source>block too short</source>
        <translation>数据块过短</translation>
    </message>
    <message>
        <source>not kept</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>fault injected</source>
        <translation>注入的故障</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>时间 (s)</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户端</translation>
    </message>
    <message>
        <source>Entry point</source>
        <translation>入口函数</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>应答</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停时间</translation>
    </message>
    <message>
        <source>%1 ms SHORT (%2 needed)</source>
        <translation>%1 ms 过短（需要 %2）</translation>
    </message>
    <message>
        <source>%1 × %2 mm, nominal %3 mm (%4, %5)</source>
        <translation>%1 × %2 mm，标称 %3 mm（%4，%5）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>distortion</source>
        <translation>畸变</translation>
    </message>
    <message>
        <source>centering</source>
        <translation>中心</translation>
    </message>
    <message>
        <source>aiming alignment, top left point</source>
        <translation>指示光校准，左上点</translation>
    </message>
    <message>
        <source>aiming alignment, right bottom point</source>
        <translation>指示光校准，右下点</translation>
    </message>
    <message>
        <source>refusing the next 1 packet</source>
        <translation>拒绝后续 1 个数据包</translation>
    </message>
    <message>
        <source>refusing the next %1 packets</source>
        <translation>拒绝后续 %1 个数据包</translation>
    </message>
    <message>
        <source>status queries unanswered</source>
        <translation>不应答状态查询</translation>
    </message>
    <message>
        <source>no discovery</source>
        <translation>不应答系统搜索</translation>
    </message>
    <message>
        <source>answering %1 ms late</source>
        <translation>应答延时 %1 ms</translation>
    </message>
</context>
</TS>
