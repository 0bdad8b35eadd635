<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>zor::service::Calibration</name>
    <message>
        <source>width across the middle</source>
        <translation>中线宽度</translation>
    </message>
    <message>
        <source>height across the middle</source>
        <translation>中线高度</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>上边</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>左边</translation>
    </message>
    <message>
        <source>The %1 %2 is more than %3 % away from the nominal %4: check the figure.</source>
        <translation>%1 %2 与标称尺寸 %4 相差超过 %3 %：请检查图形。</translation>
    </message>
    <message>
        <source>The %1 must be a positive number of millimetres.</source>
        <translation>%1 必须是以毫米为单位的正数。</translation>
    </message>
    <message>
        <source>The top edge was given without the left edge: measure both edges, or neither.</source>
        <translation>给出了上边但未给出左边：请测量两条边，或都不测量。</translation>
    </message>
    <message>
        <source>The left edge was given without the top edge: measure both edges, or neither.</source>
        <translation>给出了左边但未给出上边：请测量两条边，或都不测量。</translation>
    </message>
    <message>
        <source>The tolerance must be a percentage and millimetres of 0 or more.</source>
        <translation>公差必须是不小于 0 的百分比和毫米数。</translation>
    </message>
    <message>
        <source>The nominal size must be a positive number of millimetres.</source>
        <translation>标称尺寸必须是以毫米为单位的正数。</translation>
    </message>
    <message>
        <source>The controller holds no lens focal length: give the nominal size.</source>
        <translation>控制器中没有场镜焦距：请给出标称尺寸。</translation>
    </message>
    <message>
        <source>The controller&apos;s scale correction (%1, %2) is not a positive factor: set it first.</source>
        <translation>控制器的比例校正（%1, %2）不是正的系数：请先设置它。</translation>
    </message>
    <message>
        <source>No scale and distortion correction brings these sizes to nominal: check the figures.</source>
        <translation>没有任何比例校正和畸变校正能使这些尺寸达到标称值：请检查数值。</translation>
    </message>
    <message>
        <source>%1: the calibration needs %2, which the controller cannot take as a scale.</source>
        <translation>%1：校准需要 %2，而控制器无法将其作为比例接受。</translation>
    </message>
    <message>
        <source>%1: the calibration needs the word %2, outside the 0 to 65535 the controller takes.</source>
        <translation>%1：校准需要数值 %2，超出了控制器接受的 0 到 65535 范围。</translation>
    </message>
    <message>
        <source>The last round did not bring the square closer to its nominal size: it measured %1, was expected to measure %2, and measures %3 now. This controller&apos;s corrections may act otherwise than the model has them: check the measurements, or correct the values by hand.</source>
        <translation>上一轮未使方框更接近其标称尺寸：之前实测为 %1，预计为 %2，现在实测为 %3。该控制器的校正作用可能与模型不同：请检查测量值，或手动修正数值。</translation>
    </message>
    <message>
        <source>The new scale correction was not taken.</source>
        <translation>新的比例校正未被接受。</translation>
    </message>
    <message>
        <source>The new distortion correction was not taken.</source>
        <translation>新的畸变校正未被接受。</translation>
    </message>
