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
