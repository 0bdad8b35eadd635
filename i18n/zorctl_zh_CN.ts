<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>zorctl::Arguments</name>
    <message>
        <source>option %1 needs a value</source>
        <translation>选项 %1 需要一个值</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>选项 %1 不接受值</translation>
    </message>
    <message>
        <source>--system takes a system&apos;s serial number (decimal), not &apos;%1&apos;</source>
        <translation>--system 需要系统的序列号（十进制），而不是“%1”</translation>
    </message>
    <message>
        <source>the service password is never taken from the command line (it would show in the process list): use --password-file FILE, ZOR_SERVICE_PASSWORD, or type it when asked</source>
        <translation>维护密码从不从命令行获取（它会显示在进程列表中）：请使用 --password-file FILE、ZOR_SERVICE_PASSWORD，或在提示时输入</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
</context>
<context>
    <name>zorctl::Calibrate</name>
    <message>
        <source>calibrate: %1 &apos;%2&apos; is not a number of millimetres: write the decimal point as a point, e.g. 55.01</source>
        <translation>calibrate：%1“%2”不是毫米数：小数点请写作英文句点，例如 55.01</translation>
    </message>
    <message>
        <source>calibrate: %1 &apos;%2&apos; is not a number of millimetres (e.g. 55.01)</source>
        <translation>calibrate：%1“%2”不是毫米数（例如 55.01）</translation>
    </message>
    <message>
        <source> (top edge %1, left edge %2)</source>
        <translation>（上边 %1，左边 %2）</translation>
    </message>
    <message>
        <source> (unchanged)</source>
        <translation>（未改变）</translation>
    </message>
    <message>
        <source>calibrate needs --width MM and --height MM</source>
        <translation>calibrate 需要 --width MM 和 --height MM</translation>
    </message>
    <message>
        <source>calibrate: --tolerance &apos;%1&apos; is not PCT,MM (a percentage and millimetres, e.g. 0.05,0.02)</source>
        <translation>calibrate：--tolerance“%1”不是 PCT,MM（百分比和毫米，例如 0.05,0.02）</translation>
    </message>
    <message>
        <source>calibrate: %1</source>
        <translation>calibrate：%1</translation>
    </message>
    <message>
        <source>calibrate: the new values depend on the corrections read; a dry run reads nothing</source>
        <translation>calibrate：新值取决于读取的校正值；试运行不读取任何内容</translation>
    </message>
    <message>
        <source>calibrate: the scan field&apos;s model misses these sizes by up to %1 mm: the lens errs otherwise than the model has it; the next round may need to correct further</source>
        <translation>calibrate：扫描场模型与这些尺寸的偏差最多为 %1 mm：场镜的误差与模型不同；下一轮可能需要进一步校正</translation>
    </message>
    <message>
        <source>calibrate: the square is within tolerance; nothing was sent</source>
        <translation>calibrate：方框在公差范围内；未发送任何内容</translation>
    </message>
    <message>
        <source>calibrate: the new values are those in force; nothing was sent</source>
        <translation>calibrate：新值与当前生效值相同；未发送任何内容</translation>
    </message>
    <message>
        <source>calibrate: --no-set: nothing was sent</source>
        <translation>calibrate：--no-set：未发送任何内容</translation>
    </message>
</context>
<context>
    <name>zorctl::Commands</name>
    <message>
        <source>the marking system&apos;s identity could not be read</source>
        <translation>无法读取打标系统的标识</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>未知设置“%1”</translation>
    </message>
    <message>
        <source>not on %1: %2</source>
        <translation>%1 没有：%2</translation>
    </message>
    <message>
        <source>some settings could not be read</source>
        <translation>部分设置无法读取</translation>
    </message>
    <message>
        <source>%1: sent; the controller&apos;s %2 cannot be read back</source>
        <translation>%1：已发送；控制器的%2无法回读</translation>
    </message>
    <message>
        <source>%1: sent; %2 cannot read it back</source>
        <translation>%1：已发送；%2无法回读该值</translation>
    </message>
    <message>
        <source>%1: sent, but the controller reads back %2</source>
        <translation>%1：已发送，但控制器回读为 %2</translation>
    </message>
    <message>
        <source>%1: sent, but it could not be read back</source>
        <translation>%1：已发送，但无法回读</translation>
    </message>
    <message>
        <source>set %1 takes 1 value</source>
        <translation>set %1 需要 1 个值</translation>
    </message>
    <message>
        <source>set %1 takes %2 values</source>
        <translation>set %1 需要 %2 个值</translation>
    </message>
    <message>
        <source>--typed is for set controller-model alone</source>
        <translation>--typed 仅用于 set controller-model</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>move: %1 &apos;%2&apos; is not a whole number from 0 to %3</source>
        <translation>move：%1“%2”不是 0 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>mark takes original-square, corrected-square or max-field</source>
        <translation>mark 需要 original-square、corrected-square 或 max-field</translation>
    </message>
    <message>
        <source>shutter takes open or close</source>
        <translation>shutter 需要 open 或 close</translation>
    </message>
    <message>
        <source>aiming takes on or off</source>
        <translation>aiming 需要 on 或 off</translation>
    </message>
    <message>
        <source>test-power takes on PULSE, or off</source>
        <translation>test-power 需要 on PULSE 或 off</translation>
    </message>
    <message>
        <source>adjust takes center, distortion or aiming</source>
        <translation>adjust 需要 center、distortion 或 aiming</translation>
    </message>
    <message>
        <source>adjust aiming takes MOVES1 MOVES2 (MOVES1 alone with --cancel)</source>
        <translation>adjust aiming 需要 MOVES1 MOVES2（使用 --cancel 时仅需 MOVES1）</translation>
    </message>
    <message>
        <source>adjust %1 takes MOVES</source>
        <translation>adjust %1 需要 MOVES</translation>
    </message>
    <message>
        <source>adjust: MOVES &apos;%1&apos; may hold only the letters U, D, L and R</source>
        <translation>adjust：MOVES“%1”只能包含字母 U、D、L 和 R</translation>
    </message>
    <message>
        <source>the adjustment was ended without saving</source>
        <translation>调整已结束，未保存</translation>
    </message>
    <message>
        <source>--since &apos;%1&apos; is not a date (2026-12-01) or a date and time (2026-12-01T08:00)</source>
        <translation>--since“%1”不是日期（2026-12-01）或日期和时间（2026-12-01T08:00）</translation>
    </message>
    <message>
        <source>the service log could not be read: %1</source>
        <translation>无法读取维护日志：%1</translation>
    </message>
    <message>
        <source>the service log is larger than %1: only its newest entries were read</source>
        <translation>维护日志大于 %1：仅读取了最新的条目</translation>
    </message>
    <message>
        <source>1 line of the service log could not be read</source>
        <translation>维护日志中有 1 行无法读取</translation>
    </message>
    <message>
        <source>%1 lines of the service log could not be read</source>
        <translation>维护日志中有 %1 行无法读取</translation>
    </message>
    <message>
        <source>no operations have been logged for serial number %1 since %2</source>
        <translation>自 %2 以来没有记录序列号 %1 的操作</translation>
    </message>
    <message>
        <source>no operations have been logged for serial number %1 yet</source>
        <translation>尚未记录序列号 %1 的操作</translation>
    </message>
    <message>
        <source>no operations have been logged since %1</source>
        <translation>自 %1 以来没有记录任何操作</translation>
    </message>
    <message>
        <source>no operations have been logged yet</source>
        <translation>尚未记录任何操作</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>未知命令“%1”</translation>
    </message>
    <message>
        <source>option %1 is not one of %2&apos;s</source>
        <translation>选项 %1 不属于 %2</translation>
    </message>
    <message>
        <source>%1 takes %2 to %3 values</source>
        <translation>%1 需要 %2 到 %3 个值</translation>
    </message>
    <message>
        <source>%1 takes 1 value</source>
        <translation>%1 需要 1 个值</translation>
    </message>
    <message>
        <source>%1 takes %2 values</source>
        <translation>%1 需要 %2 个值</translation>
    </message>