</context>
<context>
    <name>zor::service::Families</name>
    <message>
        <source>no minimum current (Set Min)</source>
        <translation>没有最小电流（设置最小）</translation>
    </message>
    <message>
        <source>no 20% current (20% Current Set)</source>
        <translation>没有 20% 电流（设置 20% 电流）</translation>
    </message>
    <message>
        <source>no maximum current (Set Max)</source>
        <translation>没有最大电流（设置最大）</translation>
    </message>
    <message>
        <source>no power board reinitialisation (Init Power B/d)</source>
        <translation>没有电源板重新初始化（初始化电源板）</translation>
    </message>
    <message>
        <source>no current readout (Get Curr)</source>
        <translation>没有电流读取（读取电流）</translation>
    </message>
    <message>
        <source>no centering correction (XY Centering Correction, Adjust Center)</source>
        <translation>没有中心校正（XY 中心校正、调整中心）</translation>
    </message>
    <message>
        <source>no distortion values (XY Distortion Correction)</source>
        <translation>没有畸变值（XY 畸变校正）</translation>
    </message>
    <message>
        <source>no distortion adjustment (Adjust Distortion)</source>
        <translation>没有畸变调整（调整畸变）</translation>
    </message>
    <message>
        <source>no scale correction (XY Scale Correction)</source>
        <translation>没有比例校正（XY 比例校正）</translation>
    </message>
    <message>
        <source>no test squares (Mark Original Square, Mark Corrected Square)</source>
        <translation>没有测试方框（打标原始方框、打标校正方框）</translation>
    </message>
    <message>
        <source>no maximum field mark (Mark Max Field)</source>
        <translation>没有最大场打标（打标最大场）</translation>
    </message>
    <message>
        <source>no aiming diode alignment (Aiming Alignment...)</source>
        <translation>没有指示光校准（指示光校准...）</translation>
    </message>
    <message>
        <source>no serial number Set</source>
        <translation>没有序列号设置</translation>
    </message>
    <message>
        <source>no model name Set</source>
        <translation>没有型号名称设置</translation>
    </message>
    <message>
        <source>no lens Set</source>
        <translation>没有场镜设置</translation>
    </message>
    <message>
        <source>no controller model (Ctrlr Model)</source>
        <translation>没有控制器型号（控制器型号）</translation>
    </message>
    <message>
        <source>no shutter (OPEN, CLOSE)</source>
        <translation>没有快门（打开、关闭）</translation>
    </message>
    <message>
        <source>no Show Version</source>
        <translation>没有显示版本</translation>
    </message>
    <message>
        <source>no working-time counter (Get Work Time, Init. Work Time)</source>
        <translation>没有工作时间计数器（读取工作时间、初始化工作时间）</translation>
    </message>
    <message>
        <source>no network settings (Config IP)</source>
        <translation>没有网络设置（配置 IP）</translation>
    </message>
    <message>
        <source>a marking system of unknown family</source>
        <translation>设备系列未知的打标系统</translation>
    </message>
    <message>
        <source>an NK-series marking system</source>
        <translation>NK 系列打标系统</translation>
    </message>
    <message>
        <source>an N-series marking system</source>
        <translation>N 系列打标系统</translation>
    </message>
    <message>
        <source>an NZ-series marking system</source>
        <translation>NZ 系列打标系统</translation>
    </message>
    <message>
        <source>%1: %2 has %3; nothing was sent</source>
        <translation>%1：%2%3；未发送任何内容</translation>
    </message>
    <message>
        <source>%1: the marking system&apos;s family is not known (its identity could not be read), and without it the panel offers %2; nothing was sent</source>
        <translation>%1：打标系统的设备系列未知（无法读取其标识），在此情况下面板%2；未发送任何内容</translation>
    </message>
</context>
<context>
    <name>zor::service::Files</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 是符号链接</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>无法在 %1 中写入：%2</translation>
    </message>
    <message>
        <source>%1 exists and is not a regular file; it was left alone</source>
        <translation>%1 已存在且不是普通文件；未对其作任何改动</translation>
    </message>
    <message>
        <source>%1 is named like the temporary files of a save, which a later save removes</source>
        <translation>%1 的名称与保存时的临时文件相同，以后的保存会将其删除</translation>
    </message>
