<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AimingAlignmentTemplate</name>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>左</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>右</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下</translation>
    </message>
    <message>
        <source>CENTER OF TOP LEFT</source>
        <translation>左上角中心</translation>
    </message>
    <message>
        <source>Aiming Diode Alignment</source>
        <translation>指示光校准</translation>
    </message>
</context>
<context>
    <name>CalibrateFieldTemplate</name>
    <message>
        <source>1. Mark the corrected square and measure it.</source>
        <translation>1. 打标校正后的方框并测量。</translation>
    </message>
    <message>
        <source>&amp;Mark Corrected Square</source>
        <translation>打标校正方框(&amp;M)</translation>
    </message>
    <message>
        <source>2. Type the sizes you measured, in millimetres.</source>
        <translation>2. 输入测得的尺寸，单位为毫米。</translation>
    </message>
    <message>
        <source>&amp;Width across the middle:</source>
        <translation>中间宽度(&amp;W)：</translation>
    </message>
    <message>
        <source>Width across the middle</source>
        <translation>中间宽度</translation>
    </message>
    <message>
        <source>&amp;Height across the middle:</source>
        <translation>中间高度(&amp;H)：</translation>
    </message>
    <message>
        <source>Height across the middle</source>
        <translation>中间高度</translation>
    </message>
    <message>
        <source>&amp;Top edge:</source>
        <translation>上边(&amp;T)：</translation>
    </message>
    <message>
        <source>Top edge</source>
        <translation>上边</translation>
    </message>
    <message>
        <source>&amp;Left edge:</source>
        <translation>左边(&amp;L)：</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>左边</translation>
    </message>
    <message>
        <source>&amp;Nominal size:</source>
        <translation>标称尺寸(&amp;N)：</translation>
    </message>
    <message>
        <source>Nominal size</source>
        <translation>标称尺寸</translation>
    </message>
    <message>
        <source>3. Send the corrections.</source>
        <translation>3. 发送校正值。</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Corrections</source>
        <translation>校正值</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新值</translation>
    </message>
    <message>
        <source>Scale X:</source>
        <translation>比例 X：</translation>
    </message>
    <message>
        <source>Scale Y:</source>
        <translation>比例 Y：</translation>
    </message>
    <message>
        <source>Distortion X:</source>
        <translation>畸变 X：</translation>
    </message>
    <message>
        <source>Distortion Y:</source>
        <translation>畸变 Y：</translation>
    </message>
    <message>
        <source>Expected width:</source>
        <translation>预期宽度：</translation>
    </message>
    <message>
        <source>Expected height:</source>
        <translation>预期高度：</translation>
    </message>
    <message>
        <source>&amp;Rounds:</source>
        <translation>轮次(&amp;R)：</translation>
    </message>
    <message>
        <source>Calibration rounds</source>
        <translation>校准轮次</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Calibrate Field</source>
        <translation>校准扫描场</translation>
    </message>
</context>
<context>
    <name>JogAdjustmentTemplate</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>上</translation>
    </message>
    <message>
        <source>LEFT</source>
        <translation>左</translation>
    </message>
    <message>
        <source>RIGHT</source>
        <translation>右</translation>
    </message>
    <message>
        <source>DOWN</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Distortion Correction</source>
        <translation>畸变校正</translation>
    </message>
</context>
<context>
    <name>PasswordTemplate</name>
    <message>
        <source>Password :</source>
        <translation>密码：</translation>
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
        <source>Password</source>
        <translation>密码</translation>
    </message>
