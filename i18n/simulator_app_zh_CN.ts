<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>zor::simulator_app::FieldLegend</name>
    <message>
        <source>not marked</source>
        <translation>未打标</translation>
    </message>
    <message>
        <source>%1, marked %2 times</source>
        <translation>%1，已打标 %2 次</translation>
    </message>
    <message>
        <source>during a distortion adjustment</source>
        <translation>畸变调整期间显示</translation>
    </message>
    <message>
        <source>no move yet</source>
        <translation>尚未移动</translation>
    </message>
    <message>
        <source>aiming off</source>
        <translation>指示光关闭</translation>
    </message>
    <message>
        <source>top left %1; right bottom %2</source>
        <translation>左上 %1；右下 %2</translation>
    </message>
    <message>
        <source>during the aiming alignment</source>
        <translation>指示光校准期间显示</translation>
    </message>
    <message>
        <source>during a centering adjustment</source>
        <translation>中心调整期间显示</translation>
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
        <source>Distortion preview</source>
        <translation>畸变预览</translation>
    </message>
    <message>
        <source>Move spot</source>
        <translation>移动点</translation>
    </message>
    <message>
        <source>Aiming dot</source>
        <translation>指示光点</translation>
    </message>
    <message>
        <source>Alignment points</source>
        <translation>校准点</translation>
    </message>
    <message>
        <source>Centre cross</source>
        <translation>中心十字</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::FieldView</name>
    <message>
        <source>Field %1 mm square, grid %2 mm</source>
        <translation>场 %1 mm 见方，网格 %2 mm</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>right bottom</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>%1 (active)</source>
        <translation>%1（当前）</translation>
    </message>
    <message>
        <source>Scan field</source>
        <translation>扫描场</translation>
    </message>
    <message>
        <source>Scan field of %1</source>
        <translation>%1 的扫描场</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::MainWindow</name>
    <message>
        <source>1 system</source>
        <translation>1 个系统</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 个系统</translation>
    </message>
    <message>
        <source>zor-simulator: %1</source>
        <translation>zor-simulator：%1</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>&amp;Systems:</source>
        <translation>系统(&amp;S)：</translation>
    </message>
    <message>
        <source>Marks and sizes measured</source>
        <translation>打标图形与实测尺寸</translation>
    </message>
    <message>
        <source>Packet monitor</source>
        <translation>数据包监视器</translation>
    </message>
    <message>
        <source>Serving %1 on %2</source>
        <translation>在 %2 上提供 %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;aults</source>
        <translation>故障(&amp;A)</translation>
    </message>
    <message>
        <source>Refuse Next Packets</source>
        <translation>拒绝后续数据包</translation>
    </message>
    <message>
        <source>Packets to refuse (result 8):</source>
        <translation>要拒绝的数据包数（结果 8）：</translation>
    </message>
    <message>
        <source>Answer Slowly</source>
        <translation>慢速应答</translation>
    </message>
    <message>
        <source>Delay of each answer in ms (0: none):</source>
        <translation>每次应答的延时，单位 ms（0：无）：</translation>
    </message>
    <message>
        <source>No client connected</source>
        <translation>没有已连接的客户端</translation>
    </message>
    <message>
        <source>&amp;Monitor</source>
        <translation>监视器(&amp;M)</translation>
    </message>
    <message>
        <source>Clear Marks of &amp;This System</source>
        <comment>File menu</comment>
        <translation>清除本系统的打标(&amp;T)</translation>
    </message>
    <message>
        <source>Clear Marks of &amp;All Systems</source>
        <comment>File menu</comment>
        <translation>清除所有系统的打标(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>File menu</comment>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Refuse Next Packets...</source>
        <comment>Faults menu</comment>
        <translation>拒绝后续数据包(&amp;R)...</translation>
    </message>
    <message>
        <source>Stop Answering &amp;Status Queries</source>
        <comment>Faults menu</comment>
        <translation>停止应答状态查询(&amp;S)</translation>
    </message>
    <message>
        <source>Answer No &amp;Discovery</source>
        <comment>Faults menu</comment>
        <translation>不应答系统搜索(&amp;D)</translation>
    </message>
    <message>
        <source>Answer S&amp;lowly...</source>
        <comment>Faults menu</comment>
        <translation>慢速应答(&amp;L)...</translation>
    </message>
    <message>
        <source>Dro&amp;p Client</source>
        <comment>Faults menu</comment>
        <translation>断开客户端(&amp;P)</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::PacketMonitor</name>
    <message>
        <source>Show the calls of system</source>
        <translation>显示该系统的调用</translation>
    </message>
    <message>
        <source>All systems</source>
        <translation>所有系统</translation>
    </message>
    <message>
        <source>Show the calls of client</source>
        <translation>显示该客户端的调用</translation>
    </message>
    <message>
        <source>All clients</source>
        <translation>所有客户端</translation>
    </message>
    <message>
        <source>S&amp;ystem:</source>
        <translation>系统(&amp;Y)：</translation>
    </message>
    <message>
        <source>C&amp;lient:</source>
        <translation>客户端(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Pause Monitor</source>
        <translation>暂停监视(&amp;P)</translation>
    </message>
    <message>
        <source>Stop taking calls into the monitor; the simulator goes on serving</source>
        <translation>停止在监视器中记录调用；模拟器继续提供服务</translation>
    </message>
    <message>
        <source>&amp;Clear Monitor</source>
        <translation>清空监视器(&amp;C)</translation>
    </message>
    <message>
        <source>Calls shown</source>
        <translation>显示的调用</translation>
    </message>
    <message>
        <source>Packet monitor</source>
        <translation>数据包监视器</translation>
    </message>
    <message>
        <source>%1 (gone)</source>
        <extracomment>A client no longer connected, still chosen in the filter; %1 (its name) stays first.</extracomment>
        <translation>%1（已断开）</translation>
    </message>
    <message>
        <source>%1 of %2 calls shown; paused, %3 calls not taken</source>
        <translation>显示 %1 / %2 个调用；已暂停，%3 个调用未记录</translation>
    </message>
    <message>
        <source>%1 of %2 calls shown</source>
        <translation>显示 %1 / %2 个调用</translation>
    </message>
</context>
<context>
    <name>zor::simulator_app::StatePanel</name>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Shutter</source>
        <translation>快门</translation>
    </message>
    <message>
        <source>Aiming</source>
        <translation>指示光</translation>
    </message>
    <message>
        <source>Test power</source>
        <translation>测试功率</translation>
    </message>
    <message>
        <source>Adjustment open</source>
        <translation>进行中的调整</translation>
    </message>
    <message>
        <source>Working time</source>
        <translation>工作时间</translation>
    </message>
    <message>
        <source>Clients (all systems)</source>
        <translation>客户端（所有系统）</translation>
    </message>
    <message>
        <source>Faults on (all systems)</source>
        <translation>已开启的故障（所有系统）</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a row&apos;s name in the state panel</comment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>State of system %1 (%2)</source>
        <translation>系统 %1 的状态（%2）</translation>
    </message>
    <message>
        <source>%1, %2, lens %3 mm, IP %4</source>
        <translation>%1，%2，场镜 %3 mm，IP %4</translation>
    </message>
    <message>
        <source>open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>on, pulse %1</source>
        <translation>开，脉冲 %1</translation>
    </message>
    <message>
        <source>off (pulse %1)</source>
        <translation>关（脉冲 %1）</translation>
    </message>
    <message>
        <source>%1 (counting)</source>
        <translation>%1（计时中）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
</TS>