</context>
<context>
    <name>zor::service::Maintenance</name>
    <message>
        <source>The pulse value must be a whole number from %1 to %2.</source>
        <translation>脉冲值必须是 %1 到 %2 之间的整数。</translation>
    </message>
    <message>
        <source>The test power may be on.</source>
        <translation>测试功率可能处于开启状态。</translation>
    </message>
    <message>
        <source>The test power may still be on.</source>
        <translation>测试功率可能仍处于开启状态。</translation>
    </message>
    <message>
        <source>The shutter may still be open.</source>
        <translation>快门可能仍处于打开状态。</translation>
    </message>
    <message>
        <source>The aiming diode may still be on.</source>
        <translation>指示光二极管可能仍处于开启状态。</translation>
    </message>
    <message>
        <source>Total working days: %1</source>
        <translation>总工作天数：%1</translation>
    </message>
    <message>
        <source>The distortion correction could not be read from the controller.</source>
        <translation>无法从控制器读取畸变校正。</translation>
    </message>
    <message>
        <source>The scale correction could not be read from the controller.</source>
        <translation>无法从控制器读取比例校正。</translation>
    </message>
    <message>
        <source>The Move To X and Y targets must be whole numbers from 0 to %1.</source>
        <translation>移动的 X 和 Y 目标必须是 0 到 %1 之间的整数。</translation>
    </message>
    <message>
        <source>The currents could not be read from the controller.</source>
        <translation>无法从控制器读取电流。</translation>
    </message>
    <message>
        <source>The controller model could not be read.</source>
        <translation>无法读取控制器型号。</translation>
    </message>
    <message>
        <source>The identity could not be read from the controller.</source>
        <translation>无法从控制器读取标识。</translation>
    </message>
    <message>
        <source>The marking system did not accept the command (device link result %1), so nothing more was sent. The next operation looks for the system again.</source>
        <translation>打标系统未接受该命令（设备连接库结果 %1），因此未再发送任何内容。下一个操作将重新查找该系统。</translation>
    </message>
    <message>
        <source>The %1 holds the character (%2), which would end the text early. Nothing was sent.</source>
        <translation>%1 中包含字符（%2），它会使文本提前结束。未发送任何内容。</translation>
    </message>
    <message>
        <source>The %1 holds the character “%3” (%2), which the controller cannot take: it takes Latin-1 characters only. Nothing was sent.</source>
        <translation>%1 中包含字符“%3”（%2），控制器无法接受：它只接受 Latin-1 字符。未发送任何内容。</translation>
    </message>
    <message>
        <source>The %1 is too long: it goes out as %2 characters, and the controller takes at most %3 in one text. Nothing was sent.</source>
        <translation>%1 太长：它将以 %2 个字符发送，而控制器在一个文本中最多接受 %3 个字符。未发送任何内容。</translation>
    </message>
    <message>
        <source>The IP address could not be read from the controller.</source>
        <translation>无法从控制器读取 IP 地址。</translation>
    </message>
    <message>
        <source>The IP address is incomplete. Fill in all four fields before setting it. Nothing was sent.</source>
        <translation>IP 地址不完整。设置前请填写全部四个字段。未发送任何内容。</translation>
    </message>
    <message>
        <source>The subnet mask could not be read from the controller.</source>
        <translation>无法从控制器读取子网掩码。</translation>
    </message>
    <message>
        <source>The subnet mask is incomplete. Fill in all four fields before setting it. Nothing was sent.</source>
        <translation>子网掩码不完整。设置前请填写全部四个字段。未发送任何内容。</translation>
    </message>
    <message>
        <source>The gateway address could not be read from the controller.</source>
        <translation>无法从控制器读取网关地址。</translation>
    </message>
    <message>
        <source>The gateway address is incomplete. Fill in all four fields before setting it. Nothing was sent.</source>
        <translation>网关地址不完整。设置前请填写全部四个字段。未发送任何内容。</translation>
    </message>
    <message>
        <source>The MAC address could not be read from the controller.</source>
        <translation>无法从控制器读取 MAC 地址。</translation>
    </message>
    <message>
        <source>The SHIP ID could not be read from the controller.</source>
        <translation>无法从控制器读取 SHIP ID。</translation>
    </message>
    <message>
        <source>The working time could not be read from the controller.</source>
        <translation>无法从控制器读取工作时间。</translation>
    </message>
    <message>
        <source>Enter the working time as Days,HH:MM:SS with four whole numbers, for example 1,02:03:04. The largest working time the controller can hold is 49710,06:28:15.</source>
        <translation>请按 天,HH:MM:SS 格式输入工作时间，使用四个整数，例如 1,02:03:04。控制器可保存的最大工作时间为 49710,06:28:15。</translation>
    </message>
