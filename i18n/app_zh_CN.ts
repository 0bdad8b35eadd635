<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>app::CommandLine</name>
    <message>
        <source>Usage: zor-maintenance [--help] [--version] [--startup-probe] [Qt options]

Service and maintenance tool for ZOR laser marking systems: reads a marking
system&apos;s identity and sets its calibration and service parameters.

  -h, --help       show this help and exit
  -v, --version    show the version and exit
  --startup-probe  print when the panel was first painted and the resident
                   memory, then close (used by bench/startup)

Qt&apos;s standard options (-platform, -style, -session, ...) are taken as Qt
takes them. Any other argument is reported and ignored.

The tool talks to the controller through the device link libZorComm.so,
found beside the executable or in the installed library folder. Its own
environment (ZORCOMM_LINK, ZORCOMM_SIM_MODEL, ZORCOMM_STATE, ZORCOMM_TRACE)
selects the simulated controller and its state file; see zor-maintenance(1).
</source>
        <translation>用法：zor-maintenance [--help] [--version] [--startup-probe] [Qt 选项]

ZOR 激光打标系统的维护工具：读取打标系统的标识，设置其校准和维护参数。

  -h, --help       显示本帮助并退出
  -v, --version    显示版本并退出
  --startup-probe  输出主面板首次绘制的时间和常驻内存，然后关闭
                   （供 bench/startup 使用）

Qt 的标准选项（-platform、-style、-session 等）按 Qt 的方式处理。
其他参数会被报告并忽略。

本工具通过设备连接库 libZorComm.so 与控制器通信，该库位于程序旁边或
已安装的库文件夹中。其环境变量（ZORCOMM_LINK、ZORCOMM_SIM_MODEL、
ZORCOMM_STATE、ZORCOMM_TRACE）选择模拟控制器及其状态文件；
参见 zor-maintenance(1)。
</translation>
    </message>
    <message>
        <source>ignoring unknown argument &apos;%1&apos; (see --help)</source>
        <translation>忽略未知参数“%1”（参见 --help）</translation>
    </message>
</context>
</TS>
