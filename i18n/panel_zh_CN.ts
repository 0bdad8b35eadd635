<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CZORSystemMaintenanceDlg</name>
    <message>
        <source>Back Up Settings</source>
        <translation>备份设置</translation>
    </message>
    <message>
        <source>Compare/Restore Settings</source>
        <translation>比较/恢复设置</translation>
    </message>
    <message>
        <source>Settings snapshots</source>
        <translation>设置快照</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Service Report</source>
        <translation>维护报告</translation>
    </message>
    <message>
        <source>Restoring %1 (%2 of %3)...</source>
        <translation>正在恢复 %1（%2/%3）...</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Working Time</source>
        <translation>工作时间</translation>
    </message>
</context>
<context>
    <name>zor::panel::CZORSystemMaintenanceDlg</name>
    <message>
        <source>Distortion Correction</source>
        <translation>畸变校正</translation>
    </message>
    <message>
        <source>Centering Adjustment</source>
        <translation>中心调整</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>ERRPR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The service log could not be written: %1.
Operations go on, but are missing from the log.</source>
        <translation>无法写入维护日志：%1。
操作将继续，但不会记入日志。</translation>
    </message>
    <message>
        <source>&amp;Back Up Settings...</source>
        <translation>备份设置(&amp;B)...</translation>
    </message>
    <message>
        <source>Compare/&amp;Restore Settings...</source>
        <translation>比较/恢复设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Service &amp;Log...</source>
        <translation>维护日志(&amp;L)...</translation>
    </message>
    <message>
        <source>Calibrate &amp;Field...</source>
        <translation>校准扫描场(&amp;F)...</translation>
    </message>
    <message>
        <source>Service Re&amp;port...</source>
        <translation>维护报告(&amp;P)...</translation>
    </message>
    <message>
        <source>Build : %1</source>
        <translation>构建：%1</translation>
    </message>
    <message>
        <source>No ZORComm.DLL found</source>
        <translation>未找到 ZORComm.DLL</translation>
    </message>
    <message>
        <source>Reading the settings from the controller...</source>
        <translation>正在从控制器读取设置...</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
    <message>
        <source>The settings were saved to %1.</source>
        <translation>设置已保存到 %1。</translation>
    </message>
    <message>
        <source>These could not be read and are not in the file: %1.</source>
        <translation>以下各项无法读取，未写入文件：%1。</translation>
    </message>
    <message>
        <source>Not on %1, so not in the file: %2.</source>
        <translation>%1 不具备以下各项，因此未写入文件：%2。</translation>
    </message>
    <message>
        <source>This file cannot be restored: %1. Nothing was sent.</source>
        <translation>无法从此文件恢复：%1。未发送任何内容。</translation>
    </message>
    <message>
        <source>PDF documents</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>The service report could not be saved: %1</source>
        <translation>无法保存维护报告：%1</translation>
    </message>
    <message>
        <source>The service report was saved to %1.</source>
        <translation>维护报告已保存到 %1。</translation>
    </message>
    <message>
        <source>These could not be read and are listed as not read: %1.</source>
        <translation>以下各项无法读取，已标为未读取：%1。</translation>
    </message>
    <message>
        <source>It holds no service-log entries: the service log could not be read: %1.</source>
        <translation>报告不含维护日志条目：无法读取维护日志：%1。</translation>
    </message>
    <message>
        <source>Marking Time: %1</source>
        <translation>打标时间：%1</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>无法生成 PDF</translation>
    </message>
</context>
</TS>