</context>
<context>
    <name>zor::service::Messages</name>
    <message>
        <source>the service password is wrong; nothing was sent</source>
        <translation>维护密码错误；未发送任何内容</translation>
    </message>
    <message>
        <source>The MAC address is incomplete. Enter all six groups of two hexadecimal digits, for example 00:1A:2B:3C:4D:5E. Nothing was sent.</source>
        <translation>MAC 地址不完整。请输入全部六组、每组两位十六进制数字，例如 00:1A:2B:3C:4D:5E。未发送任何内容。</translation>
    </message>
    <message>
        <source>A marking system was found, but its identity could not be read.
Check the connection and press &quot;Get Info&quot; to try again.</source>
        <translation>已找到一个打标系统，但无法读取其标识。
请检查连接，然后按“读取信息”重试。</translation>
    </message>
</context>
<context>
    <name>zor::service::Names</name>
    <message>
        <source>Currents</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Min Current</source>
        <translation>最小电流</translation>
    </message>
    <message>
        <source>20% Current</source>
        <translation>20% 电流</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>最大电流</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>场镜</translation>
    </message>
    <message>
        <source>XY Distortion Correction</source>
        <translation>XY 畸变校正</translation>
    </message>
    <message>
        <source>X Distortion Correction</source>
        <translation>X 畸变校正</translation>
    </message>
    <message>
        <source>Y Distortion Correction</source>
        <translation>Y 畸变校正</translation>
    </message>
    <message>
        <source>XY Scale Correction</source>
        <translation>XY 比例校正</translation>
    </message>
    <message>
        <source>X Scale Correction</source>
        <translation>X 比例校正</translation>
    </message>
    <message>
        <source>Y Scale Correction</source>
        <translation>Y 比例校正</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>型号名称</translation>
    </message>
    <message>
        <source>Ctrlr Model</source>
        <translation>控制器型号</translation>
    </message>
    <message>
        <source>X Multiplier</source>
        <translation>X 倍率</translation>
    </message>
    <message>
        <source>Y Multiplier</source>
        <translation>Y 倍率</translation>
    </message>
    <message>
        <source>Working Time</source>
        <translation>工作时间</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC 地址</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>子网掩码</translation>
    </message>
    <message>
        <source>Gateway IP</source>
        <translation>网关 IP</translation>
    </message>
    <message>
        <source>SHIP ID</source>
        <translation>SHIP ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>RC Jump Delay</source>
        <translation>RC 跳转延时</translation>
    </message>
    <message>
        <source>Move To X</source>
        <translation>移动到 X</translation>
    </message>
    <message>
        <source>Move To Y</source>
        <translation>移动到 Y</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>脉冲</translation>
    </message>
    <message>
        <source>Width across the middle</source>
        <translation>中线宽度</translation>
    </message>
    <message>
        <source>Height across the middle</source>
        <translation>中线高度</translation>
    </message>
    <message>
        <source>Top edge</source>
        <translation>上边</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>左边</translation>
    </message>
    <message>
        <source>Nominal size</source>
        <translation>标称尺寸</translation>
    </message>
</context>
<context>
    <name>zor::service::Outcome</name>
    <message>
        <source>The marking system took the change, but its controller could not save it (device link result 5): the change lasts only until the controller ends (for a simulated system, the program holding it or zor-simulator). The device link gives the reason on its standard error and in its trace.</source>
        <translation>打标系统已接受该更改，但其控制器无法保存（设备连接库结果 5）：该更改仅在控制器结束前有效（对于模拟系统，即持有它的程序或 zor-simulator）。设备连接库会在其标准错误输出和跟踪中给出原因。</translation>
    </message>