</context>
<context>
    <name>WorkingTimeTemplate</name>
    <message>
        <source>Days,HH:MM:SS</source>
        <translation>天,HH:MM:SS</translation>
    </message>
    <message>
        <source>Working Time :</source>
        <translation>工作时间：</translation>
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
        <source>Working Time</source>
        <translation>工作时间</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::AimingAlignment</name>
    <message>
        <source>CENTER OF RIGHT BOTTOM</source>
        <translation>右下角中心</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::CalibrateFieldDialog</name>
    <message>
        <source>Round</source>
        <translation>轮次</translation>
    </message>
    <message>
        <source>Width × height (mm)</source>
        <translation>宽 × 高 (mm)</translation>
    </message>
    <message>
        <source>Top / left (mm)</source>
        <translation>上边 / 左边 (mm)</translation>
    </message>
    <message>
        <source>Expected (mm)</source>
        <translation>预期 (mm)</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>可选</translation>
    </message>
    <message>
        <source>from the lens</source>
        <translation>取自场镜</translation>
    </message>
    <message>
        <source>millimetres, corner to corner; optional, with the left edge</source>
        <translation>毫米，角到角；可选，需与左边一起填写</translation>
    </message>
    <message>
        <source>millimetres, corner to corner; optional, with the top edge</source>
        <translation>毫米，角到角；可选，需与上边一起填写</translation>
    </message>
    <message>
        <source>millimetres; empty: half the field&apos;s side from the lens</source>
        <translation>毫米；留空：取场镜扫描场边长的一半</translation>
    </message>
    <message>
        <source>Mark the corrected square and measure it: the width and the height across the middle and, to straighten the edges, the top and the left edge from corner to corner. Type the sizes and press Apply.</source>
        <translation>打标校正后的方框并测量：测量穿过中心的宽度和高度；如需校直边缘，再测量上边和左边（角到角）。输入尺寸后点击“应用”。</translation>
    </message>
    <message>
        <source>The corrected square was marked. Measure it, type the sizes and press Apply.</source>
        <translation>校正后的方框已打标。请测量，输入尺寸后点击“应用”。</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of millimetres. Type it as %3. Nothing was sent.</source>
        <translation>%1：“%2”不是毫米数值。请按 %3 的格式输入。未发送任何内容。</translation>
    </message>
    <message>
        <source>%1: type the size you measured, in millimetres. Nothing was sent.</source>
        <translation>%1：请输入实测尺寸（毫米）。未发送任何内容。</translation>
    </message>
    <message>
        <source>Within tolerance; nothing sent</source>
        <translation>在公差内；未发送</translation>
    </message>
    <message>
        <source>The square is within tolerance (each size within %1 % of nominal, each edge within %2 mm of its middle size): nothing was sent.</source>
        <translation>方框在公差内（各尺寸与标称尺寸相差不超过 %1 %，各边与对应中心尺寸相差不超过 %2 mm）：未发送任何内容。</translation>
    </message>
    <message>
        <source>Not sent: no system</source>
        <translation>未发送：无系统</translation>
    </message>
    <message>
        <source>Not taken</source>
        <translation>未被接受</translation>
    </message>
    <message>
        <source>%1

Apply again to read the corrections afresh and send what they then need.</source>
        <translation>%1