</context>
<context>
    <name>zorctl::Common</name>
    <message>
        <source>%1 (zorctl help for the commands)</source>
        <translation>%1（zorctl help 列出命令）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>what was under way was sent in full</source>
        <translation>进行中的内容已完整发送</translation>
    </message>
    <message>
        <source>%1: interrupted by %2; %3</source>
        <translation>%1：被 %2 中断；%3</translation>
    </message>
</context>
<context>
    <name>zorctl::Help</name>
    <message>
        <source>every system that answers: serial number,
name, address and device family</source>
        <translation>每个应答的系统：序列号、名称、地址和设备系列</translation>
    </message>
    <message>
        <source>Usage: zorctl list [--system SERIAL] [--json] [--dry-run]

Looks for marking systems once and lists every one that answers: its serial
number (decimal), name (the model name its controller reports), IPv4 address
and device family (NK, N or NZ, from the name). Exit status 3 when none
answers or, with --system, when that one is not among them.
  --json         {&quot;systems&quot;: [{serial, name, address, family}]}
</source>
        <translation>用法：zorctl list [--system SERIAL] [--json] [--dry-run]

查找一次打标系统，并列出每个应答的系统：其序列号（十进制）、名称（其控制器报
告的型号）、IPv4 地址和设备系列（NK、N 或 NZ，由名称得出）。没有系统应答时，
或使用 --system 而该系统不在其中时，退出状态为 3。
  --json         {&quot;systems&quot;: [{serial, name, address, family}]}
</translation>
    </message>
    <message>
        <source>system name, version, release date, serial
number, lens and device family</source>
        <translation>系统名称、版本、发布日期、序列号、
场镜和设备系列</translation>
    </message>
    <message>
        <source>Usage: zorctl info [--json]

Prints the identity the marking system reported when it was found: system
name, version, release date, serial number, lens (mm) and device family.
Exit status 4 when the identity could not be read.
</source>
        <translation>用法：zorctl info [--json]

输出找到打标系统时它所报告的标识：系统名称、版本、发布日期、序列号、场镜
（mm）和设备系列。
无法读取标识时，退出状态为 4。
</translation>
    </message>
    <message>
        <source>read a setting; NAME is one of @gets@, or all</source>
        <translation>读取一项设置；NAME 为 @gets@ 之一，或 all</translation>
    </message>
    <message>
        <source>Usage: zorctl get NAME [--json] [--dry-run]

Reads one setting, as the panel&apos;s Get does, and prints it:
@reads@
A setting the family does not have is refused (exit status 1).
</source>
        <translation>用法：zorctl get NAME [--json] [--dry-run]

与面板的“读取”一样读取一项设置并输出：
@reads@
该设备系列没有的设置会被拒绝（退出状态 1）。
</translation>
    </message>
    <message>
        <source>write a setting; NAME is one of @sets@ (* needs the service password)</source>
        <translation>写入一项设置；NAME 为 @sets@ 之一（* 表示需要维护密码）</translation>
    </message>
    <message>
        <source>Usage: zorctl set NAME VALUE... [--json] [--dry-run] [--password-file FILE]
       zorctl set controller-model CODE --typed

Writes one setting, with the panel&apos;s packets and pauses:
@writes@
A text holding a character beyond Latin-1 is refused; nothing is sent, as
is a setting the system&apos;s family does not have (exit status 1).

The value is then read back wherever a Get reads it: one the controller did
not keep ends with &quot;sent, but the controller reads back X&quot; (exit status 4;
the service log&apos;s outcome &quot;differs&quot;), one that cannot be read with a line
saying so. --typed sends a controller model code as typed by hand (the
prefix 00), even one the panel&apos;s list has.
</source>
        <translation>用法：zorctl set NAME VALUE... [--json] [--dry-run] [--password-file FILE]
      zorctl set controller-model CODE --typed

以面板的数据包和停顿写入一项设置：
@writes@
含有 Latin-1 以外字符的文本会被拒绝，不发送任何内容；系统的设备系列没有的设
置同样如此（退出状态 1）。

随后，凡是可以读取的值都会回读：控制器未保留的值以“已发送，但控制器回读为 X”
结束（退出状态 4；维护日志中的结果为“differs”），无法读取的值则以一行说明结
束。--typed 按手动输入的方式发送控制器型号代码（前缀 00），即使面板的列表中
有该代码。
</translation>
    </message>
    <message>
        <source>move to a point (0 to 255 each)</source>
        <translation>移动到一个点（各为 0 到 255）</translation>
    </message>
    <message>
        <source>Usage: zorctl move X Y [--dry-run]

Moves to the point (X, Y); each a whole number from 0 to 255.
</source>
        <translation>用法：zorctl move X Y [--dry-run]

移动到点 (X, Y)；各为 0 到 255 之间的整数。
</translation>
    </message>
    <message>
        <source>mark original-square, corrected-square or
max-field</source>
        <translation>打标 original-square、corrected-square 或
max-field</translation>
    </message>
    <message>
        <source>Usage: zorctl mark original-square|corrected-square|max-field [--dry-run]

Marks a test figure. max-field toggles the controller&apos;s maximum field.
</source>
        <translation>用法：zorctl mark original-square|corrected-square|max-field [--dry-run]

打标一个测试图形。max-field 切换控制器的最大场。
</translation>
    </message>
    <message>
        <source>open or close the shutter</source>
        <translation>打开或关闭快门</translation>
    </message>
    <message>
        <source>Usage: zorctl shutter open|close [--dry-run]

Opens or closes the shutter.
</source>
        <translation>用法：zorctl shutter open|close [--dry-run]

打开或关闭快门。
</translation>
    </message>
    <message>
        <source>switch the aiming diode</source>
        <translation>开关指示光二极管</translation>
    </message>
    <message>
        <source>Usage: zorctl aiming on|off [--dry-run]

Switches the aiming diode on or off.
</source>
        <translation>用法：zorctl aiming on|off [--dry-run]

打开或关闭指示光二极管。
</translation>
    </message>
    <message>
        <source>fire the test power at PULSE (0 to 100)</source>
        <translation>以 PULSE 发射测试功率（0 到 100）</translation>
    </message>
    <message>
        <source>stop the test power</source>
        <translation>停止测试功率</translation>
    </message>
    <message>
        <source>Usage: zorctl test-power on PULSE | zorctl test-power off [--dry-run]

Fires the test power at PULSE, a whole number from 0 to 100, or stops it.
</source>
        <translation>用法：zorctl test-power on PULSE | zorctl test-power off [--dry-run]

以 PULSE（0 到 100 之间的整数）发射测试功率，或将其停止。
</translation>
    </message>
    <message>
        <source>reinitialise the power board</source>
        <translation>重新初始化电源板</translation>
    </message>
    <message>
        <source>Usage: zorctl init-power-board [--dry-run]