</context>
<context>
    <name>zor::service::Restore</name>
    <message>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>%1: taken, not saved</source>
        <translation>%1：已接受，未保存</translation>
    </message>
    <message>
        <source>%1: sent %2, the controller reads %3</source>
        <translation>%1：已发送 %2，控制器读回 %3</translation>
    </message>
    <message>
        <source>%1: sent %2, but it could not be read back</source>
        <translation>%1：已发送 %2，但无法读回</translation>
    </message>
    <message>
        <source>%1: no marking system answered, so the restore stopped there</source>
        <translation>%1：没有打标系统应答，因此恢复在此停止</translation>
    </message>
    <message>
        <source>%1: the marking system did not take it, so the restore stopped there</source>
        <translation>%1：打标系统未接受，因此恢复在此停止</translation>
    </message>
    <message>
        <source>%1: not sent in full, so the restore stopped there</source>
        <translation>%1：未完整发送，因此恢复在此停止</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 项设置</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 项设置</translation>
    </message>
    <message>
        <source>%1 restored and verified</source>
        <translation>%1已恢复并验证</translation>
    </message>
    <message>
        <source>%1 taken, not saved</source>
        <translation>%1已接受，未保存</translation>
    </message>
    <message>
        <source>%1 sent but reading back otherwise</source>
        <translation>%1已发送，但读回的值不同</translation>
    </message>
    <message>
        <source>%1 sent but not readable afterwards</source>
        <translation>%1已发送，但之后无法读取</translation>
    </message>
    <message>
        <source>%1 not fully sent</source>
        <translation>%1未完整发送</translation>
    </message>
    <message>
        <source>%1 not sent, as they were</source>
        <translation>%1未发送，保持原样</translation>
    </message>
    <message>
        <source>1 setting not sent</source>
        <translation>1 项设置未发送</translation>
    </message>
    <message>
        <source>%1 settings not sent</source>
        <translation>%1 项设置未发送</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Nothing needed restoring</source>
        <translation>无需恢复任何内容</translation>
    </message>
    <message>
        <source>%1. The restore was cancelled between settings.</source>
        <translation>%1。恢复在两项设置之间被取消。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1和%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>1 setting of the file was not sent: %1 has %2.</source>
        <translation>文件中有 1 项设置未发送：%1%2。</translation>
    </message>
    <message>
        <source>%1 settings of the file were not sent: %2 has %3.</source>
        <translation>文件中有 %1 项设置未发送：%2%3。</translation>
    </message>
    <message>
        <source>The snapshot was taken from marking system %1, and this one is %2. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>该快照取自打标系统 %1，而当前系统为 %2。请确认它适用于此系统后再恢复。未发送任何内容。</translation>
    </message>
    <message>
        <source>The snapshot was taken from marking system %1, and this one is not identified. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>该快照取自打标系统 %1，而当前系统未能识别。请确认它适用于此系统后再恢复。未发送任何内容。</translation>
    </message>
    <message>
        <source>The snapshot was taken from a marking system whose identity could not be read, and this one is %1. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>该快照取自一个无法读取标识的打标系统，而当前系统为 %1。请确认它适用于此系统后再恢复。未发送任何内容。</translation>
    </message>
    <message>
        <source>The snapshot was taken from a marking system whose identity could not be read, and this one is not identified. Confirm that it is meant for this system to restore it. Nothing was sent.</source>
        <translation>该快照取自一个无法读取标识的打标系统，而当前系统未能识别。请确认它适用于此系统后再恢复。未发送任何内容。</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已验证</translation>
    </message>
    <message>
        <source>taken, not saved</source>
        <translation>已接受，未保存</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>不同</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未发送</translation>
    </message>
    <message>
        <source>send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>same</source>
        <translation>相同</translation>
    </message>
    <message>
        <source>not in file</source>
        <translation>不在文件中</translation>
    </message>
    <message>
        <source>needs --identity</source>
        <translation>需要 --identity</translation>
    </message>
    <message>
        <source>never restored</source>
        <translation>从不恢复</translation>
    </message>
    <message>
        <source>not on family</source>
        <translation>不属于该设备系列</translation>
    </message>