再次点击“应用”可重新读取校正值并发送所需的更改。</translation>
    </message>
    <message>
        <source>The new corrections were not sent.</source>
        <translation>新的校正值未发送。</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>The new corrections were sent. Mark the corrected square again and measure it: if it is not within tolerance yet, apply its sizes for another round.</source>
        <translation>新的校正值已发送。请再次打标校正后的方框并测量：如仍不在公差内，应用其尺寸进行下一轮。</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>未测量</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::CompareRestoreDialog</name>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>相同</translation>
    </message>
    <message>
        <source>Not in the file</source>
        <translation>文件中没有</translation>
    </message>
    <message>
        <source>Differs (identity value)</source>
        <translation>不同（标识值）</translation>
    </message>
    <message>
        <source>Never restored</source>
        <translation>从不恢复</translation>
    </message>
    <message>
        <source>Not on this family</source>
        <translation>本设备系列不支持</translation>
    </message>
    <message>
        <source>Compare/Restore Settings</source>
        <translation>比较/恢复设置</translation>
    </message>
    <message>
        <source>Snapshot %1, taken %2 from marking system %3 (%4).</source>
        <translation>快照 %1，于 %2 取自打标系统 %3（%4）。</translation>
    </message>
    <message>
        <source>Snapshot %1, taken %2.</source>
        <translation>快照 %1，于 %2 获取。</translation>
    </message>
    <message>
        <source>Settings on the controller and in the file</source>
        <translation>控制器中和文件中的设置</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>On the controller</source>
        <translation>控制器中</translation>
    </message>
    <message>
        <source>In the file</source>
        <translation>文件中</translation>
    </message>
    <message>
        <source>&amp;Also restore the serial number, model name and controller model (asks for the service password)</source>
        <translation>同时恢复序列号、型号名称和控制器型号（需要维护密码）(&amp;A)</translation>
    </message>
    <message>
        <source>marking system %1</source>
        <translation>打标系统 %1</translation>
    </message>
    <message>
        <source>a marking system whose identity is not in it</source>
        <translation>一台未记录标识的打标系统</translation>
    </message>
    <message>
        <source>not identified</source>
        <translation>未识别</translation>
    </message>
    <message>
        <source>The snapshot comes from %1; this one is %2. Restore &amp;onto this system anyway</source>
        <translation>快照来自%1；本系统为 %2。仍然恢复到本系统(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>%1 (not read)</source>
        <translation>%1（未读取）</translation>
    </message>
    <message>
        <source>(could not be read)</source>
        <translation>（无法读取）</translation>
    </message>
    <message>
        <source>(not on this family)</source>
        <translation>（本设备系列不支持）</translation>
    </message>
    <message>
        <source>(not in the file)</source>
        <translation>（文件中没有）</translation>
    </message>
    <message>
        <source>The controller already holds every value of the file that a restore would send.</source>
        <translation>控制器已包含恢复时会发送的文件中的全部数值。</translation>
    </message>
    <message>
        <source>1 setting would be sent.</source>
        <translation>将发送 1 项设置。</translation>
    </message>
    <message>
        <source>%1 settings would be sent.</source>
        <translation>将发送 %1 项设置。</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::ServiceLogDialog</name>
    <message>
        <source>The service log could not be read: %1.</source>
        <translation>无法读取维护日志：%1。</translation>
    </message>
    <message>
        <source>No operations have been logged yet.</source>
        <translation>尚未记录任何操作。</translation>
    </message>
    <message>
        <source>Only the most recent %1 of the log are shown.</source>
        <translation>仅显示日志中最近的 %1。</translation>
    </message>
    <message>
        <source>1 line could not be read.</source>
        <translation>有 1 行无法读取。</translation>
    </message>
    <message>
        <source>%1 lines could not be read.</source>
        <translation>有 %1 行无法读取。</translation>
    </message>
    <message>
        <source>Service Log</source>
        <translation>维护日志</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Front end</source>
        <translation>前端</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Logged operations</source>
        <translation>已记录的操作</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::SquareFigure</name>
    <message>
        <source>Where each size is measured</source>
        <translation>各尺寸的测量位置</translation>
    </message>
    <message>
        <source>Width and height across the middle of the corrected square; the top edge and the left edge from corner to corner.</source>
        <translation>宽度和高度穿过校正方框的中心测量；上边和左边从角到角测量。</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Top edge</source>
        <translation>上边</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>左边</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::SystemChooser</name>
    <message>
        <source>Select System</source>
        <translation>选择系统</translation>
    </message>
    <message>
        <source>Several marking systems answered. Choose the one to work with:</source>
        <translation>有多台打标系统应答。请选择要操作的系统：</translation>
    </message>
    <message>
        <source>Marking systems</source>
        <translation>打标系统</translation>
    </message>
    <message>
        <source>Serial number, name and address of each system that answered</source>
        <translation>每台应答系统的序列号、名称和地址</translation>
    </message>
</context>
<context>
    <name>zor::dialogs::WorkingTimeDialog</name>
    <message>
        <source>Days,HH:MM:SS</source>
        <translation>天,HH:MM:SS</translation>
    </message>
</context>
</TS>