Reinitialises the power board.
</source>
        <translation>用法：zorctl init-power-board [--dry-run]

重新初始化电源板。
</translation>
    </message>
    <message>
        <source>make the controller show its version</source>
        <translation>让控制器显示其版本</translation>
    </message>
    <message>
        <source>Usage: zorctl show-version [--dry-run]

Makes the controller show its version.
</source>
        <translation>用法：zorctl show-version [--dry-run]

让控制器显示其版本。
</translation>
    </message>
    <message>
        <source>begin the adjustment, jog by MOVES (letters
U, D, L, R; &quot;&quot; for none) and save it, or with
--cancel end it without saving</source>
        <translation>开始调整，按 MOVES 点动（字母 U、D、L、R；
&quot;&quot; 表示不点动）并保存，或使用 --cancel
结束而不保存</translation>
    </message>
    <message>
        <source>align the aiming diode: jog by MOVES1 at the
top left point, Next, jog by MOVES2 at the
right bottom point, then save (or --cancel;
MOVES1 alone with --cancel: end at the first
point)</source>
        <translation>校准指示光二极管：在左上点按 MOVES1 点动，
下一步，在右下点按 MOVES2 点动，然后保存
（或 --cancel；使用 --cancel 时只给 MOVES1：
在第一个点结束）</translation>
    </message>
    <message>
        <source>Usage: zorctl adjust center|distortion MOVES [--cancel] [--dry-run]
       zorctl adjust aiming MOVES1 MOVES2 [--cancel] [--dry-run]
       zorctl adjust aiming MOVES1 --cancel [--dry-run]

Begins the centering or distortion adjustment, sends one jog per letter of
MOVES (U up, D down, L left, R right; &quot;&quot; for none), then saves the result,
or with --cancel ends the adjustment without saving. Ctrl+C between two
jogs ends it without saving too (exit status 130).

aiming aligns the aiming diode at two points, as the panel&apos;s &quot;Aiming
Alignment...&quot; does: the jogs of MOVES1 at the centre of the top left, Next,
the jogs of MOVES2 at the centre of the right bottom, then the save and,
half a second later, the end of the alignment; with --cancel the end alone.
With --cancel and MOVES1 alone it ends at the first point, without Next, as
the alignment dialog cancelled there does.
</source>
        <translation>用法：zorctl adjust center|distortion MOVES [--cancel] [--dry-run]
      zorctl adjust aiming MOVES1 MOVES2 [--cancel] [--dry-run]
      zorctl adjust aiming MOVES1 --cancel [--dry-run]

开始中心调整或畸变调整，按 MOVES 的每个字母发送一次点动（U 上、D 下、L 左、R
右；&quot;&quot; 表示不点动），然后保存结果；使用 --cancel 时结束调整而不保存。在两次
点动之间按 Ctrl+C 同样结束而不保存（退出状态 130）。

aiming 在两个点校准指示光二极管，与面板的“指示光校准...”相同：在左上点的中心
执行 MOVES1 的点动，下一步，在右下点的中心执行 MOVES2 的点动，然后保存，半秒
后结束校准；使用 --cancel 时只结束校准。使用 --cancel 且只给 MOVES1 时，在第
一个点结束，不执行下一步，与在该处取消的校准对话框相同。
</translation>
    </message>
    <message>
        <source>compute the scale and distortion corrections
that bring the corrected square, as measured,
to its nominal size with straight edges, and
send them (--no-set: compute only; --mark:
mark the corrected square afterwards)</source>
        <translation>计算比例校正和畸变校正，使实测的校正方框
达到标称尺寸且边缘笔直，并发送
（--no-set：仅计算；--mark：之后打标校正方框）</translation>
    </message>
    <message>
        <source>Usage: zorctl calibrate --width MM --height MM [--top MM --left MM] [--nominal MM]
                        [--tolerance PCT,MM] [--no-set] [--mark] [--json] [--dry-run]

The field calibration: mark the corrected square, measure it, and give its
width and height across the middle and, to straighten its edges, its top and
left edges from corner to corner, in millimetres. zorctl reads the scale and
distortion corrections in force, computes the new ones that bring the square
to its nominal size (half the field&apos;s side from the lens, or --nominal), prints
the old and new values and the sizes the next square should have, and sends
what changes with the panel&apos;s packets and pauses: Set scale, then Set
distortion. Width and height alone correct the scale only. With --mark it then
marks the corrected square, to be measured for the next round.

Nothing is sent when the square is already within tolerance (--tolerance
PCT,MM; default 0.05 % of nominal across the middle, and each edge within
0.02 mm of its middle size), or with --no-set. A size that is not a positive
number of millimetres (a point as decimal point) or lies more than 20 % from
nominal, an edge without the other, or a result the controller cannot take is
refused (exit status 1). When this round&apos;s square lies no closer to nominal
than the previous round&apos;s did, as the service log has it, zorctl says so.
Each round that sent is one service-log entry, operation &quot;calibrate&quot;.
</source>
        <translation>用法：zorctl calibrate --width MM --height MM [--top MM --left MM] [--nominal MM]
                       [--tolerance PCT,MM] [--no-set] [--mark] [--json] [--dry-run]

场校准：打标校正方框并测量，给出其穿过中心的宽度和高度；如需校直边缘，再给出
其上边和左边（角到角），单位为毫米。zorctl 读取当前生效的比例校正和畸变校
正，计算使方框达到标称尺寸（场镜所定场边长的一半，或 --nominal）的新值，输出
新旧值以及下一个方框应有的尺寸，并以面板的数据包和停顿发送有变化的值：先设置
比例，再设置畸变。只给宽度和高度时仅校正比例。使用 --mark 时随后打标校正方
框，供下一轮测量。

方框已在公差内时（--tolerance PCT,MM；默认穿过中心为标称值的 0.05 %，每条边
与其中心尺寸之差在 0.02 mm 以内），或使用 --no-set 时，不发送任何内容。不是
正毫米数（小数点为英文句点）或与标称值相差超过 20 % 的尺寸、只给一条边而缺另
一条、或控制器无法接受的结果，都会被拒绝（退出状态 1）。如果按维护日志的记
录，本轮方框并不比上一轮更接近标称值，zorctl 会指出。每个发送过的轮次是维护
日志中的一条，操作为“calibrate”。
</translation>
    </message>
    <message>
        <source>read every setting the controller reports and
save them, with its identity, as a snapshot</source>
        <translation>读取控制器报告的每项设置，
并连同其标识保存为快照</translation>
    </message>
    <message>
        <source>Usage: zorctl backup FILE [--json] [--dry-run]

Reads the identity and every setting the controller can report (currents,
distortion, scale, controller model, MAC, IP, subnet, gateway, ship id,
working time) and saves them as one JSON file, written atomically. A read
that fails is left out and named at the end (exit status 4); a setting the
system&apos;s family does not have is not read and is listed under
&quot;not_on_family&quot;; a file that cannot be written is refused (exit status 5)
and nothing is left behind.
</source>
        <translation>用法：zorctl backup FILE [--json] [--dry-run]

读取标识和控制器能报告的每项设置（电流、畸变、比例、控制器型号、MAC、IP、子
网、网关、SHIP ID、工作时间），保存为一个原子写入的 JSON 文件。读取失败的值
会被略去，并在最后列出（退出状态 4）；系统的设备系列没有的设置不读取，列在
“not_on_family”下；无法写入的文件会被拒绝（退出状态 5），且不留下任何内容。
</translation>
    </message>
    <message>
        <source>compare a snapshot with the controller, setting