</context>
<context>
    <name>zor::service::ServiceLog</name>
    <message>
        <source>the service log has no place: neither XDG_STATE_HOME nor HOME names an absolute folder</source>
        <translation>维护日志没有存放位置：XDG_STATE_HOME 和 HOME 都未指定绝对路径的文件夹</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <source>another program has held the lock on %1 for more than %2</source>
        <translation>另一个程序锁定 %1 已超过 %2</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于另一个用户</translation>
    </message>
    <message>
        <source>cannot read the size of %1: %2</source>
        <translation>无法读取 %1 的大小：%2</translation>
    </message>
    <message>
        <source>cannot write the whole line to %1 (a part of it is left)</source>
        <translation>无法将整行写入 %1（其中一部分已留在文件中）</translation>
    </message>
    <message>
        <source>cannot write the whole line to %1</source>
        <translation>无法将整行写入 %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>zor::service::Settings</name>
    <message>
        <source>&apos;%1&apos; is not a code to type by hand: give its six hexadecimal digits, as 100022</source>
        <translation>“%1”不是可手动输入的代码：请给出其六位十六进制数字，例如 100022</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a controller model: give its six-digit code, as 100022, or the eight digits get controller-model shows, flag byte 00 (typed by hand) or 10 (listed) first, as 10100022</source>
        <translation>“%1”不是控制器型号：请给出其六位代码，例如 100022，或 get controller-model 显示的八位数字，以标志字节 00（手动输入）或 10（列表选择）开头，例如 10100022</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a MAC address: give six groups of two hexadecimal digits, as 00:1A:2B:3C:4D:5E</source>
        <translation>“%1”不是 MAC 地址：请给出六组、每组两位十六进制数字，例如 00:1A:2B:3C:4D:5E</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an address: give four decimal numbers from 0 to %2, as 192.168.1.10</source>
        <translation>“%1”不是地址：请给出四个 0 到 %2 之间的十进制数，例如 192.168.1.10</translation>
    </message>
    <message>
        <source>sent as typed; the controller checks the text</source>
        <translation>按输入原样发送；由控制器检查文本</translation>
    </message>
    <message>
        <source>sent as typed, behind the service password</source>
        <translation>按输入原样发送，需要维护密码</translation>
    </message>
    <message>
        <source>both halves, 100 ms apart</source>
        <translation>两半分别发送，间隔 100 ms</translation>
    </message>
    <message>
        <source>four decimal octets</source>
        <translation>四个十进制字节</translation>
    </message>
    <message>
        <source>flag byte and model code</source>
        <translation>标志字节和型号代码</translation>
    </message>
    <message>
        <source>behind the service password; a listed code (100021, 100022, 200031, 200041) as if picked from the list, any other six-digit code as typed, and the eight digits get controller-model prints as they read (flag byte 00 or 10, then the code)</source>
        <translation>需要维护密码；列表中的代码（100021、100022、200031、200041）按从列表中选择的方式发送，其他六位代码按输入原样发送，get controller-model 输出的八位数字按读取的方式发送（标志字节 00 或 10，然后是代码）</translation>
    </message>
    <message>
        <source>behind the service password; four whole numbers whose total fits the counter (at most 49710,06:28:15)</source>
        <translation>需要维护密码；四个整数，其总和须在计数器范围内（最多 49710,06:28:15）</translation>
    </message>
    <message>
        <source>six hexadecimal groups in any usual notation</source>
        <translation>六组十六进制数，任何常用写法均可</translation>
    </message>