by setting, and tell what a restore would send</source>
        <translation>逐项比较快照与控制器，并说明恢复会发送什么</translation>
    </message>
    <message>
        <source>Usage: zorctl diff FILE [--identity] [--json]

Compares a snapshot with the connected controller: each setting&apos;s value on
the controller and in the file, and whether a restore would send it. The
working time and the ship id are shown, never restored; a setting the
system&apos;s family has no Set for shows as &quot;not on family&quot; and is never sent.
A file that is not a valid snapshot is refused (exit status 1) and nothing
is read or sent. A controller value that could not be read shows as
(unreadable), and the exit status is 4.
</source>
        <translation>用法：zorctl diff FILE [--identity] [--json]

比较快照与已连接的控制器：每项设置在控制器上和文件中的值，以及恢复是否会发送
它。工作时间和 SHIP ID 只显示，从不恢复；系统的设备系列没有其设置操作的设置
显示为“not on family”，从不发送。不是有效快照的文件会被拒绝（退出状态 1），
不读取也不发送任何内容。无法读取的控制器值显示为（无法读取），退出状态为 4。
</translation>
    </message>
    <message>
        <source>send the snapshot&apos;s values that differ
(calibration first, network last) and read
each back; --identity also the serial number,
model name and controller model (password);
--other-system for another system&apos;s snapshot;
--yes without asking (needed off a terminal)</source>
        <translation>发送快照中不同的值（先校准，最后网络）
并逐一回读；--identity 同时恢复序列号、
型号和控制器型号（需要密码）；
--other-system 用于其他系统的快照；
--yes 不询问（非终端时必需）</translation>
    </message>
    <message>
        <source>Usage: zorctl restore FILE [--identity] [--other-system] [--yes] [--json] [--dry-run]

Checks the whole file first: a file that is not JSON, of another format or
a newer version, misses a part, holds a value the panel would refuse or the
controller could not have reported, or is larger than 1 MB is refused with
the problem named, and nothing is sent. Then sends only the settings whose
values differ, with the panel&apos;s own packets and pauses (calibration first,
network settings last) and reads each back: verified, differs or
unreadable; &quot;taken, not saved&quot; when the controller took it but could not
save it (a warning; exit status 0). When a setting did not end verified,
the summary&apos;s first line says what happened and how many were not sent.
A setting the system&apos;s family has no Set for is never sent;
the summary names what the family lacks. The serial number, model name and
controller model go back only with --identity and the service password; a
snapshot of another system (another serial number) only with
--other-system. On a terminal the
comparison is shown and confirmed first; without one, --yes is needed.
Ctrl+C or SIGTERM stops it between settings: each is as it was or fully
sent, and the exit status is 130 (143).
</source>
        <translation>用法：zorctl restore FILE [--identity] [--other-system] [--yes] [--json] [--dry-run]

先检查整个文件：不是 JSON、格式不同或版本较新、缺少某部分、含有面板会拒绝或
控制器不可能报告的值、或大于 1 MB 的文件会被拒绝并指出问题，不发送任何内容。
然后以面板自己的数据包和停顿仅发送值不同的设置（先校准，最后网络设置），并逐
一回读：verified、differs 或 unreadable；控制器接受但无法保存时为“taken, not
saved”（警告；退出状态 0）。某项设置未以 verified 结束时，摘要的第一行说明发
生了什么以及有多少项未发送。系统的设备系列没有其设置操作的设置从不发送；摘要
会列出该设备系列缺少的内容。序列号、型号和控制器型号仅在使用 --identity 并提
供维护密码时恢复；其他系统（序列号不同）的快照仅在使用 --other-system 时恢
复。在终端上会先显示比较结果并请求确认；没有终端时需要 --yes。Ctrl+C 或
SIGTERM 在两项设置之间停止：每项设置要么保持原样，要么已完整发送，退出状态
为 130（143）。
</translation>
    </message>
    <message>
        <source>print the service log: every operation that
sent something, from zorctl and the panel</source>
        <translation>输出维护日志：来自 zorctl 和面板的
每个发送过内容的操作</translation>
    </message>
    <message>
        <source>Usage: zorctl log [--since DATE] [--system SERIAL] [--json]

Prints the service log, oldest first: one line for every operation that sent
something to a marking system, from zorctl and from the panel, with its time
(local), front end, the system&apos;s serial number, the operation, the value sent
(&quot;-&quot; for none) and the outcome. Refusals send nothing and are not logged; the
service password never is. The device link is not loaded.

The log is $XDG_STATE_HOME/zor-maintenance/service-log.jsonl, or
~/.local/state/zor-maintenance/service-log.jsonl when XDG_STATE_HOME is unset
or not absolute: one JSON object per line with time (UTC, ISO 8601 with
milliseconds), front_end, serial and model (null when no identity was read),
operation, value, outcome (done, refused, not-connected, not-accepted,
read-failed; differs or unreadable for a Set a restore read back) and message
(when not done). Only its newest 8 MB are read; a line that cannot be read is
skipped and counted. A program that holds the log&apos;s lock for more than 2 s
makes the reading fail.

  --since DATE   only the entries from DATE on: 2026-12-01 (from midnight),
                 2026-12-01T08:00 or 2026-12-01T08:00:30 (&apos;T&apos; or a space);
                 local time, or UTC with a final Z (2026-12-01T08:00Z);
                 a time a daylight-saving change skipped is the first after it
  --system SERIAL  only the entries for the system of that serial number
  --json         {&quot;entries&quot;: [the lines&apos; objects], &quot;skipped&quot;: N}
Exit status 5 when the log exists but cannot be read.
</source>
        <translation>用法：zorctl log [--since DATE] [--system SERIAL] [--json]

输出维护日志，最早的在前：来自 zorctl 和面板的每个向打标系统发送过内容的操作
各占一行，包括时间（本地）、前端、系统的序列号、操作、发送的值（无则为“-”）
和结果。被拒绝的操作不发送任何内容，也不记录；维护密码从不记录。不加载设备连
接库。

日志为 $XDG_STATE_HOME/zor-maintenance/service-log.jsonl；XDG_STATE_HOME 未
设置或不是绝对路径时为 ~/.local/state/zor-maintenance/service-log.jsonl：每
行一个 JSON 对象，含 time（UTC，带毫秒的 ISO 8601）、front_end、serial 和
model（未读取到标识时为 null）、operation、value、outcome（done、refused、
not-connected、not-accepted、read-failed；恢复时回读的设置操作为 differs 或
unreadable）以及 message（未 done 时）。只读取其最新的 8 MB；无法读取的行会
被跳过并计数。某个程序持有日志锁超过 2 s 时，读取失败。

  --since DATE   仅 DATE 起的条目：2026-12-01（从午夜起）、2026-12-01T08:00 或
                 2026-12-01T08:00:30（&apos;T&apos; 或空格）；本地时间，或末尾带 Z 的
                 UTC（2026-12-01T08:00Z）；夏令时切换跳过的时间视为其后的第一
                 个时间
  --system SERIAL  仅该序列号系统的条目
  --json         {&quot;entries&quot;: [各行的对象], &quot;skipped&quot;: N}
日志存在但无法读取时，退出状态为 5。
</translation>
    </message>
    <message>
        <source>write the service report: the system, every
setting as read now, the service log since
--since (default: today) and the calibration
rounds with a drawing of their squares</source>
        <translation>写入维护报告：系统、当前读取的每项设置、
自 --since（默认：今天）起的维护日志，
以及附有方框图的校准轮次</translation>
    </message>
    <message>
        <source>Usage: zorctl report --output FILE.pdf [--since DATE] [--system SERIAL] [--json]

Writes the service report, a PDF to hand the customer: the system (name,
serial number, version, release date, lens, family, controller model,
working time), every setting its family has as read now (one that cannot be
read is listed as &quot;not read&quot;, never with a value), the service-log entries
for this system since DATE, the calibration rounds among them with their
measurements and a drawing of the measured, expected and nominal squares to
scale, and the date and host it was made on. No display is needed.

  --output FILE  the PDF; written atomically (a temporary beside it, then
                 renamed), never through a symbolic link at FILE, and
                 checked before anything is read
  --since DATE   the log&apos;s entries from DATE on, as for log (default: the
                 start of today, local time)
  --system SERIAL  the system to report on, when several answer

zorctl gathers the content and runs zor-report (beside zorctl, or in the
tool&apos;s library folder) to lay it out, waiting at most 60 s for it.
Exit status 4 when a setting could not be read (the report lists it as not
read), 5 when FILE cannot be written, the PDF could not be made or the
service log could not be read (the report then holds no entries).
</source>
        <translation>用法：zorctl report --output FILE.pdf [--since DATE] [--system SERIAL] [--json]

写入维护报告，一份交给客户的 PDF：系统（名称、序列号、版本、发布日期、场镜、
设备系列、控制器型号、工作时间）、该设备系列具有的每项设置的当前读数（无法读
取的列为未读取，从不附带值）、该系统自 DATE 起的维护日志条目、其中的校准轮次
及其测量值和按比例绘制的实测、预期和标称方框图，以及生成日期和主机。不需要显
示器。

  --output FILE  PDF 文件；原子写入（先在旁边写临时文件，再重命名），从不经由
                 FILE 处的符号链接写入，并在读取任何内容之前检查
  --since DATE   日志中 DATE 起的条目，同 log（默认：今天开始时，本地时间）
  --system SERIAL  有多个系统应答时，要报告的系统

zorctl 收集内容并运行 zor-report（在 zorctl 旁边或工具的库文件夹中）进行排
版，最多等待 60 s。
设置无法读取时退出状态为 4（报告将其列为未读取）；FILE 无法写入、无法生成
PDF 或无法读取维护日志时为 5（此时报告不含日志条目）。
</translation>
    </message>
    <message>
        <source>this text, or a command&apos;s own</source>
        <translation>本帮助，或某个命令的帮助</translation>
    </message>
    <message>
        <source>Usage: zorctl help [COMMAND]

Shows zorctl&apos;s help, or a command&apos;s.
</source>
        <translation>用法：zorctl help [COMMAND]

显示 zorctl 的帮助，或某个命令的帮助。
</translation>
    </message>
    <message>
        <source>Usage: zorctl [OPTIONS] COMMAND [VALUES...]

Reads and sets a ZOR laser marking system&apos;s identity, calibration and
network settings from the command line, exactly as the zor-maintenance
panel does: the same checks, the same packets and the same pauses.

Commands:
@commands@

Device families: a command is refused (exit status 1, nothing sent) when the
panel disables its control for the connected system&apos;s family, as the panel
started afresh does once it has found that family:
  NK- series   no controller-model, no network settings (mac, ip, subnet,
               gateway, ship-id)
  N- series    no get currents, init-power-board, adjust, mark,
               controller-model, work-time or network settings
  NZ series    no 20-current, max-current, init-power-board, adjust center
               or shutter
get all and backup leave out what the family does not have and name it
(not_on_family); diff shows it as &quot;not on family&quot; and restore never sends it.

Options:
  --json                one JSON object on standard output (keys below)
  --dry-run             run every check and print the packets, status queries
                        and waits the command would make, with their timing;
                        nothing in the device link is called (so no family
                        is known: the plan is the same for every family)
  -q, --quiet           no progress and no informational messages
  --system SERIAL       work with the system of this serial number (decimal)
                        when several answer; refused with exit status 3 when
                        it does not answer (log: its entries alone)
  --password-file FILE  read the service password from the first line of FILE
                        (a pipe such as &lt;(pass show zor) will do, if its line
                        comes within 10 s)
  --identity            diff, restore: the identity values too
  --other-system        restore: the snapshot may come from another system
  -y, --yes             restore: no question before sending
  --cancel              adjust: end without saving
  --typed               set controller-model: the code as typed by hand
  --output FILE         report: the PDF to write
  --width, --height MM  calibrate: the corrected square&apos;s width and height
                        across the middle, in mm (a point as decimal point)
  --top, --left MM      calibrate: its top and left edges, corner to corner
  --nominal MM          calibrate: the nominal side (else half the field&apos;s
                        side from the lens: 55.0125 mm for 163 mm)
  --tolerance PCT,MM    calibrate: within tolerance, nothing is sent
                        (default 0.05,0.02: 0.05 % of nominal, edges 0.02 mm)
  --no-set              calibrate: read and compute, send nothing
  --mark                calibrate: mark the corrected square after sending
  --since DATE          log, report: only entries from DATE on (2026-12-01, or
                        2026-12-01T08:00[:SS]; local time, UTC with a final Z;
                        a time a daylight-saving change skipped: the first
                        after it)
  -h, --help            show help and exit (after a command: its help)
  --version             show the version and exit

The service password (serial, model-name, controller-model, work-time) is
taken from --password-file, else from ZOR_SERVICE_PASSWORD (without a final
newline or CR; empty counts as unset), else asked for without echo when
standard input is a terminal. It is never accepted as an argument. A wrong
or missing password sends nothing.

Values travel exactly as the panel sends them: texts as typed (one byte per
character: Latin-1 only); a MAC address in any usual notation (00:1A:2B:3C:4D:5E,
00-1a-2b-3c-4d-5e, 001a.2b3c.4d5e, 001a2b3c4d5e) goes out as XX:XX:XX:XX:XX:XX;
an IP address, subnet mask or gateway as four decimal octets (192.168.1.10);
a listed controller model (100021, 100022, 200031, 200041) as if picked from
the panel&apos;s list (--typed: as typed by hand), any other six-digit code as
typed, and the eight digits get controller-model prints as they read: the
flag byte, 00 (typed by hand) or 10 (listed), then the code; any other value
is refused.

After a Set zorctl reads the value back wherever a Get reads it (currents,
lens, distortion, scale, serial, model name, controller model, the network
settings): one the controller did not keep ends with &quot;sent, but the
controller reads back X&quot; and exit status 4, and the service log says
&quot;differs&quot;. The 20-current and the multipliers cannot be read: zorctl says
once that the value was sent and cannot be read back.

Output: a reading of one value prints the value alone; of several, one
&quot;key: value&quot; line each. Control characters in texts from the marking system,
a file or the log show as escapes (\x1B, \u009B); JSON has its own. With
--json every command prints one object:
  command        the command line&apos;s command and values
  ok             true when the command did everything it set out to
  exit_status    as below
  error          {kind, message} when not ok; kind is usage, refused,
                 not-connected, not-accepted, read-failed, no-device-link,
                 file (a file could not be read or written) or interrupted
  warnings       [texts] when there is something to know besides: a change
                 the controller took but could not save (exit status 0)
  list:          systems [{serial, name, address, family}]
  info:          system_name, version, release_date, serial_number, lens_mm,
                 family (NK, N or NZ)