</context>
<context>
    <name>zor::service::Snapshot</name>
    <message>
        <source>unterminated object</source>
        <translation>对象未结束</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>缺少名称分隔符</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>数组未结束</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>缺少值分隔符</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>非法值</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>以数字无效结束</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>非法数字</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>无效的转义序列</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>无效的 UTF8 字符串</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>字符串未结束</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>逗号后缺少对象</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>文档嵌套过深</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>文档过大</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>文档末尾有多余内容</translation>
    </message>
    <message>
        <source>%1 is not a list of settings</source>
        <translation>%1 不是设置列表</translation>
    </message>
    <message>
        <source>%1 is neither in the file nor listed as missing</source>
        <translation>%1 既不在文件中，也未列为缺失</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>一个数字</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>一个列表</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>一个对象</translation>
    </message>
    <message>
        <source>%1 is not a number the controller could have reported</source>
        <translation>%1 不是控制器可能报告的数字</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to %2</source>
        <translation>%1 不是 0 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>%1 is not a whole number of seconds from 0 to %2</source>
        <translation>%1 不是 0 到 %2 之间的整秒数</translation>
    </message>
    <message>
        <source>%1 is not eight hexadecimal digits</source>
        <translation>%1 不是八位十六进制数字</translation>
    </message>
    <message>
        <source>%1 is not a MAC address</source>
        <translation>%1 不是 MAC 地址</translation>
    </message>
    <message>
        <source>%1 is not a MAC address (six groups of two hexadecimal digits)</source>
        <translation>%1 不是 MAC 地址（六组，每组两位十六进制数字）</translation>
    </message>
    <message>
        <source>%1 is not an address of four decimal numbers from 0 to %2</source>
        <translation>%1 不是由四个 0 到 %2 之间的十进制数组成的地址</translation>
    </message>
    <message>
        <source>%1 is not a working time</source>
        <translation>%1 不是工作时间</translation>
    </message>
    <message>
        <source>%1 is not a text of at most %2 Latin-1 characters</source>
        <translation>%1 不是最多 %2 个 Latin-1 字符的文本</translation>
    </message>
    <message>
        <source>%1 is not a whole number the controller could have reported</source>
        <translation>%1 不是控制器可能报告的整数</translation>
    </message>
    <message>
        <source>%1 does not match %2</source>
        <translation>%1 与 %2 不一致</translation>
    </message>
    <message>
        <source>the file is not JSON (%1 at byte %2)</source>
        <translation>该文件不是 JSON（%1，位于第 %2 字节）</translation>
    </message>
    <message>
        <source>the file is not a settings snapshot (no JSON object)</source>
        <translation>该文件不是设置快照（没有 JSON 对象）</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice at the top level</source>
        <translation>键“%1”在顶层出现了两次</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice in %2</source>
        <translation>键“%1”在 %2 中出现了两次</translation>
    </message>
    <message>
        <source>the file is not a settings snapshot of this tool (format &quot;%1&quot;)</source>
        <translation>该文件不是本工具的设置快照（格式为“%1”）</translation>
    </message>
    <message>
        <source>the snapshot has no valid version</source>
        <translation>该快照没有有效的版本</translation>
    </message>
    <message>
        <source>the snapshot was written by a newer version of the tool (snapshot version %1; this tool reads version %2)</source>
        <translation>该快照由更新版本的工具写入（快照版本 %1；本工具读取版本 %2）</translation>
    </message>
    <message>
        <source>%1 names %2, which is no setting</source>
        <translation>%1 列出了%2，但它不是设置</translation>
    </message>
    <message>
        <source>%1 names %2, which is no setting of a version %3 snapshot (it came with version %4)</source>
        <translation>%1 列出了%2，但它不是版本 %3 快照的设置（它随版本 %4 引入）</translation>
    </message>
    <message>
        <source>%1 is no setting of a version %2 snapshot (it came with version %3)</source>
        <translation>%1 不是版本 %2 快照的设置（它随版本 %3 引入）</translation>
    </message>
    <message>
        <source>the snapshot has no %1</source>
        <translation>该快照缺少 %1</translation>
    </message>
    <message>
        <source>%1 names %2, which is also listed as missing</source>
        <translation>%1 列出了%2，但它也被列为缺失</translation>
    </message>
    <message>
        <source>%1 is there, but it is listed as missing</source>
        <translation>%1 存在，但被列为缺失</translation>
    </message>
    <message>
        <source>%1 names &quot;%2&quot;, which %3 has</source>
        <translation>%1 列出了“%2”，而%3具有该设置</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 不是对象</translation>
    </message>
    <message>
        <source>%1 is no setting of this tool</source>
        <translation>%1 不是本工具的设置</translation>
    </message>
    <message>
        <source>%1 is there, but its setting is listed as missing</source>
        <translation>%1 存在，但其设置被列为缺失</translation>
    </message>
    <message>
        <source>%1 is there, but its setting is listed as not on the family</source>
        <translation>%1 存在，但其设置被列为不属于该设备系列</translation>
    </message>
    <message>
        <source>%1 is larger than %2: no settings snapshot is that large</source>
        <translation>%1 大于 %2：设置快照不会这么大</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