@keys@
  get all:       values {every key above}, missing [settings not read],
                 not_on_family [settings the family does not have]
  --dry-run:     dry_run [{at_ms, step}], total_ms
  backup:        file, missing [settings not read: not in the file],
                 not_on_family [settings the family does not have]
  diff:          settings [{setting, controller, file, restore}], to_send,
                 other_system, controller_serial, file_serial; restore is
                 send, same, not in file, needs --identity, never restored
                 or not on family
  restore:       settings [{setting, before, file, result, after}] for those
                 sent; result is verified, taken, not saved, differs,
                 unreadable, failed or not sent; sent, cancelled, summary
  calibrate:     measured {width_mm, height_mm, top_mm, left_mm}, nominal_mm,
                 old and new {scale_x, scale_y, distortion_x, distortion_y},
                 expected {width_mm, height_mm, top_mm, left_mm},
                 within_tolerance, sent
  log:           entries [{time, front_end, serial, model, operation, value,
                 outcome, message}] as the log holds them, oldest first;
                 skipped: lines that could not be read
  report:        file, not_read [settings listed as not read], log_entries,
                 calibrations

Exit status:
  0  done
  1  refused: a value or the password was not accepted; nothing was sent
  2  usage: unknown command, setting or option, or wrong number of values
  3  no device link, no marking system answered (with --system: not that
     one), or the device link did not accept a packet (nothing more was sent)
  4  the controller did not answer a read (backup: saved without it;
     report: listed as not read; diff: a value it compares), or it
     answered, but a value does not read back as sent (set, restore: the
     controller did not keep it)
  5  a file could not be read or written (the service log, a backup, a
     report, or zor-report could not make the PDF), or
     standard output or standard error could not be written
  130  interrupted by Ctrl+C (SIGINT; 143 for SIGTERM), as below

Ctrl+C (SIGINT) or SIGTERM while zorctl sends never cuts a value short: it
says &quot;stopping after this value&quot; and stops once the value under way is sent
whole (a restore: between settings; an adjustment: between jogs, then ended
unsaved). zorctl then ends by that signal, so a script running it stops too.
A second Ctrl+C ends it at once.

Environment:
  ZOR_SERVICE_PASSWORD   the service password
  LD_LIBRARY_PATH        absolute folders searched first for libZorComm.so
  XDG_STATE_HOME         the service log is $XDG_STATE_HOME/zor-maintenance/
                         service-log.jsonl (~/.local/state/... when unset)
  ZORCOMM_LINK, ZORCOMM_SOCKET, ZORCOMM_SYSTEM, ZORCOMM_SIM_MODEL,
  ZORCOMM_STATE, ZORCOMM_TRACE
                         the device link&apos;s own; see zor-maintenance(1)
                         (--system sets ZORCOMM_SYSTEM)

Examples:
  zorctl info
  zorctl list --json
  zorctl --system 100002 get scale
  zorctl get currents --json
  zorctl set min-current 0.5
  ZOR_SERVICE_PASSWORD=... zorctl set serial 100042
  zorctl set ip 192.168.1.10 --dry-run
  zorctl adjust distortion UUL
  zorctl adjust aiming UUL D
  zorctl calibrate --width 55.79 --height 54.15 --top 55.70 --left 54.06
  zorctl backup unit-100001.json
  zorctl diff unit-100001.json
  zorctl restore unit-100001.json --yes
  zorctl log --since 2026-12-01
</source>
        <extracomment>Command, option and setting names, values, JSON keys, examples and exit statuses stay as they are. Each line &quot;@name@&quot; is a list zorctl fills in: keep it, alone on its line. Lines at most 78 columns (a Chinese character counts two).</extracomment>
        <translation>用法：zorctl [OPTIONS] COMMAND [VALUES...]

从命令行读取和设置 ZOR 激光打标系统的标识、校准和网络设置，与
zor-maintenance 面板完全相同：相同的检查、相同的数据包和相同的停顿。

命令：
@commands@

设备系列：当面板对已连接系统的设备系列禁用某命令的控件时（正如重新启动的面板
找到该设备系列后那样），该命令会被拒绝（退出状态 1，不发送任何内容）：
  NK- 系列     没有 controller-model，没有网络设置（mac、ip、subnet、gateway、
               ship-id）
  N- 系列      没有 get currents、init-power-board、adjust、mark、
               controller-model、work-time 和网络设置
  NZ 系列      没有 20-current、max-current、init-power-board、adjust center
               和 shutter
get all 和 backup 会略去该设备系列没有的内容并将其列出（not_on_family）；
diff 将其显示为“not on family”，restore 从不发送。

选项：
  --json                在标准输出上输出一个 JSON 对象（键见下文）
  --dry-run             执行所有检查，并输出命令将要发送的数据包、状态查询和等
                        待及其时间；不调用设备连接库中的任何内容（因此设备系列
                        未知：所有设备系列的计划相同）
  -q, --quiet           不显示进度和提示信息
  --system SERIAL       有多个系统应答时，使用该序列号（十进制）的系统；该系统
                        不应答时以退出状态 3 拒绝（log：仅其条目）
  --password-file FILE  从 FILE 的第一行读取维护密码（也可以是管道，如
                        &lt;(pass show zor)，只要其行在 10 s 内到达）
  --identity            diff、restore：同时包括标识值
  --other-system        restore：快照可以来自其他系统
  -y, --yes             restore：发送前不询问
  --cancel              adjust：结束而不保存
  --typed               set controller-model：按手动输入的方式发送代码
  --output FILE         report：要写入的 PDF
  --width, --height MM  calibrate：校正方框穿过中心的宽度和高度，单位 mm（小数
                        点为英文句点）
  --top, --left MM      calibrate：其上边和左边，角到角
  --nominal MM          calibrate：标称边长（否则为场镜所定场边长的一半：
                        163 mm 场镜为 55.0125 mm）
  --tolerance PCT,MM    calibrate：在公差内时不发送任何内容（默认 0.05,0.02：
                        标称值的 0.05 %，边 0.02 mm）
  --no-set              calibrate：读取并计算，不发送任何内容
  --mark                calibrate：发送后打标校正方框
  --since DATE          log、report：仅 DATE 起的条目（2026-12-01 或
                        2026-12-01T08:00[:SS]；本地时间，末尾带 Z 为 UTC；夏令
                        时切换跳过的时间：其后的第一个时间）
  -h, --help            显示帮助并退出（在命令之后：该命令的帮助）
  --version             显示版本并退出

维护密码（serial、model-name、controller-model、work-time）取自
--password-file，否则取自 ZOR_SERVICE_PASSWORD（不含末尾的换行符或 CR；为空
视为未设置），否则在标准输入为终端时不回显地询问。从不接受将其作为参数。密码
错误或缺失时不发送任何内容。

值的传输与面板发送时完全相同：文本按输入原样（每个字符一个字节：仅限
Latin-1）；任何常用写法的 MAC 地址（00:1A:2B:3C:4D:5E、00-1a-2b-3c-4d-5e、
001a.2b3c.4d5e、001a2b3c4d5e）以 XX:XX:XX:XX:XX:XX 发出；IP 地址、子网掩码或
网关以四个十进制字节（192.168.1.10）发出；列表中的控制器型号（100021、
100022、200031、200041）按从面板列表中选择的方式发送（--typed：按手动输入的
方式），其他六位代码按输入原样，get controller-model 输出的八位数字按读取的
方式：标志字节 00（手动输入）或 10（列表中的），然后是代码；其他值都会被拒
绝。

设置之后，凡是可以读取的值（电流、场镜、畸变、比例、序列号、型号、控制器型
号、网络设置），zorctl 都会回读：控制器未保留的值以“已发送，但控制器回读为
X”和退出状态 4 结束，维护日志记为“differs”。20% 电流和倍率无法读取：zorctl
会说明一次该值已发送且无法回读。

输出：读取一个值时只输出该值；读取多个值时每个值一行“key: value”。来自打标系
统、文件或日志的文本中的控制字符显示为转义序列（\x1B、\u009B）；JSON 有自己
的转义。使用 --json 时，每个命令输出一个对象：
  command        命令行中的命令和值
  ok             命令完成了它要做的一切时为 true
  exit_status    见下文
  error          未 ok 时为 {kind, message}；kind 为 usage、refused、
                 not-connected、not-accepted、read-failed、no-device-link、
                 file（无法读取或写入文件）或 interrupted
  warnings       另有需要知道的情况时为 [文本]：控制器接受但无法保存的更改（退
                 出状态 0）
  list:          systems [{serial, name, address, family}]
  info:          system_name, version, release_date, serial_number, lens_mm,
                 family（NK、N 或 NZ）
@keys@
  get all:       values {以上每个键}, missing [未读取的设置], not_on_family
                 [该设备系列没有的设置]
  --dry-run:     dry_run [{at_ms, step}], total_ms
  backup:        file, missing [未读取的设置：不在文件中], not_on_family [该设
                 备系列没有的设置]
  diff:          settings [{setting, controller, file, restore}], to_send,
                 other_system, controller_serial, file_serial；restore 为
                 send、same、not in file、needs --identity、never restored 或
                 not on family
  restore:       settings [{setting, before, file, result, after}]，针对已发送
                 的设置；result 为 verified、taken, not saved、differs、
                 unreadable、failed 或 not sent；sent, cancelled, summary
  calibrate:     measured {width_mm, height_mm, top_mm, left_mm}, nominal_mm,
                 old 和 new {scale_x, scale_y, distortion_x, distortion_y},
                 expected {width_mm, height_mm, top_mm, left_mm},
                 within_tolerance, sent
  log:           entries [{time, front_end, serial, model, operation, value,
                 outcome, message}]，与日志中保存的相同，最早的在前；skipped：
                 无法读取的行
  report:        file, not_read [列为未读取的设置], log_entries, calibrations

退出状态：
  0  完成
  1  拒绝：值或密码未被接受；未发送任何内容
  2  用法错误：未知的命令、设置或选项，或值的个数不对
  3  没有设备连接库，没有打标系统应答（使用 --system 时：不是该系统），或设备
     连接库未接受某个数据包（之后不再发送任何内容）
  4  控制器未应答某次读取（backup：保存时不含该值；report：列为未读取；diff：
     它比较的某个值），或控制器已应答，但某个值的回读与发送的不同（set、
     restore：控制器未保留该值）
  5  无法读取或写入文件（维护日志、备份、报告，或 zor-report 无法生成 PDF），
     或无法写入标准输出或标准错误
  130  被 Ctrl+C 中断（SIGINT；SIGTERM 为 143），见下文

zorctl 发送时，Ctrl+C（SIGINT）或 SIGTERM 从不截断某个值：它会提示“将在此值
之后停止”，并在进行中的值完整发送后停止（restore：在两项设置之间；调整：在两
次点动之间，然后不保存而结束）。随后 zorctl 以该信号结束，因此运行它的脚本也
会停止。再按一次 Ctrl+C 会立即结束它。

环境变量：
  ZOR_SERVICE_PASSWORD   维护密码
  LD_LIBRARY_PATH        优先搜索 libZorComm.so 的绝对路径文件夹
  XDG_STATE_HOME         维护日志为
                         $XDG_STATE_HOME/zor-maintenance/service-log.jsonl（未
                         设置时为 ~/.local/state/...）
  ZORCOMM_LINK, ZORCOMM_SOCKET, ZORCOMM_SYSTEM, ZORCOMM_SIM_MODEL,
  ZORCOMM_STATE, ZORCOMM_TRACE
                         设备连接库自己的变量；参见 zor-maintenance(1)
                         （--system 会设置 ZORCOMM_SYSTEM）

示例：
  zorctl info
  zorctl list --json
  zorctl --system 100002 get scale
  zorctl get currents --json
  zorctl set min-current 0.5
  ZOR_SERVICE_PASSWORD=... zorctl set serial 100042
  zorctl set ip 192.168.1.10 --dry-run
  zorctl adjust distortion UUL
  zorctl adjust aiming UUL D
  zorctl calibrate --width 55.79 --height 54.15 --top 55.70 --left 54.06
  zorctl backup unit-100001.json
  zorctl diff unit-100001.json
  zorctl restore unit-100001.json --yes
  zorctl log --since 2026-12-01
</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>8 hex digits</source>
        <translation>8 位十六进制数</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>every one of these that the system&apos;s family has; one that cannot be read is listed under &quot;missing&quot; and the exit status is 4, one the family does not have under &quot;not_on_family&quot;</source>
        <translation>系统的设备系列具有的以上每一项；无法读取的列在“missing”下，退出状态为 4；该设备系列没有的列在“not_on_family”下</translation>
    </message>
    <message>
        <source>%1 can be set, but not read.</source>
        <translation>%1 可以设置，但不能读取。</translation>
    </message>
</context>
<context>
    <name>zorctl::List</name>
    <message>
        <source>SERIAL</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>ADDRESS</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>FAMILY</source>
        <translation>系列</translation>
    </message>
</context>
<context>
    <name>zorctl::Main</name>
    <message>
        <source>%1 (zorctl --help for the options)</source>
        <translation>%1（zorctl --help 列出选项）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (zorctl help for the commands)</source>
        <translation>未知命令“%1”（zorctl help 列出命令）</translation>
    </message>
</context>
<context>
    <name>zorctl::Output</name>
    <message>
        <source>standard output could not be written: %1</source>
        <translation>无法写入标准输出：%1</translation>
    </message>
    <message>
        <source>standard output could not be written</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
<context>
    <name>zorctl::Password</name>
    <message>
        <source>cannot read the password file %1: %2</source>
        <translation>无法读取密码文件 %1：%2</translation>
    </message>
    <message>
        <source>Service password: </source>
        <translation>维护密码：</translation>
    </message>
    <message>
        <source>the password file %1 is not a regular file or a pipe</source>
        <translation>密码文件 %1 不是普通文件或管道</translation>
    </message>
    <message>
        <source>no program wrote a password line to the pipe %1 within %2</source>
        <translation>在 %2 内没有程序向管道 %1 写入密码行</translation>
    </message>
    <message>
        <source>the password file %1 does not start with a password line</source>
        <translation>密码文件 %1 不以密码行开头</translation>
    </message>
    <message>
        <source>this setting needs the service password: give --password-file FILE or ZOR_SERVICE_PASSWORD, or run zorctl on a terminal to type it</source>
        <translation>此设置需要维护密码：请提供 --password-file FILE 或 ZOR_SERVICE_PASSWORD，或在终端中运行 zorctl 以输入密码</translation>
    </message>
</context>
<context>
    <name>zorctl::Report</name>
    <message>
        <source>report needs --output FILE.pdf</source>
        <translation>report 需要 --output FILE.pdf</translation>
    </message>
    <message>
        <source>--since &apos;%1&apos; is not a date (2026-12-01) or a date and time (2026-12-01T08:00)</source>
        <translation>--since“%1”不是日期（2026-12-01）或日期和时间（2026-12-01T08:00）</translation>
    </message>
    <message>
        <source>report: zor-report, which makes the PDF, is not installed beside zorctl</source>
        <translation>report：生成 PDF 的 zor-report 未安装在 zorctl 旁边</translation>
    </message>
    <message>
        <source>report: the PDF could not be made: %1</source>
        <translation>report：无法生成 PDF：%1</translation>
    </message>
    <message>
        <source>report written to %1</source>
        <translation>维护报告已写入 %1</translation>
    </message>
    <message>
        <source>the report holds no service-log entries: the service log could not be read: %1</source>
        <translation>维护报告不含维护日志条目：无法读取维护日志：%1</translation>
    </message>
    <message>
        <source>the report lists as not read what could not be read: %1</source>
        <translation>维护报告将无法读取的内容列为未读取：%1</translation>
    </message>
</context>
<context>
    <name>zorctl::RunProgram</name>
    <message>
        <source>cannot make a pipe: %1</source>
        <translation>无法创建管道：%1</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>无法运行 %1：%2</translation>
    </message>
    <message>
        <source>cannot wait for %1: %2</source>
        <translation>无法等待 %1：%2</translation>
    </message>
    <message>
        <source>%1 did not finish within %2</source>
        <translation>%1 未在 %2 内完成</translation>
    </message>
    <message>
        <source>%1 wrote more than %2</source>
        <translation>%1 写入的内容超过 %2</translation>
    </message>
</context>
<context>
    <name>zorctl::Session</name>
    <message>
        <source>%1: %2 s of %3 s </source>
        <translation>%1：%2 s / %3 s </translation>
    </message>
    <message>
        <source>the system to address could not be set in the environment</source>
        <translation>无法在环境中设置要访问的系统</translation>
    </message>
    <message>
        <source>No ZORComm.DLL found: libZorComm.so is not in LD_LIBRARY_PATH, beside zorctl, in the installed library folder or in the system library folders</source>
        <translation>未找到 ZORComm.DLL：libZorComm.so 不在 LD_LIBRARY_PATH 中，不在 zorctl 旁边，也不在已安装的库文件夹或系统库文件夹中</translation>
    </message>
    <message>
        <source>%1 names no serial number: &quot;%2&quot; (found: %3)</source>
        <translation>%1 未指定序列号：“%2”（找到：%3）</translation>
    </message>
    <message>
        <source>no marking system with serial number %1 answered (found: %2)</source>
        <translation>序列号为 %1 的打标系统没有应答（找到：%2）</translation>
    </message>
    <message>
        <source>no marking system has serial number %1, which %2 names (found: %3)</source>
        <translation>没有打标系统的序列号为 %2 所指定的 %1（找到：%3）</translation>
    </message>
    <message>
        <source>the service log could not be written (%1); the operation goes on without it</source>
        <translation>无法写入维护日志（%1）；操作将在不记录日志的情况下继续</translation>
    </message>
    <message>
        <source>no marking system answered</source>
        <translation>没有打标系统应答</translation>
    </message>
    <message>
        <source>the device link answered with the system of serial number %1, not %2: it does not address systems by serial number</source>
        <translation>设备连接库以序列号为 %1 的系统应答，而不是 %2：它不按序列号访问系统</translation>
    </message>
    <message>
        <source>a marking system answered, but the device link does not list the systems it found</source>
        <translation>有打标系统应答，但设备连接库未列出找到的系统</translation>
    </message>
    <message>
        <source>stopping after this value</source>
        <translation>将在此值之后停止</translation>
    </message>
    <message>
        <source>a marking system was found, but its identity could not be read</source>
        <translation>找到了打标系统，但无法读取其标识</translation>
    </message>
    <message>
        <source>the marking system was found again, but its identity could not be read</source>
        <translation>再次找到了打标系统，但无法读取其标识</translation>
    </message>
</context>
<context>
    <name>zorctl::Snapshots</name>
    <message>
        <source>%1; nothing was sent</source>
        <translation>%1；未发送任何内容</translation>
    </message>
    <message>
        <source>SETTING</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>CONTROLLER</source>
        <translation>控制器</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>RESTORE</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <translation>（无法读取）</translation>
    </message>
    <message>
        <source>(not on family)</source>
        <translation>（该设备系列没有）</translation>
    </message>
    <message>
        <source>(not in file)</source>
        <translation>（文件中没有）</translation>
    </message>
    <message>
        <source>The file comes from marking system %1; this is %2.</source>
        <translation>该文件来自打标系统 %1；本系统为 %2。</translation>
    </message>
    <message>
        <source>The file comes from marking system %1; this is not identified.</source>
        <translation>该文件来自打标系统 %1；本系统未识别。</translation>
    </message>
    <message>
        <source>The file comes from an unidentified system; this is %1.</source>
        <translation>该文件来自未识别的系统；本系统为 %1。</translation>
    </message>
    <message>
        <source>The file comes from an unidentified system; this is not identified.</source>
        <translation>该文件来自未识别的系统；本系统未识别。</translation>
    </message>
    <message>
        <source>restoring %1 of %2: %3</source>
        <translation>正在恢复第 %1 个，共 %2 个：%3</translation>
    </message>
    <message>
        <source>stopping after this setting</source>
        <translation>将在此设置之后停止</translation>
    </message>
    <message>
        <source>settings saved to %1</source>
        <translation>设置已保存到 %1</translation>
    </message>
    <message>
        <source>not on %1, so not in the file: %2</source>
        <translation>%1 没有，因此不在文件中：%2</translation>
    </message>
    <message>
        <source>saved without what could not be read: %1</source>
        <translation>已保存，但不含无法读取的内容：%1</translation>
    </message>
    <message>
        <source>some controller values could not be read: %1</source>
        <translation>部分控制器值无法读取：%1</translation>
    </message>
    <message>
        <source>a real restore sends only the settings that differ</source>
        <translation>实际恢复时仅发送不同的设置</translation>
    </message>
    <message>
        <source>restore: without a terminal to confirm on, give --yes; nothing was sent</source>
        <translation>restore：没有可供确认的终端，请提供 --yes；未发送任何内容</translation>
    </message>
    <message>
        <source>nothing differs; nothing was sent</source>
        <translation>没有差异；未发送任何内容</translation>
    </message>
    <message>
        <source>restore: the file comes from another marking system; give --other-system if it is meant for this one</source>
        <translation>restore：该文件来自另一个打标系统；如果它用于本系统，请提供 --other-system</translation>
    </message>
    <message>
        <source>Restore %1 settings?</source>
        <translation>恢复 %1 项设置？</translation>
    </message>
    <message>
        <source>restore: not confirmed; nothing was sent</source>
        <translation>restore：未确认；未发送任何内容</translation>
    </message>
    <message>
        <source>restore: %1</source>
        <translation>restore：%1</translation>
    </message>
    <message>
        <source>BEFORE</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>RESULT</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>the settings after the one under way were not sent</source>
        <translation>进行中的设置之后的设置未发送</translation>
    </message>
    <message>
        <source>some settings do not read back as in the file</source>
        <translation>部分设置的回读值与文件不一致</translation>
    </message>
</context>
</TS>
