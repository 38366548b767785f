<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ATInterface</name>
    <message>
        <source>Form</source>
        <translation>AT指令</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;meta charset=&quot;utf-8&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Calibri&apos;; font-size:12pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;meta charset=&quot;utf-8&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Calibri&apos;; font-size:12pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AT Command :</source>
        <translation>AT 指令 :</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Save transcript…</source>
        <translation>保存记录…</translation>
    </message>
    <message>
        <source>Show as hex</source>
        <translation>以十六进制显示</translation>
    </message>
    <message>
        <source>Save transcript</source>
        <translation>保存记录</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The transcript could not be saved to %1: %2</source>
        <translation>无法将记录保存到 %1：%2</translation>
    </message>
    <message numerus="yes">
        <source>Transcript saved to %1 (%n byte(s)).</source>
        <translation>
            <numerusform>记录已保存到 %1（%n 字节）。</numerusform>
        </translation>
    </message>
    <message>
        <source>No link is open: connect first. The line is kept.</source>
        <translation>没有打开的连接：请先连接。输入的命令已保留。</translation>
    </message>
    <message>
        <source>Show sent lines</source>
        <translation>显示已发送的行</translation>
    </message>
    <message>
        <source>Log to file…</source>
        <translation>记录到文件…</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>记录到文件</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>文本文件 (*.txt *.log);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Logging to %1.</source>
        <translation>正在记录到 %1。</translation>
    </message>
    <message>
        <source>Cannot log to %1: %2</source>
        <translation>无法记录到 %1：%2</translation>
    </message>
    <message>
        <source>The log %1 could not be written: %2. Logging stopped.</source>
        <translation>无法写入记录文件 %1：%2。记录已停止。</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>端口 :</translation>
    </message>
</context>
<context>
    <name>AdvertiseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>广告</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>give one command: %1 (see kvx-cli --help)</source>
        <translation>请给出一个命令：%1（见 kvx-cli --help）</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see kvx-cli --help)</source>
        <translation>未知命令“%1”（见 kvx-cli --help）</translation>
    </message>
    <message>
        <source>stopped by signal %1</source>
        <translation>被信号 %1 停止</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>%1 man|bash-completion</source>
        <translation>%1 man|bash-completion</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2 (see kvx-cli help %2)</source>
        <translation>--%1 不适用于 %2（见 kvx-cli help %2）</translation>
    </message>
    <message>
        <source>--%1 is needed (see kvx-cli help %2)</source>
        <translation>需要 --%1（见 kvx-cli help %2）</translation>
    </message>
    <message>
        <source>--port: %1 takes one port</source>
        <translation>--port：%1 只接受一个端口</translation>
    </message>
    <message>
        <source>--timeout %1: allowed: a number of milliseconds above 0</source>
        <translation>--timeout %1：允许的值：大于 0 的毫秒数</translation>
    </message>
    <message>
        <source>--reservation-timeout %1: allowed: a number of seconds above 0</source>
        <translation>--reservation-timeout %1：允许的值：大于 0 的秒数</translation>
    </message>
    <message>
        <source>--%1 %2: must be a whole number 0 … %3</source>
        <translation>--%1 %2：必须是 0 … %3 的整数</translation>
    </message>
    <message>
        <source>--profile %1: %2</source>
        <translation>--profile %1：%2</translation>
    </message>
    <message>
        <source>--log %1: cannot be written: %2</source>
        <translation>--log %1：无法写入：%2</translation>
    </message>
    <message>
        <source>--%1 is needed (allowed: %2)</source>
        <translation>需要 --%1（允许的值：%2）</translation>
    </message>
    <message>
        <source>--%1 %2: allowed: %3</source>
        <translation>--%1 %2：允许的值：%3</translation>
    </message>
    <message>
        <source>--%1 %2: the profile is for %3</source>
        <translation>--%1 %2：配置方案适用于 %3</translation>
    </message>
    <message>
        <source>--%1 %2: not a value of %3 %4; allowed: %5</source>
        <translation>--%1 %2：不是 %3 %4 的取值；允许的值：%5</translation>
    </message>
    <message>
        <source>--repeater is written only with the master work mode (S141 goes out after the Master preset alone): add --work-mode master</source>
        <translation>--repeater 只在主站（master）工作模式下写入（S141 只跟在 Master 预设之后发送）：请加上 --work-mode master</translation>
    </message>
    <message>
        <source>no serial ports; devices the system does not list as serial ports (pseudo-terminals, the simulator&apos;s link) are added by naming their paths in KVX_EXTRA_PORTS</source>
        <translation>没有串口；系统未列为串口的设备（伪终端、模拟器的链接）可在 KVX_EXTRA_PORTS 中写出其路径来加入</translation>
    </message>
    <message>
        <source>--port is needed (one for each unit), or --watch</source>
        <translation>需要 --port（每个单元一个），或 --watch</translation>
    </message>
    <message>
        <source>--match goes with --watch</source>
        <translation>--match 须与 --watch 一起使用</translation>
    </message>
    <message>
        <source>--port is needed (see kvx-cli help %1)</source>
        <translation>需要 --port（见 kvx-cli help %1）</translation>
    </message>
    <message>
        <source>--port %1 is given twice: one unit, one port</source>
        <translation>--port %1 给出了两次：一个单元，一个端口</translation>
    </message>
    <message>
        <source>watching for serial ports that appear%1; Ctrl-C stops</source>
        <translation>正在等待新出现的串口%1；按 Ctrl-C 停止</translation>
    </message>
    <message>
        <source>ports there now, left alone: %1</source>
        <translation>现有端口，不予处理：%1</translation>
    </message>
    <message>
        <source>note: %1 names no device the system lists as a serial port; a pseudo-terminal or a simulator&apos;s link is seen only when KVX_EXTRA_PORTS names its path</source>
        <translation>注意：%1 不是系统列出的串口设备；伪终端或模拟器的链接只有在 KVX_EXTRA_PORTS 写出其路径时才能看到</translation>
    </message>
    <message>
        <source>%1 appeared: left alone, it does not match %2</source>
        <translation>%1 已出现：与 %2 不匹配，不予处理</translation>
    </message>
    <message>
        <source>--product %1: only kv6 (KV6 - KV7) units have a pass-through baud rate</source>
        <translation>--product %1：只有 kv6（KV6 - KV7）单元有透传波特率</translation>
    </message>
    <message>
        <source>--set %1: allowed: %2</source>
        <translation>--set %1：允许的值：%2</translation>
    </message>
    <message>
        <source>record %1 takes one CSV file</source>
        <translation>record %1 需要一个 CSV 文件</translation>
    </message>
    <message>
        <source>record %1 takes no file</source>
        <translation>record %1 不接受文件</translation>
    </message>
    <message numerus="yes">
        <source>no conflicts in %n row(s)</source>
        <translation>
            <numerusform>%n 行中没有冲突</numerusform>
        </translation>
    </message>
    <message>
        <source>--record: import goes into a database record (.kvxdb or postgresql://)</source>
        <translation>--record：导入只能进入数据库记录（.kvxdb 或 postgresql://）</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) imported into %1</source>
        <translation>
            <numerusform>已将 %n 行导入 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (held already)</source>
        <translation>
            <numerusform>，跳过 %n 行（已存在）</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing held unit address %1 on network address %2 for an unfinished unit (a unit recorded as verified or written is taken over with write --replace)</source>
        <translation>网络地址 %2 上的单元地址 %1 未被未完成的单元占用（已记录为已校验或已写入的单元可用 write --replace 接管）</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>工位 %1</translation>
    </message>
    <message>
        <source> (operator %1)</source>
        <translation>（操作员 %1）</translation>
    </message>
    <message>
        <source>released unit address %1 on network address %2: %3 by %4 at %5</source>
        <translation>已释放网络地址 %2 上的单元地址 %1：%3，由 %4 于 %5</translation>
    </message>
    <message>
        <source>--record-wait %1: allowed: a number of seconds, 0 or more</source>
        <translation>--record-wait %1：允许值：秒数，0 或更大</translation>
    </message>
    <message>
        <source>%1 row(s) wait for the shared record %2; waiting up to %3 s</source>
        <translation>%1 行记录等待写入共享记录 %2；最多等待 %3 秒</translation>
    </message>
    <message>
        <source>%1 row(s) still wait for the shared record %2: they are kept on this computer and forwarded by the next run or by kvx-cli record sync --record %2</source>
        <translation>%1 行记录仍在等待写入共享记录 %2：它们保存在本机，由下一次运行或 kvx-cli record sync --record %2 转发</translation>
    </message>
    <message>
        <source>kvx-print, which draws labels and reports, is not installed beside kvx-cli</source>
        <translation>未在 kvx-cli 旁安装绘制标签和报告的 kvx-print</translation>
    </message>
    <message>
        <source>%1 %2: no code after the port</source>
        <translation>%1 %2：端口后没有编码</translation>
    </message>
    <message>
        <source>%1: port %2 is given two codes</source>
        <translation>%1：端口 %2 被给了两个编码</translation>
    </message>
    <message>
        <source>--serial: %1 codes for %2 ports without one (give PORT=CODE)</source>
        <translation>--serial：%1 个编码对应 %2 个没有编码的端口（请使用 端口=编码）</translation>
    </message>
    <message>
        <source>--serial %1=%2: %1 is not a --port given</source>
        <translation>--serial %1=%2：%1 不是给出的 --port</translation>
    </message>
    <message>
        <source>code %1: for the next unit plugged in</source>
        <translation>编码 %1：用于下一台接入的设备</translation>
    </message>
    <message>
        <source>%1: sent %2</source>
        <translation>%1：已发送 %2</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are one device (%3), given twice: one unit, one port</source>
        <translation>--port %1 与 --port %2 是同一设备（%3），给了两次：一台设备只用一个端口</translation>
    </message>
    <message>
        <source>--unit-start: give a number or auto</source>
        <translation>--unit-start：请给出数字或 auto</translation>
    </message>
    <message>
        <source>--unit-start: %1</source>
        <translation>--unit-start：%1</translation>
    </message>
    <message>
        <source>--record %1: only a database record takes rows kept for it</source>
        <translation>--record %1：只有数据库记录接收为其保存的行</translation>
    </message>
    <message>
        <source>a row the shared record refuses (%1) is set aside in %2</source>
        <translation>共享记录拒收的一行（%1）已另存到 %2</translation>
    </message>
    <message>
        <source>--record-timeout %1: allowed: 1 … 600 seconds</source>
        <translation>--record-timeout %1：允许 1 … 600 秒</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) the shared record refused are set aside in %1</source>
        <translation>
            <numerusform>共享记录拒收的 %n 行已另存到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>serve takes no file</source>
        <translation>serve 不接受文件</translation>
    </message>
    <message>
        <source>--record %1: serve reads a database record (a SQLite file or postgresql://…); a CSV journal goes into one with kvx-cli record import</source>
        <translation>--record %1：serve 读取数据库记录（SQLite 文件或 postgresql://…）；CSV 日志可用 kvx-cli record import 导入其中</translation>
    </message>
    <message>
        <source>--listen %1: an address other computers reach needs --token-file FILE</source>
        <translation>--listen %1：其他计算机可访问的地址需要 --token-file FILE</translation>
    </message>
    <message>
        <source>the record did not answer within %1 s</source>
        <translation>记录在 %1 秒内没有应答</translation>
    </message>
    <message>
        <source>serving %1 at %2, read-only (Ctrl-C ends)</source>
        <translation>正在以只读方式提供 %1，地址 %2（按 Ctrl-C 结束）</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot; (commands: %2; see kvx-cli --help)</source>
        <translation>没有命令“%1”（命令：%2；见 kvx-cli --help）</translation>
    </message>
    <message>
        <source>%1: no such option (see %2)</source>
        <translation>%1：没有这个选项（见 %2）</translation>
    </message>
    <message>
        <source>%1 needs a value (see %2)</source>
        <translation>%1 需要一个值（见 %2）</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1（见 %2）</translation>
    </message>
    <message>
        <source>%1 (see kvx-cli help %2)</source>
        <translation>%1（见 kvx-cli help %2）</translation>
    </message>
    <message>
        <source>%1: unit code %2 is given twice: one code, one unit</source>
        <translation>%1：设备编码 %2 给了两次：一个编码只属于一台设备</translation>
    </message>
    <message>
        <source>--serials %1, line %2</source>
        <translation>--serials %1，第 %2 行</translation>
    </message>
    <message>
        <source>the record did not say within %1 s whether it holds the unit codes given; nothing was sent</source>
        <translation>记录在 %1 秒内没有答复是否已有所给的设备编码；未发送任何内容</translation>
    </message>
    <message>
        <source>the record&apos;s units cannot be read to check the unit codes: %1; nothing was sent</source>
        <translation>无法读取记录中的设备来核对设备编码：%1；未发送任何内容</translation>
    </message>
    <message>
        <source>%1; write it to this unit too with --replace</source>
        <translation>%1；如要把它也写给这台设备，请加 --replace</translation>
    </message>
    <message>
        <source>unit code %1 is given twice: one code, one unit</source>
        <translation>设备编码 %1 给了两次：一个编码只属于一台设备</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <source>refused: code %1: the record&apos;s units cannot be read: %2</source>
        <translation>已拒绝：编码 %1：无法读取记录中的设备：%2</translation>
    </message>
    <message>
        <source>refused: %1 (--replace writes it to a unit again)</source>
        <translation>已拒绝：%1（--replace 可把它再次写给一台设备）</translation>
    </message>
    <message>
        <source>work mode %1</source>
        <translation>工作模式 %1</translation>
    </message>
    <message>
        <source>baud %1</source>
        <translation>波特率 %1</translation>
    </message>
    <message>
        <source>link rate %1</source>
        <translation>无线链路速率 %1</translation>
    </message>
    <message>
        <source>power %1</source>
        <translation>输出功率 %1</translation>
    </message>
    <message>
        <source>repeater %1</source>
        <translation>中继 %1</translation>
    </message>
    <message>
        <source>network address %1</source>
        <translation>网络地址 %1</translation>
    </message>
    <message>
        <source>unit address %1</source>
        <translation>单元地址 %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source> [code %1]</source>
        <translation> [编码 %1]</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n unit(s) match the profile</source>
        <translation>
            <numerusform>%n 台设备中 %1 台与配置方案一致</numerusform>
        </translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation>（已停止）</translation>
    </message>
    <message>
        <source> (network address %1, unit address %2)</source>
        <translation>（网络地址 %1，单元地址 %2）</translation>
    </message>
    <message>
        <source> (network address %1)</source>
        <translation>（网络地址 %1）</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n unit(s) verified on network address %2</source>
        <translation>
            <numerusform>网络地址 %2 上 %n 台设备中 %1 台已校验</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: pass-through baud rate %2</source>
        <translation>%1：透传波特率 %2</translation>
    </message>
    <message>
        <source>trying %1 at %2 baud</source>
        <translation>正在以 %2 波特尝试 %1</translation>
    </message>
    <message>
        <source>%1: %2 answered at %3 baud</source>
        <translation>%1：%2 以 %3 波特应答</translation>
    </message>
    <message>
        <source>(superseded)</source>
        <translation>（已被取代）</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>编码 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) forwarded to %1</source>
        <translation>
            <numerusform>已向 %1 转发 %n 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n still waiting</source>
        <translation>
            <numerusform>；仍有 %n 行等待</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>serial port, e.g. /dev/ttyUSB0 (kvx-cli ports lists them)</source>
        <translation>串口，例如 /dev/ttyUSB0（kvx-cli ports 会列出）</translation>
    </message>
    <message>
        <source>KV5 (9600 baud) or KV6 - KV7 (115200 baud)</source>
        <translation>KV5（9600 波特）或 KV6 - KV7（115200 波特）</translation>
    </message>
    <message>
        <source>tarn, brae-loch, skerry or half-fjord</source>
        <translation>tarn、brae-loch、skerry 或 half-fjord</translation>
    </message>
    <message>
        <source>point to point or point to multipoint</source>
        <translation>点对点或点对多点</translation>
    </message>
    <message>
        <source>how long to wait for the settings report (default 3000)</source>
        <translation>等待参数报告的时长（默认 3000）</translation>
    </message>
    <message>
        <source>print JSON instead of text</source>
        <translation>输出 JSON 而不是文本</translation>
    </message>
    <message>
        <source>quick pauses: each pause ends as soon as the unit has answered what it follows (never later than its time; the same lines go out); the record says &quot;quick&quot;</source>
        <translation>快速等待：设备一应答前一条命令，等待就结束（绝不超过原定时长；发送的命令相同）；记录中写“quick”</translation>
    </message>
    <message>
        <source>no progress on stderr; results and failures only</source>
        <translation>stderr 上不显示进度；只显示结果和失败</translation>
    </message>
    <message>
        <source>append one CSV row per unit (created before any port is opened)</source>
        <translation>每台设备追加一行 CSV（在打开任何端口之前创建）</translation>
    </message>
    <message>
        <source>a database record shared by stations: FILE.kvxdb (SQLite) or postgresql://user@host/dbname (password from ~/.pgpass)</source>
        <translation>各工位共用的数据库记录：FILE.kvxdb（SQLite）或 postgresql://user@host/dbname（密码取自 ~/.pgpass）</translation>
    </message>
    <message>
        <source>this station in the record (default: the host name)</source>
        <translation>记录中本工位的名称（默认：主机名）</translation>
    </message>
    <message>
        <source>the operator in the record (default: the login name)</source>
        <translation>记录中的操作员（默认：登录名）</translation>
    </message>
    <message>
        <source>the unit&apos;s own serial or label code (as scanned; 1 to 64 printable characters), kept in its record rows</source>
        <translation>设备自己的序列号或标签编码（按扫描所得；1 到 64 个可打印字符），保存在它的记录行中</translation>
    </message>
    <message>
        <source>a unit&apos;s own serial or label code, by its port (repeat for every unit); with one --port, --serial CODE</source>
        <translation>按端口给出设备自己的序列号或标签编码（每台设备重复一次）；只有一个 --port 时用 --serial CODE</translation>
    </message>
    <message>
        <source>the units&apos; codes, one a line: PORT=CODE, or a CODE alone for the next unit that starts with no code (in the file&apos;s order)</source>
        <translation>各设备的编码，每行一个：PORT=CODE，或单独一个 CODE，给下一台没有编码的设备（按文件中的顺序）</translation>
    </message>
    <message>
        <source>how long to wait at the end for rows kept here to reach the --record database (default 10); rows still waiting make exit status 9</source>
        <translation>结束时等待本机保留的行到达 --record 数据库的时长（默认 10）；仍在等待的行使退出状态为 9</translation>
    </message>
    <message>
        <source>a unit address reserved by a unit that never ended is free again after this long (default 600)</source>
        <translation>未结束的设备预留的单元地址在这段时间后重新空闲（默认 600）</translation>
    </message>
    <message>
        <source>how long a unit waits for the record before its first line (default 3); a record that does not answer by then fails the unit before anything is sent (exit 7)</source>
        <translation>设备在发送第一行前等待记录的时间（默认 3 秒）；届时记录仍未应答，则该设备在发送任何内容前即失败（退出状态 7）</translation>
    </message>
    <message>
        <source>list the serial ports that can be opened</source>
        <translation>列出可以打开的串口</translation>
    </message>
    <message>
        <source>Lists the serial ports that can be opened (their paths), and the paths of KVX_EXTRA_PORTS that exist.</source>
        <translation>列出可以打开的串口（它们的路径），以及 KVX_EXTRA_PORTS 中存在的路径。</translation>
    </message>
    <message>
        <source>open, read the settings report, close</source>
        <translation>打开，读取参数报告，关闭</translation>
    </message>
    <message>
        <source>Opens the port, reads the unit&apos;s settings report, closes the link. Prints one &quot;key: value&quot; line per setting: the keys stay the same in every language, the values follow it; --json is the form for scripts.</source>
        <translation>打开端口，读取设备的参数报告，关闭链路。每项参数输出一行“key: value”：键在各种语言中都保持不变，值随语言而变；脚本请用 --json。</translation>
    </message>
    <message>
        <source>link mode (default p2p; p2mp also shows the unit address)</source>
        <translation>链路模式（默认 p2p；p2mp 时也显示单元地址）</translation>
    </message>
    <message>
        <source>open, read, write (settings not given keep the unit&apos;s values), verify, close</source>
        <translation>打开，读取，写入（未给出的参数保留设备的值），校验，关闭</translation>
    </message>
    <message>
        <source>Opens the port, reads the unit, writes its settings with the changes given (a setting not given keeps the unit&apos;s value), stores them (AT&amp;W), reads the unit back and compares, closes the link. The mode is needed (here or in the profile): it chooses the preset family.</source>
        <translation>打开端口，读取设备，按给出的改动写入参数（未给出的参数保留设备的值），保存（AT&amp;W），读回设备并比较，关闭链路。必须给出模式（在这里或配置方案中）：它决定预设的系列。</translation>
    </message>
    <message>
        <source>settings from a profile file (kvx-cli read --json output is one)</source>
        <translation>取自配置方案文件的参数（kvx-cli read --json 的输出就是一个）</translation>
    </message>
    <message>
        <source>master, repeater or slave (as the module offers)</source>
        <translation>master、repeater 或 slave（视模组提供的而定）</translation>
    </message>
    <message>
        <source>serial baud rate of the unit&apos;s data port</source>
        <translation>设备数据口的串口波特率</translation>
    </message>
    <message>
        <source>wireless link rate</source>
        <translation>无线链路速率</translation>
    </message>
    <message>
        <source>output power, e.g. 1000mW</source>
        <translation>输出功率，例如 1000mW</translation>
    </message>
    <message>
        <source>repeater enable; written with the master work mode only</source>
        <translation>中继使能；只在 master 工作模式下写入</translation>
    </message>
    <message>
        <source>network address, 0 ... 4294967295 (32 bits), or a random one</source>
        <translation>网络地址，0 ... 4294967295（32 位），或随机地址</translation>
    </message>
    <message>
        <source>unit address (point to multipoint only)</source>
        <translation>单元地址（仅点对多点）</translation>
    </message>
    <message>
        <source>do not read the unit back after storing</source>
        <translation>保存后不读回设备</translation>
    </message>
    <message>
        <source>a unit address (with --record) or a unit code the record holds for an earlier unit is taken over by this one</source>
        <translation>记录中属于先前设备的单元地址（配合 --record）或设备编码由这台设备接管</translation>
    </message>
    <message>
        <source>write a profile into every --port at the same time, or into each unit plugged in</source>
        <translation>同时把配置方案写入每个 --port，或写入插上的每台设备</translation>
    </message>
    <message>
        <source>Writes a profile into every --port at the same time and checks each unit. In point to multipoint the units get unit addresses N, N+1, ... in port order; without a network address in the profile one random address is drawn for the batch. Each unit&apos;s result line (and record row) comes the moment it ends. Ctrl-C stops every unit at a safe point.</source>
        <translation>同时把配置方案写入每个 --port 并校验每台设备。点对多点时设备按端口顺序得到单元地址 N、N+1……；配置方案中没有网络地址时，为这一批抽取一个随机地址。每台设备一结束就输出它的结果行（并写入记录行）。Ctrl-C 让每台设备在安全点停止。</translation>
    </message>
    <message>
        <source>the batch&apos;s product, module, mode and settings</source>
        <translation>这一批的产品、模组、模式和参数</translation>
    </message>
    <message>
        <source>a unit&apos;s port; repeat for every unit (each port once)</source>
        <translation>一台设备的端口；每台设备重复一次（每个端口一次）</translation>
    </message>
    <message>
        <source>when the profile does not name the mode</source>
        <translation>配置方案没有指明模式时</translation>
    </message>
    <message>
        <source>assembly line: provision each serial port that appears (after about 1 s to settle), with the next unit address, until Ctrl-C; ports there at the start are left alone</source>
        <translation>流水线：为出现的每个串口配置（约 1 秒稳定后），使用下一个单元地址，直到 Ctrl-C；开始时已有的端口不动</translation>
    </message>
    <message>
        <source>with --watch: only ports whose path matches, e.g. &apos;/dev/ttyUSB*&apos;; a path the system does not list as a serial port is seen only when KVX_EXTRA_PORTS names it</source>
        <translation>配合 --watch：只处理路径匹配的端口，例如 &apos;/dev/ttyUSB*&apos;；系统不列为串口的路径，只有在 KVX_EXTRA_PORTS 中给出时才能看到</translation>
    </message>
    <message>
        <source>first unit address (point to multipoint; else the profile&apos;s, else 1); auto: each unit takes the next free one of its network from the --record database</source>
        <translation>第一个单元地址（点对多点；否则用配置方案的，再否则为 1）；auto：每台设备从 --record 数据库取其网络的下一个空闲地址</translation>
    </message>
    <message>
        <source>a unit code the record holds for an earlier unit is taken over by the unit given it here</source>
        <translation>记录中属于先前设备的设备编码由这里给出它的设备接管</translation>
    </message>
    <message>
        <source>show or --set the pass-through baud rate of a KV6 - KV7 unit</source>
        <translation>显示或用 --set 设置 KV6 - KV7 设备的透传波特率</translation>
    </message>
    <message>
        <source>Shows, or sets, the pass-through baud rate of a KV6 - KV7 unit (KV5 units have none).</source>
        <translation>显示或设置 KV6 - KV7 设备的透传波特率（KV5 设备没有）。</translation>
    </message>
    <message>
        <source>the product (only kv6 has a pass-through rate)</source>
        <translation>产品（只有 kv6 有透传波特率）</translation>
    </message>
    <message>
        <source>19200, 38400, 56000, 57600, 115200 or 230400</source>
        <translation>19200、38400、56000、57600、115200 或 230400</translation>
    </message>
    <message>
        <source>read each unit and compare it with a profile, writing nothing</source>
        <translation>读取每台设备并与配置方案比较，不写入任何内容</translation>
    </message>
    <message>
        <source>Reads every --port at the same time (with --watch, each port that appears) and compares every setting the profile names with what the unit reports; a setting the profile leaves out is not compared (a profile from kvx-cli read --json names the unit address: leave it out to check many units). Only a read goes on the line: a KV6 - KV7&apos;s link frames and AT&amp;V, never a preset, an ATS line or AT&amp;W. Each unit&apos;s line says &quot;matches&quot; or what differs (&quot;differs: link rate 115200, the profile says 230400&quot;); the record keeps one row per unit, matches or differs, with no unit address. Exit status 8 when a unit differs and every unit was read.</source>
        <translation>同时读取每个 --port（配合 --watch 时为出现的每个端口），把配置方案指明的每项参数与设备报告的值比较；配置方案未包含的参数不比较（kvx-cli read --json 生成的配置方案含有单元地址：核对多台设备时请去掉它）。线路上只有读取：KV6 - KV7 的链路帧和 AT&amp;V，绝不发送预设、ATS 命令或 AT&amp;W。每台设备一行，写“matches”或不同之处（“differs: link rate 115200, the profile says 230400”）；记录中每台设备一行，一致或不同，不含单元地址。有设备不同且每台设备都已读取时退出状态为 8。</translation>
    </message>
    <message>
        <source>the settings to compare, and the product, module and mode</source>
        <translation>要比较的参数，以及产品、模组和模式</translation>
    </message>
    <message>
        <source>check each serial port that appears (after about 1 s to settle), until Ctrl-C</source>
        <translation>核对出现的每个串口（约 1 秒稳定后），直到 Ctrl-C</translation>
    </message>
    <message>
        <source>with --watch: only ports whose path matches, e.g. &apos;/dev/ttyUSB*&apos;</source>
        <translation>配合 --watch：只处理路径匹配的端口，例如 &apos;/dev/ttyUSB*&apos;</translation>
    </message>
    <message>
        <source>say which product answers on a port, with which settings and modules</source>
        <translation>说出端口上应答的是哪种产品，带什么参数，可能是哪些模组</translation>
    </message>
    <message>
        <source>Tries a KV5 at 9600 baud (AT&amp;V), then a KV6 - KV7 at 115200 baud (link-open frame, then the read), closing each link properly; prints which product answered, its settings, and which modules&apos; lists hold every value it reported (e.g. &quot;Tarn or Skerry&quot;). Exit status 3 when nothing answers.</source>
        <translation>先以 9600 波特尝试 KV5（AT&amp;V），再以 115200 波特尝试 KV6 - KV7（链路打开帧，然后读取），每条链路都正常关闭；输出应答的产品、它的参数，以及哪些模组的列表包含它报告的每个值（例如“Tarn or Skerry”）。没有应答时退出状态为 3。</translation>
    </message>
    <message>
        <source>how long each try waits for the settings report (default 700)</source>
        <translation>每次尝试等待参数报告的时长（默认 700）</translation>
    </message>
    <message>
        <source>a label for verified units of the record: PDF (62x29 mm, 50x25 mm, A4 sheets) or a printer</source>
        <translation>为记录中已校验的设备生成标签：PDF（62x29 mm、50x25 mm、A4 整页）或打印机</translation>
    </message>
    <message>
        <source>Draws a label for each unit chosen from the record (verified units only): the last one with the code, every unit of a network (the last row of each unit address) or the one of --unit, or every one of a time range. A label names product, module, mode, network and unit address, the unit&apos;s code, the date and the station, and carries the same as one line of text in a QR code, its fields joined by semicolons (&quot;KVX;product=KV5;module=Tarn;mode=p2mp;&quot; and so on: network, unit, code, date and station; a backslash, semicolon or equals sign inside a value is written with a backslash before it). A label whose QR code or code text cannot be drawn fails the command. Drawn by the helper kvx-print (Qt Gui), without a display too.</source>
        <translation>为从记录中选出的每台设备生成标签（只限已校验的设备）：带该编码的最后一台、一个网络的每台设备（每个单元地址的最后一行）或 --unit 指定的那台，或某段时间内的每一台。标签写明产品、模组、模式、网络地址和单元地址、设备编码、日期和工位，并在二维码中以一行文本携带同样的内容，各字段以分号连接（“KVX;product=KV5;module=Tarn;mode=p2mp;”等：network、unit、code、date 和 station；值中的反斜杠、分号或等号前加一个反斜杠）。任何一张标签画不出二维码或编码文字，命令即失败。由辅助程序 kvx-print（Qt Gui）绘制，没有显示器也可以。</translation>
    </message>
    <message>
        <source>the unit with this code</source>
        <translation>带此编码的设备</translation>
    </message>
    <message>
        <source>every verified unit of this network address</source>
        <translation>此网络地址上每台已校验的设备</translation>
    </message>
    <message>
        <source>with --network: only the unit with this unit address</source>
        <translation>配合 --network：只要此单元地址的设备</translation>
    </message>
    <message>
        <source>every verified unit from this date or time (2026-12-08, 2026-12-08T14:00)</source>
        <translation>从此日期或时间起每台已校验的设备（2026-12-08、2026-12-08T14:00）</translation>
    </message>
    <message>
        <source>with --from: until this date or time (default now)</source>
        <translation>配合 --from：直到此日期或时间（默认现在）</translation>
    </message>
    <message>
        <source>62x29 (default), 50x25, or a4: sheets of 3 x 8 labels of 70 x 37 mm</source>
        <translation>62x29（默认）、50x25，或 a4：每页 3 x 8 张 70 x 37 mm 的标签</translation>
    </message>
    <message>
        <source>write the labels into a PDF file</source>
        <translation>把标签写入 PDF 文件</translation>
    </message>
    <message>
        <source>print them on this printer (&apos;default&apos;: the system&apos;s default printer)</source>
        <translation>在此打印机上打印（&apos;default&apos;：系统默认打印机）</translation>
    </message>
    <message>
        <source>the line at a glance, live: a read-only web page and JSON API from the record</source>
        <translation>产线一览，实时：基于记录的只读网页和 JSON API</translation>
    </message>
    <message>
        <source>Serves the record (a database file or the shared PostgreSQL record) to browsers and scripts, read-only: the page / shows each station with its operator, last unit and its outcome, units verified today and the yield, rows waiting for the shared record, units per hour, failures by cause and the last 20 units, each linking to its history, in Chinese or English as the browser asks, updated live within a second of each row (over a WebSocket; without script, on reload). The API: /api/summary, /api/stations and /api/units (since=TIME, network=N, unit=U, serial=CODE, limit=N, cursor=C: paged, one object per unit under the record&apos;s own column names). Listens on 127.0.0.1:8470 unless --listen says otherwise; any address but the loopback needs --token-file. Nothing is ever written to the record. Runs until SIGINT or SIGTERM.</source>
        <translation>以只读方式向浏览器和脚本提供记录（数据库文件或共享的 PostgreSQL 记录）：页面 / 显示每个工位及其操作员、最后一台设备及其结果、今日已校验的设备数和良率、等待写入共享记录的行、每小时设备数、按原因分类的失败以及最近 20 台设备（各自链接到其历史），按浏览器要求使用中文或英文，每行记录到达后一秒内实时更新（通过 WebSocket；无脚本时刷新页面）。API：/api/summary、/api/stations 和 /api/units（since=TIME、network=N、unit=U、serial=CODE、limit=N、cursor=C：分页，每台设备一个对象，使用记录自己的列名）。除非 --listen 另有指定，监听 127.0.0.1:8470；回环地址以外的任何地址都需要 --token-file。从不向记录写入任何内容。运行直到收到 SIGINT 或 SIGTERM。</translation>
    </message>
    <message>
        <source>where to answer (default 127.0.0.1:8470; 0.0.0.0:8470 for every address, which needs --token-file)</source>
        <translation>应答的地址（默认 127.0.0.1:8470；0.0.0.0:8470 表示所有地址，需要 --token-file）</translation>
    </message>
    <message>
        <source>a bearer token (its first line, 16 to 256 characters) other computers show: Authorization: Bearer TOKEN, or once in the browser as /?token=TOKEN</source>
        <translation>其他计算机出示的持有者令牌（文件第一行，16 至 256 个字符）：Authorization: Bearer TOKEN，或在浏览器中访问一次 /?token=TOKEN</translation>
    </message>
    <message>
        <source>list, check, import, export, release, sync or report the provisioning record</source>
        <translation>列出、检查、导入、导出、释放、同步配置记录，或生成报告</translation>
    </message>
    <message>
        <source>The record must exist (nothing is created by reading it). Each subcommand takes the options listed with it.</source>
        <translation>记录必须已存在（读取不会创建任何东西）。每个子命令接受与它一起列出的选项。</translation>
    </message>
    <message>
        <source>only this network address (list, check, export); the address to release</source>
        <translation>只要此网络地址（list、check、export）；要释放的地址</translation>
    </message>
    <message>
        <source>release: the unit address to give back</source>
        <translation>release：要交还的单元地址</translation>
    </message>
    <message>
        <source>list, export: only the rows of the unit with this code (its whole history)</source>
        <translation>list、export：只要带此编码的设备的行（它的全部历史）</translation>
    </message>
    <message>
        <source>report: this day (default today)</source>
        <translation>report：这一天（默认今天）</translation>
    </message>
    <message>
        <source>report: from this date or time</source>
        <translation>report：从此日期或时间起</translation>
    </message>
    <message>
        <source>report: until this date or time</source>
        <translation>report：直到此日期或时间</translation>
    </message>
    <message>
        <source>report: the HTML page</source>
        <translation>report：HTML 页面</translation>
    </message>
    <message>
        <source>report: the PDF</source>
        <translation>report：PDF</translation>
    </message>
    <message>
        <source>export: CSV, the one format it writes (may be left out)</source>
        <translation>export：CSV，它写的唯一格式（可以省略）</translation>
    </message>
    <message>
        <source>every attempt, its last row (time, station, port, unit, settings, result)</source>
        <translation>每次尝试及其最后一行（时间、工位、端口、设备、参数、结果）</translation>
    </message>
    <message>
        <source>units of one network that cannot link (differing link rate or link mode), unit addresses held twice, units never verified, units stored whose result never came (pending), reservations that ended with no result, a unit code configured with two addresses and two codes configured with one unit address, with station, operator and time; exit status 4 when anything is found</source>
        <translation>同一网络中无法互连的设备（无线链路速率或链路模式不同）、被占用两次的单元地址、从未校验的设备、已保存但结果一直没有来的设备（pending）、没有结果就结束的预留、一个设备编码配置了两个地址以及两个编码配置了同一单元地址，并给出工位、操作员和时间；发现任何问题时退出状态为 4</translation>
    </message>
    <message>
        <source>FILE.csv: a CSV record (--log; a regular file of at most 64 MiB, UTF-8) into a database record, rows it holds already skipped</source>
        <translation>FILE.csv：把 CSV 记录（--log；不超过 64 MiB 的普通文件，UTF-8）导入数据库记录，已有的行跳过</translation>
    </message>
    <message>
        <source>the record as a CSV record on stdout, the columns of --log, with the byte order mark a spreadsheet needs to read it as UTF-8</source>
        <translation>把记录作为 CSV 记录输出到 stdout，列与 --log 相同，带有电子表格按 UTF-8 读取所需的字节顺序标记</translation>
    </message>
    <message>
        <source>--network N --unit U: gives back a unit address a station left holding (reserved, or stored with no result), saying whose it was</source>
        <translation>--network N --unit U：交还某个工位遗留占用的单元地址（已预留，或已保存但没有结果），并说明原来属于谁</translation>
    </message>
    <message>
        <source>--html FILE [--pdf FILE] [--day DATE | --from TIME [--to TIME]]: the day at a glance (today by default): units per hour, good units against attempts, failures by cause, by station and by operator, as a self-contained HTML page and a PDF, counted from the last row of each attempt</source>
        <translation>--html FILE [--pdf FILE] [--day DATE | --from TIME [--to TIME]]：一天概览（默认今天）：每小时的设备数、合格设备与尝试次数、按原因、按工位和按操作员的失败，生成独立的 HTML 页面和 PDF，按每次尝试的最后一行统计</translation>
    </message>
    <message>
        <source>forwards the rows that earlier runs on this computer kept for the database and could not forward (exit status 9 while some still wait)</source>
        <translation>转发本机先前运行为数据库保留而未能转发的行（仍有行等待时退出状态为 9）</translation>
    </message>
    <message>
        <source>record: give list, check, import FILE.csv, export, release, sync or report</source>
        <translation>record：请给出 list、check、import FILE.csv、export、release、sync 或 report</translation>
    </message>
    <message>
        <source>every line and frame sent and received, with its time, on stderr (frames in hex too)</source>
        <translation>在 stderr 上输出收发的每一行和每一帧及其时间（帧也以十六进制显示）</translation>
    </message>
    <message>
        <source>Values by module:</source>
        <translation>各模组的取值：</translation>
    </message>
    <message>
        <source>work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>link rate</source>
        <translation>无线链路速率</translation>
    </message>
    <message>
        <source>power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>every module</source>
        <translation>所有模组</translation>
    </message>
    <message>
        <source>baud</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Ports: the serial ports the system lists, plus the paths in the environment variable KVX_EXTRA_PORTS
(separated by &apos;%1&apos;), for devices it does not list as serial ports: pseudo-terminals, network bridges,
the simulator (kvx-modemsim --link /tmp/kvx-modem). For example:
  KVX_EXTRA_PORTS=/tmp/kvx-modem kvx-cli ports
</source>
        <translation>端口：系统列出的串口，加上环境变量 KVX_EXTRA_PORTS 中的路径（以 &apos;%1&apos; 分隔），
用于系统不列为串口的设备：伪终端、网络桥接、模拟器（kvx-modemsim --link /tmp/kvx-modem）。例如：
  KVX_EXTRA_PORTS=/tmp/kvx-modem kvx-cli ports
</translation>
    </message>
    <message>
        <source>Usage: kvx-cli COMMAND [OPTIONS]
Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.

Commands:
</source>
        <translation>用法：kvx-cli COMMAND [OPTIONS]
通过串口读写 KVX 无线调制解调器（KV5、KV6 - KV7）的参数。

命令：
</translation>
    </message>
    <message>
        <source>a command&apos;s options and an example: kvx-cli help write (or kvx-cli write --help)</source>
        <translation>某个命令的选项和示例：kvx-cli help write（或 kvx-cli write --help）</translation>
    </message>
    <message>
        <source>Options of every command: -h, --help; --help-all (every command&apos;s help); -v, --version</source>
        <translation>所有命令都有的选项：-h, --help；--help-all（所有命令的帮助）；-v, --version</translation>
    </message>
    <message>
        <source>Output: messages and the values in text output follow the language (LANG=zh_CN.UTF-8: Chinese);
the keys of &quot;key: value&quot; lines stay as they are in every language. --json is the stable form
for scripts: one JSON object per line, its keys and values the same in every language.
</source>
        <translation>输出：消息和文本输出中的值随语言而变（LANG=zh_CN.UTF-8：中文）；
“key: value”行中的键在各种语言中保持不变。脚本请用稳定的 --json：
每行一个 JSON 对象，键和值在各种语言中都相同。
</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>接受 %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>示例：</translation>
    </message>
    <message>
        <source>success (verified, when verifying)</source>
        <translation>成功（要求校验时为已校验）</translation>
    </message>
    <message>
        <source>usage or an invalid value (a unit code too), or the record cannot be written: nothing sent</source>
        <translation>用法错误或值无效（包括设备编码），或记录无法写入：未发送任何内容</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>端口无法打开</translation>
    </message>
    <message>
        <source>no settings report within the timeout (before the write, or for the check)</source>
        <translation>超时内没有参数报告（写入前或校验时）</translation>
    </message>
    <message>
        <source>the check found differences (mismatch)</source>
        <translation>校验发现不同（不一致）</translation>
    </message>
    <message>
        <source>the port was lost</source>
        <translation>端口丢失</translation>
    </message>
    <message>
        <source>the modem refused a line (ERROR)</source>
        <translation>调制解调器拒绝了一条命令（ERROR）</translation>
    </message>
    <message>
        <source>a unit&apos;s record row could not be written (or its unit address is in use)</source>
        <translation>设备的记录行无法写入（或其单元地址已被占用）</translation>
    </message>
    <message>
        <source>check: a unit differs from the profile (every unit was read)</source>
        <translation>check：有设备与配置方案不同（每台设备都已读取）</translation>
    </message>
    <message>
        <source>every unit ended as asked and is recorded here, but rows still wait for the shared record (the next run or kvx-cli record sync forwards them)</source>
        <translation>每台设备都按要求结束并已在本机记录，但仍有行等待写入共享记录（下次运行或 kvx-cli record sync 会转发它们）</translation>
    </message>
    <message>
        <source>stopped by SIGINT (Ctrl-C), 143 by SIGTERM</source>
        <translation>被 SIGINT（Ctrl-C）停止，143 为被 SIGTERM 停止</translation>
    </message>
    <message>
        <source>provision exits with the highest status of its units; check with the highest status of a unit it
could not read, else 8 when one differs. With --json a failure prints {&quot;error&quot;: ..., &quot;exitStatus&quot;: N}
on stdout where the command prints no JSON of its own.</source>
        <translation>provision 以其设备中最高的状态退出；check 以未能读取的设备中最高的状态退出，
否则有设备不同时为 8。使用 --json 时，命令自己不输出 JSON 的失败会在 stdout 上
输出 {&quot;error&quot;: ..., &quot;exitStatus&quot;: N}。</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>退出状态：</translation>
    </message>
</context>
<context>
    <name>CliManual</name>
    <message>
        <source>User Commands</source>
        <translation>用户命令</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>configure KVX serial radio modems from the command line</source>
        <translation>在命令行配置 KVX 串口无线调制解调器</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>kvx-cli reads and writes the settings of KVX radio modems (KV5 at 9600 baud, KV6 - KV7 at 115200
baud) on serial ports, one unit or a batch at a time, with the same lines and pauses as the window
kvx-config(1). Results go to stdout, progress and failures to stderr. Messages and the values of
text output follow the language; the keys of &quot;key: value&quot; lines stay the same in every language.
With --json stdout holds JSON, one object per line, the stable form for scripts.
</source>
        <translation>kvx-cli 通过串口读写 KVX 无线调制解调器（KV5 为 9600 波特，KV6 - KV7 为 115200 波特）的参数，
一次一台设备或一批，发送的命令和等待与窗口程序 kvx-config(1) 相同。结果输出到 stdout，
进度和失败输出到 stderr。消息和文本输出中的值随语言而变；“key: value”行中的键在各种语言中
保持不变。使用 --json 时 stdout 为 JSON，每行一个对象，这是供脚本使用的稳定形式。
</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Values each module offers: see VALUES.</source>
        <translation>各模组提供的取值：见“取值”一节。</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>示例：</translation>
    </message>
    <message>
        <source>OPTIONS OF EVERY COMMAND</source>
        <translation>所有命令都有的选项</translation>
    </message>
    <message>
        <source>the command&apos;s help (kvx-cli help COMMAND is the same)</source>
        <translation>该命令的帮助（与 kvx-cli help COMMAND 相同）</translation>
    </message>
    <message>
        <source>every command&apos;s help</source>
        <translation>所有命令的帮助</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>VALUES</source>
        <translation>取值</translation>
    </message>
    <message>
        <source>PROFILE FORMAT</source>
        <translation>配置方案格式</translation>
    </message>
    <message>
        <source>A profile is a JSON file naming the product, the module, the mode and the settings it sets; a
setting it leaves out keeps the unit&apos;s value (write) or is not compared (check). The output of
kvx-cli read --json is a profile; the window saves and opens the same files.
</source>
        <translation>配置方案是一个 JSON 文件，写明产品、模组、模式以及要设置的参数；其中未包含的参数
保留设备的值（write）或不参与比较（check）。kvx-cli read --json 的输出就是一个配置方案；
窗口程序保存和打开的也是同样的文件。
</translation>
    </message>
    <message>
        <source>Product kv5 or kv6, module and mode as for the options; work mode and power as the module&apos;s
captions or the words master, repeater, slave; rates and addresses as numbers. Unknown keys,
keys given twice and values the module does not have are refused with the key named.
</source>
        <translation>产品为 kv5 或 kv6，模组和模式与选项相同；工作模式和输出功率写模组列表中的名称，
或 master、repeater、slave；速率和地址写数字。未知的键、重复的键以及模组没有的值
会被拒绝，并指出是哪个键。
</translation>
    </message>
    <message>
        <source>RECORDS</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Every unit written or checked can be recorded, one row the moment it ends; a record is only
ever appended to, and is checked writable before any port opens.
</source>
        <translation>每台写入或核对过的设备都可以记录，一结束就写一行；记录只会追加，
并在打开任何端口之前检查能否写入。
</translation>
    </message>
    <message>
        <source>a CSV journal. A new file begins with a UTF-8 byte order mark (so a spreadsheet reads Chinese
right) and its header; its times are UTC (the column time_utc) as 2026-12-08T09:15:02, which a
spreadsheet reads as a date and time. A file that exists is appended to as it is. Its columns:
</source>
        <translation>CSV 日志。新文件以 UTF-8 字节顺序标记（使电子表格正确读出中文）和表头开始；
时间为 UTC（time_utc 列），写作 2026-12-08T09:15:02，电子表格会把它读作日期和时间。
已有的文件按原样追加。它的列：
</translation>
    </message>
    <message>
        <source>an SQLite database record, shared by the stations that reach the file; its times are UTC as
2026-12-08T09:15:02Z.
</source>
        <translation>SQLite 数据库记录，由能访问该文件的各工位共用；时间为 UTC，写作
2026-12-08T09:15:02Z。
</translation>
    </message>
    <message>
        <source>a PostgreSQL database shared by every station, which hands out unit addresses atomically; its
times are of the type timestamptz. The password never goes into the name: the client library
reads it from ~/.pgpass (or the file PGPASSFILE names, or PGPASSWORD). A server on a Unix
socket: postgresql:///dbname?host=/run/postgresql.
</source>
        <translation>所有工位共用的 PostgreSQL 数据库，以原子方式分配单元地址；时间为 timestamptz 类型。
密码绝不写进名称：客户端库从 ~/.pgpass（或 PGPASSFILE 指定的文件，或 PGPASSWORD）读取。
Unix 套接字上的服务器：postgresql:///dbname?host=/run/postgresql。
</translation>
    </message>
    <message>
        <source>Unit codes</source>
        <translation>设备编码</translation>
    </message>
    <message>
        <source>A unit code (--serial, --serials, standard input with --watch) is 1 to 64 printable characters:
no control characters. A code given twice in one batch is refused before any port opens; a
code the record holds for another unit is refused unless --replace.
</source>
        <translation>设备编码（--serial、--serials、配合 --watch 时的标准输入）为 1 到 64 个可打印字符：
不含控制字符。同一批中给出两次的编码在打开任何端口之前就被拒绝；记录中已属于另一台
设备的编码会被拒绝，除非加 --replace。
</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>退出状态</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>环境变量</translation>
    </message>
    <message>
        <source>paths of further serial devices, separated by colons: pseudo-terminals, network bridges, the
simulator&apos;s link (kvx-modemsim --link /tmp/kvx-modem).
</source>
        <translation>更多串口设备的路径，以冒号分隔：伪终端、网络桥接、模拟器的链接
（kvx-modemsim --link /tmp/kvx-modem）。
</translation>
    </message>
    <message>
        <source>where the PostgreSQL client finds the password of a postgresql:// record (default ~/.pgpass).
</source>
        <translation>PostgreSQL 客户端查找 postgresql:// 记录密码的位置（默认 ~/.pgpass）。
</translation>
    </message>
    <message>
        <source>the language of the help and the messages: Chinese for zh_CN, English otherwise (the window&apos;s
catalogues).
</source>
        <translation>帮助和消息的语言：zh_CN 时为中文，否则为英文（使用窗口程序的翻译文件）。
</translation>
    </message>
    <message>
        <source>progress is redrawn in place only on a terminal that is not dumb; otherwise it comes as plain lines.
</source>
        <translation>只有在非 dumb 终端上进度才原地刷新；否则逐行输出。
</translation>
    </message>
    <message>
        <source>turns diagnostics on by category, e.g. kvx.*.debug=true (kvx.protocol, kvx.engine, kvx.wire).
</source>
        <translation>按类别打开诊断输出，例如 kvx.*.debug=true（kvx.protocol、kvx.engine、kvx.wire）。
</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>the catalogues, shared with the window.
</source>
        <translation>翻译文件，与窗口程序共用。
</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>参见</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>文本不是 UTF-8</translation>
    </message>
    <message>
        <source>more than %1 fields: not a record row</source>
        <translation>超过 %1 个字段：不是记录行</translation>
    </message>
    <message>
        <source>longer than any record row (more than %1 bytes)</source>
        <translation>比任何记录行都长（超过 %1 字节）</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>带引号的字段没有结束引号</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>字段的结束引号后还有文本</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field (quote the whole field, doubling its quotes)</source>
        <translation>未加引号的字段中有引号（请给整个字段加引号，并把其中的引号写两遍）</translation>
    </message>
</context>
<context>
    <name>DatabaseRecord</name>
    <message>
        <source>cannot connect to the record database: %1</source>
        <translation>无法连接记录数据库：%1</translation>
    </message>
    <message>
        <source> (the password is read from ~/.pgpass, PGPASSFILE or PGPASSWORD)</source>
        <translation>（密码从 ~/.pgpass、PGPASSFILE 或 PGPASSWORD 读取）</translation>
    </message>
    <message>
        <source>the record database stopped answering: %1</source>
        <translation>记录数据库已停止应答：%1</translation>
    </message>
    <message>
        <source>a password does not belong in the record&apos;s name: put it in ~/.pgpass (or PGPASSFILE)</source>
        <translation>记录名称中不应包含密码：请把密码写入 ~/.pgpass（或 PGPASSFILE）</translation>
    </message>
    <message>
        <source>the record&apos;s name lacks the database: postgresql://user@host/dbname</source>
        <translation>记录名称缺少数据库：postgresql://user@host/dbname</translation>
    </message>
    <message>
        <source>not a record file</source>
        <translation>不是记录文件</translation>
    </message>
    <message>
        <source>the record was made by a later version of the tool (schema %1; this one knows up to %2)</source>
        <translation>该记录由更新版本的工具创建（结构版本 %1；本版本只认识到 %2）</translation>
    </message>
    <message>
        <source>unit address %1 is already in use on network address %2</source>
        <translation>网络地址 %2 上的单元地址 %1 已被使用</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>没有这个记录</translation>
    </message>
    <message>
        <source>not a record database (%1)</source>
        <translation>不是记录数据库（%1）</translation>
    </message>
    <message>
        <source>not a provisioning record (it holds no kvx_schema table)</source>
        <translation>不是配置记录（其中没有 kvx_schema 表）</translation>
    </message>
    <message>
        <source>the record cannot be written: %1</source>
        <translation>记录无法写入：%1</translation>
    </message>
    <message>
        <source>unit address %1 on network address %2 is being written by station %3 (operator %4) since %5</source>
        <translation>网络地址 %2 上的单元地址 %1 正由工位 %3（操作员 %4）写入，始于 %5</translation>
    </message>
    <message>
        <source>stopped: nothing was imported</source>
        <translation>已停止：未导入任何内容</translation>
    </message>
    <message>
        <source>the record cannot be written: the file is read-only</source>
        <translation>无法写入记录：文件是只读的</translation>
    </message>
    <message>
        <source>the record cannot be written: no space left on its disk (%1 KiB free)</source>
        <translation>无法写入记录：所在磁盘空间不足（剩余 %1 KiB）</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (QPSQL) is not installed: install the package libqt6sql6-psql</source>
        <translation>未安装 Qt 的 PostgreSQL 驱动（QPSQL）：请安装软件包 libqt6sql6-psql</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed: install the package libqt6sql6-sqlite</source>
        <translation>未安装 Qt 的 SQLite 驱动（QSQLITE）：请安装软件包 libqt6sql6-sqlite</translation>
    </message>
    <message>
        <source>the record database did not answer in time</source>
        <translation>记录数据库未及时应答</translation>
    </message>
    <message>
        <source>the record is open for reading only</source>
        <translation>记录仅以只读方式打开</translation>
    </message>
    <message>
        <source>the record is open for writing already</source>
        <translation>记录已以写入方式打开</translation>
    </message>
    <message>
        <source>SQLite cannot read the record without writing its -shm file beside it: let this user write the record&apos;s folder, or read it as the stations&apos; user</source>
        <translation>SQLite 必须在记录旁写入其 -shm 文件才能读取它：请允许此用户写入记录所在的文件夹，或以工位的用户身份读取</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>%1 good units of %2 attempts (%3 %)</source>
        <translation>%2 次尝试中 %1 台合格（%3 %）</translation>
    </message>
    <message>
        <source>; %1 units checked against a profile</source>
        <translation>；%1 台设备已与配置方案核对</translation>
    </message>
    <message>
        <source>good / attempts</source>
        <translation>合格 / 尝试</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Units per hour</source>
        <translation>每小时设备数</translation>
    </message>
    <message>
        <source>Hours in local time (%1)</source>
        <translation>小时为本地时间（%1）</translation>
    </message>
    <message>
        <source>Failures by cause</source>
        <translation>按原因统计的失败</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>By station</source>
        <translation>按工位</translation>
    </message>
    <message>
        <source>By operator</source>
        <translation>按操作员</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>尝试</translation>
    </message>
    <message>
        <source>good units</source>
        <translation>合格设备</translation>
    </message>
    <message>
        <source>from %1 to %2 (%3)</source>
        <translation>从 %1 到 %2（%3）</translation>
    </message>
</context>
<context>
    <name>FormCheck</name>
    <message>
        <source>%1 is empty: the unit did not report it. Read the unit again.</source>
        <translation>%1为空：设备没有报告该值。请重新读取设备。</translation>
    </message>
    <message>
        <source>%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?</source>
        <translation>%1为空：设备报告的值为 %2，%3 没有这一项。模组选对了吗？</translation>
    </message>
    <message>
        <source>%1 is empty: the unit reported %2, which is not a choice of the list.</source>
        <translation>%1为空：设备报告的值为 %2，不在可选项之中。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1为空。</translation>
    </message>
    <message>
        <source>Work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继使能</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Unit address</source>
        <translation>单元地址</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>网络地址</translation>
    </message>
    <message>
        <source>Link rate</source>
        <translation>无线链路速率</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>%1 %2 is out of range (0 to %3).</source>
        <translation>%1 %2 超出范围（0 到 %3）。</translation>
    </message>
</context>
<context>
    <name>KvxPrint</name>
    <message>
        <source>--%1 %2: give a date (2026-12-08) or a time (2026-12-08T14:00)</source>
        <translation>--%1 %2：请给出日期（2026-12-08）或时间（2026-12-08T14:00）</translation>
    </message>
    <message>
        <source>--day %1: give a date, e.g. 2026-12-08</source>
        <translation>--day %1：请给出日期，例如 2026-12-08</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to 必须晚于 --from</translation>
    </message>
    <message>
        <source>--record is needed</source>
        <translation>需要 --record</translation>
    </message>
    <message>
        <source>name the units by one of --serial CODE, --network N [--unit U], or --from TIME [--to TIME]</source>
        <translation>请用 --serial CODE、--network N [--unit U] 或 --from TIME [--to TIME] 中的一种指定设备</translation>
    </message>
    <message>
        <source>--unit goes with --network</source>
        <translation>--unit 须配合 --network</translation>
    </message>
    <message>
        <source>--%1 %2: must be a whole number 0 … %3</source>
        <translation>--%1 %2：必须是 0 … %3 的整数</translation>
    </message>
    <message>
        <source>--size %1: allowed: 62x29, 50x25, a4</source>
        <translation>--size %1：允许的值：62x29、50x25、a4</translation>
    </message>
    <message>
        <source>give --pdf FILE or --printer NAME (default: the system&apos;s default)</source>
        <translation>请给出 --pdf FILE 或 --printer NAME（default：系统默认打印机）</translation>
    </message>
    <message>
        <source>the record holds no verified unit of that choice</source>
        <translation>记录中没有符合所选条件的已校验设备</translation>
    </message>
    <message>
        <source>no label was made: %1</source>
        <translation>未生成任何标签：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n label(s) to the printer</source>
        <translation>
            <numerusform>%n 张标签已送往打印机</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n label(s) to %1</source>
        <translation>
            <numerusform>%n 张标签已写入 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>give --html FILE, --pdf FILE or both</source>
        <translation>请给出 --html FILE、--pdf FILE 或两者</translation>
    </message>
    <message>
        <source>Units of %1</source>
        <translation>%1 的设备</translation>
    </message>
    <message>
        <source>Units from %1 to %2</source>
        <translation>%1 到 %2 的设备</translation>
    </message>
    <message>
        <source>%1 good units of %2 attempts</source>
        <translation>%2 次尝试中 %1 台合格设备</translation>
    </message>
    <message>
        <source>--%1: no such option (see %2)</source>
        <translation>--%1：没有这个选项（见 %2）</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1（见 %2）</translation>
    </message>
    <message>
        <source>give label or report</source>
        <translation>请给出 label 或 report</translation>
    </message>
</context>
<context>
    <name>LastUnitsDialog</name>
    <message>
        <source>Last units</source>
        <translation>最近的设备</translation>
    </message>
    <message>
        <source>The last units written at this station, the newest first. A verified unit&apos;s label (PDF) can be written again.</source>
        <translation>本工位最近写入的设备，最新的在前。已校验设备的标签（PDF）可以再写一次。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Unit code</source>
        <translation>设备编码</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>网络地址</translation>
    </message>
    <message>
        <source>Unit address</source>
        <translation>单元地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Write the label again</source>
        <translation>再写一次标签</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The label could not be written: %1</source>
        <translation>无法写入标签：%1</translation>
    </message>
    <message>
        <source>Label written to %1</source>
        <translation>标签已写入 %1</translation>
    </message>
</context>
<context>
    <name>LinkController</name>
    <message>
        <source>the unit has not reported its settings on this link; read it first</source>
        <translation>设备尚未在此连接上报告参数；请先读取</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>设备已断开</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>KVX_2.0.7</translation>
    </message>
    <message>
        <source>单元地址 :</source>
        <translation>单元地址 :</translation>
    </message>
    <message>
        <source>网络地址 :</source>
        <translation>网络地址 :</translation>
    </message>
    <message>
        <source>工作模式(FHM) :</source>
        <translation>工作模式(FHM) :</translation>
    </message>
    <message>
        <source>波特率 :</source>
        <translation>波特率 :</translation>
    </message>
    <message>
        <source>无线链路速率(FHM) :</source>
        <translation>无线链路速率(FHM) :</translation>
    </message>
    <message>
        <source>输出功率 :</source>
        <translation>输出功率 :</translation>
    </message>
    <message>
        <source>中继使能 :</source>
        <translation>中继使能 :</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Read  parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;读取参数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Generate a random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;生成随机数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Lock random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;锁定随机数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Configuration parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;配置参数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>产品 : </source>
        <translation>产品 : </translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Fjord Series - B9600 &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Half Fjord Series - B115200&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Fjord 系列 - B9600 &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Half Fjord 系列 - B115200&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>KV5</source>
        <translation>KV5</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Data mode baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;数据模式波特率&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>KV6 - KV7</source>
        <translation>KV6 - KV7</translation>
    </message>
    <message>
        <source>模组 : </source>
        <translation>模组 : </translation>
    </message>
    <message>
        <source>Tarn</source>
        <translation>Tarn</translation>
    </message>
    <message>
        <source>Brae - Loch</source>
        <translation>Brae - Loch</translation>
    </message>
    <message>
        <source>Skerry</source>
        <translation>Skerry</translation>
    </message>
    <message>
        <source>Half Fjord</source>
        <translation>Half Fjord</translation>
    </message>
    <message>
        <source>模式 : </source>
        <translation>模式 : </translation>
    </message>
    <message>
        <source>点对点</source>
        <translation>点对点</translation>
    </message>
    <message>
        <source>点对多点</source>
        <translation>点对多点</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>透传波特率 :</source>
        <translation>透传波特率 :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Transmission baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;透传波特率&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>56000</source>
        <translation>56000</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>230400</source>
        <translation>230400</translation>
    </message>
    <message>
        <source>  飞行中禁止进入配置模式！
              请确认是否进入？</source>
        <translation>  飞行中禁止进入配置模式！
              请确认是否进入？</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>AT interface</source>
        <translation>AT指令界面</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>关于 KV5Tarn</source>
        <translation>关于 KV5Tarn</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>DisConnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>主界面</translation>
    </message>
    <message>
        <source>Could not open the port %1: %2</source>
        <translation>无法打开串口 %1：%2</translation>
    </message>
    <message>
        <source>The device on %1 was lost.</source>
        <translation>%1 上的设备已断开。</translation>
    </message>
    <message>
        <source>Save profile…</source>
        <translation>保存配置方案…</translation>
    </message>
    <message>
        <source>Load profile…</source>
        <translation>载入配置方案…</translation>
    </message>
    <message>
        <source>Apply profile after each read</source>
        <translation>每次读取后应用配置方案</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Quick pauses</source>
        <translation>快速等待</translation>
    </message>
    <message>
        <source>Provisioning record…</source>
        <translation>配置记录…</translation>
    </message>
    <message>
        <source>Next unit address after write</source>
        <translation>写入后单元地址加一</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>配置方案 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>保存配置方案</translation>
    </message>
    <message>
        <source>The profile could not be saved: %1</source>
        <translation>配置方案无法保存：%1</translation>
    </message>
    <message>
        <source>Profile saved to %1.</source>
        <translation>配置方案已保存到 %1。</translation>
    </message>
    <message>
        <source>Connect and read the unit before loading a profile.</source>
        <translation>请先连接并读取设备参数，再载入配置方案。</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>载入配置方案</translation>
    </message>
    <message>
        <source>The profile was refused: %1</source>
        <translation>配置方案被拒绝：%1</translation>
    </message>
    <message>
        <source>Profile %1 applied.</source>
        <translation>已应用配置方案 %1。</translation>
    </message>
    <message>
        <source>Provisioning record</source>
        <translation>配置记录</translation>
    </message>
    <message>
        <source>Every write is recorded in %1.</source>
        <translation>每次写入都记录在 %1。</translation>
    </message>
    <message>
        <source>Unit address in use</source>
        <translation>单元地址已被使用</translation>
    </message>
    <message>
        <source>The record already holds unit address %1 on network address %2. Write it again?</source>
        <translation>记录中已有网络地址 %2 上的单元地址 %1。仍要写入吗？</translation>
    </message>
    <message>
        <source>Not written: unit address %1 is already in use on network address %2.</source>
        <translation>未写入：网络地址 %2 上的单元地址 %1 已被使用。</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>停止记录</translation>
    </message>
    <message>
        <source>No settings report from the modem. Is the product right? KV5 answers at 9600 baud, KV6 - KV7 at 115200.</source>
        <translation>调制解调器没有返回参数报告。产品选对了吗？KV5 以 9600 波特应答，KV6 - KV7 以 115200 波特应答。</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>正在连接 %1…</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>已连接 %1。</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>正在读取…</translation>
    </message>
    <message>
        <source>The read request could not be sent.</source>
        <translation>读取请求无法发送。</translation>
    </message>
    <message>
        <source>Read: %1</source>
        <translation>已读取：%1</translation>
    </message>
    <message>
        <source>Nothing was sent: the record %1 cannot be written: %2</source>
        <translation>未发送任何内容：记录 %1 无法写入：%2</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>正在写入…</translation>
    </message>
    <message>
        <source>Writes are no longer recorded in %1.</source>
        <translation>写入不再记录到 %1。</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>正在记录到 %1</translation>
    </message>
    <message>
        <source>Shared record (PostgreSQL)…</source>
        <translation>共享记录（PostgreSQL）…</translation>
    </message>
    <message>
        <source>Show record…</source>
        <translation>查看记录…</translation>
    </message>
    <message>
        <source>Operator…</source>
        <translation>操作员…</translation>
    </message>
    <message>
        <source>Provision several units…</source>
        <translation>批量配置多台设备…</translation>
    </message>
    <message>
        <source>Records (*.kvxdb *.csv);;Database records (*.kvxdb);;CSV files (*.csv);;All files (*)</source>
        <translation>记录 (*.kvxdb *.csv);;数据库记录 (*.kvxdb);;CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Shared record</source>
        <translation>共享记录</translation>
    </message>
    <message>
        <source>A PostgreSQL database that the stations share, as postgresql://user@host/dbname.
Its password is read from ~/.pgpass (or PGPASSFILE), never typed here.</source>
        <translation>各工位共享的 PostgreSQL 数据库，格式为 postgresql://user@host/dbname。
密码从 ~/.pgpass（或 PGPASSFILE）读取，不在此处输入。</translation>
    </message>
    <message>
        <source>Not a PostgreSQL record: %1</source>
        <translation>不是 PostgreSQL 记录：%1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>The operator&apos;s name, kept with every unit in a database record:</source>
        <translation>操作员姓名，随每台设备一起保存在数据库记录中：</translation>
    </message>
    <message>
        <source>Units are recorded as written by %1.</source>
        <translation>设备记录为由 %1 写入。</translation>
    </message>
    <message>
        <source>Connect and read a unit to take its form, or load a profile file.</source>
        <translation>请连接并读取一台设备以采用其表单，或载入配置方案文件。</translation>
    </message>
    <message>
        <source>Compare with profile…</source>
        <translation>与配置方案比较…</translation>
    </message>
    <message>
        <source>Message log…</source>
        <translation>消息日志…</translation>
    </message>
    <message>
        <source>Disconnected from %1.</source>
        <translation>已断开 %1。</translation>
    </message>
    <message>
        <source>The device on %1 was lost before storing: nothing was stored.</source>
        <translation>%1 上的设备在保存前断开：未保存任何内容。</translation>
    </message>
    <message>
        <source>The device on %1 was lost after storing: %2 was stored, not verified.</source>
        <translation>%1 上的设备在保存后断开：已保存 %2，未校验。</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>与配置方案比较</translation>
    </message>
    <message>
        <source>Connect and read the unit before comparing it with a profile.</source>
        <translation>请先连接并读取设备参数，再与配置方案比较。</translation>
    </message>
    <message>
        <source>The unit matches the profile %1.</source>
        <translation>设备与配置方案 %1 一致。</translation>
    </message>
    <message>
        <source>The unit differs from the profile %1: %2</source>
        <translation>设备与配置方案 %1 不同：%2</translation>
    </message>
    <message>
        <source>Unit code:</source>
        <translation>设备编码：</translation>
    </message>
    <message>
        <source>scan or type</source>
        <translation>扫描或输入</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单元</translation>
    </message>
    <message>
        <source>Connect / Disconnect</source>
        <translation>连接 / 断开</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Next unit (connect again and read)</source>
        <translation>下一台（重新连接并读取）</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Unit code field (scanner)</source>
        <translation>设备编码栏（扫码枪）</translation>
    </message>
    <message>
        <source>Write when a code is scanned</source>
        <translation>扫码后立即写入</translation>
    </message>
    <message>
        <source>Label after a verified unit…</source>
        <translation>校验通过后打印标签…</translation>
    </message>
    <message>
        <source>Continue network %1?</source>
        <translation>继续网络 %1？</translation>
    </message>
    <message>
        <source>Continue network %1 from unit %2?</source>
        <translation>从单元 %2 继续网络 %1？</translation>
    </message>
    <message>
        <source>The last job</source>
        <translation>上次的任务</translation>
    </message>
    <message>
        <source>Network address %1 is locked again.</source>
        <translation>网络地址 %1 已重新锁定。</translation>
    </message>
    <message>
        <source>The terminal cannot log to %1: %2</source>
        <translation>终端无法记录到 %1：%2</translation>
    </message>
    <message>
        <source>Locked: this network address goes into every unit.</source>
        <translation>已锁定：此网络地址将写入每一台。</translation>
    </message>
    <message>
        <source>Unit code %1 is kept for the write: read the unit first.</source>
        <translation>设备编码 %1 已保留用于写入：请先读取设备。</translation>
    </message>
    <message>
        <source>Folder for the labels (PDF, 62 x 29 mm)</source>
        <translation>标签文件夹（PDF，62 x 29 mm）</translation>
    </message>
    <message>
        <source>Label written to %1</source>
        <translation>标签已写入 %1</translation>
    </message>
    <message>
        <source>The label could not be written: %1</source>
        <translation>标签无法写入：%1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) wait for the shared record</source>
        <translation>
            <numerusform>%n 行记录等待写入共享记录</numerusform>
        </translation>
    </message>
    <message>
        <source>The record cannot be used: %1</source>
        <translation>记录无法使用：%1</translation>
    </message>
    <message>
        <source>it is still being opened</source>
        <translation>记录仍在打开中</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) the shared record refused are set aside in %1: %2</source>
        <translation>
            <numerusform>共享记录拒收的 %n 行已另存到 %1：%2</numerusform>
        </translation>
    </message>
    <message>
        <source>Not written: the record could not say whether the unit address is in use: %1</source>
        <translation>未写入：记录无法确认该单元地址是否已被使用：%1</translation>
    </message>
    <message>
        <source>Find the product on Connect</source>
        <translation>连接时识别产品</translation>
    </message>
    <message>
        <source>Connect first asks the unit which product it is (a KV5 at 9600 baud, then a KV6 - KV7 at 115200) and sets product and module from its answer; this sends more than Connect alone.</source>
        <translation>连接前先询问设备是哪种产品（先按 9600 波特率试 KV5，再按 115200 试 KV6 - KV7），并按其应答设定产品和模组；这比单纯连接发送更多内容。</translation>
    </message>
    <message>
        <source>Last units…</source>
        <translation>最近的设备…</translation>
    </message>
    <message>
        <source>No answer at %1 baud (%2): is the product right? A KV5 answers at 9600 baud, a KV6 - KV7 at 115200. Port %3.</source>
        <translation>%1 波特率（%2）下没有应答：产品选对了吗？KV5 在 9600 波特率应答，KV6 - KV7 在 115200。端口 %3。</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Started clean: the last job on network %1 is forgotten.</source>
        <translation>已重新开始：网络 %1 上的上次任务已忘记。</translation>
    </message>
    <message>
        <source>The job on network %1 is kept for the next start.</source>
        <translation>网络 %1 上的任务已保留，下次启动时再询问。</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1，%2 波特率</translation>
    </message>
    <message>
        <source>The product decides the line&apos;s rate: a unit of the other product stays silent.</source>
        <translation>产品决定线路速率：另一种产品的设备不会应答。</translation>
    </message>
    <message>
        <source>Locked after Read: reconnect to change it.</source>
        <translation>读取后锁定：重新连接后可更改。</translation>
    </message>
    <message numerus="yes">
        <source>Today on network %1: %n verified</source>
        <translation>
            <numerusform>今日网络 %1：已校验 %n 台</numerusform>
        </translation>
    </message>
    <message>
        <source>next unit %1</source>
        <translation>下一单元 %1</translation>
    </message>
    <message>
        <source>Units verified on this network today at this station; click for the last units written.</source>
        <translation>本工位今天在此网络上已校验的设备数；点击查看最近写入的设备。</translation>
    </message>
    <message>
        <source>Asking the unit on %1 which product it is: %2 at %3 baud…</source>
        <translation>正在询问 %1 上的设备是哪种产品：%2，%3 波特率…</translation>
    </message>
    <message>
        <source>Stopped asking the unit on %1: nothing is connected.</source>
        <translation>已停止询问 %1 上的设备：没有连接。</translation>
    </message>
    <message>
        <source>No product was found on %1: %2</source>
        <translation>在 %1 上没有识别到产品：%2</translation>
    </message>
    <message>
        <source>A %1 answered on %2 (its report fits %3); connecting as %1 with %4…</source>
        <translation>%2 上应答的是 %1（其报告适合 %3）；正以 %1、%4 连接…</translation>
    </message>
    <message>
        <source>%1: not written yet.</source>
        <translation>%1：尚未写入。</translation>
    </message>
    <message>
        <source>Writing the unit on %1…</source>
        <translation>正在写入 %1 上的设备…</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>未发送任何内容：%1</translation>
    </message>
    <message>
        <source>Nothing was sent: the record&apos;s units cannot be read: %1</source>
        <translation>未发送任何内容：无法读取记录中的设备：%1</translation>
    </message>
    <message>
        <source>Unit code in use</source>
        <translation>设备编码已被使用</translation>
    </message>
    <message>
        <source>The record holds this code already: %1. Write it to this unit too?</source>
        <translation>记录中已有此编码：%1。仍要把它写给这台设备吗？</translation>
    </message>
    <message>
        <source>Not written: unit code %1 is recorded for another unit.</source>
        <translation>未写入：设备编码 %1 已记录给另一台设备。</translation>
    </message>
    <message>
        <source>Not taken: %1</source>
        <translation>未采用：%1</translation>
    </message>
</context>
<context>
    <name>MessageLog</name>
    <message>
        <source>Message log</source>
        <translation>消息日志</translation>
    </message>
    <message>
        <source>Every message of this session, the newest last.</source>
        <translation>本次运行的全部消息，最新的在最后。</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>link rate</source>
        <translation>无线链路速率</translation>
    </message>
    <message>
        <source>network address</source>
        <translation>网络地址</translation>
    </message>
    <message>
        <source>unit address</source>
        <translation>单元地址</translation>
    </message>
    <message>
        <source>output power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>repeater</source>
        <translation>中继使能</translation>
    </message>
    <message>
        <source>%1 not reported, the profile says %2</source>
        <translation>%1未报告，配置方案为 %2</translation>
    </message>
    <message>
        <source>%1 %2, the profile says %3</source>
        <translation>%1为 %2，配置方案为 %3</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>缺少“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2</source>
        <translation>“%1”必须是以下之一：%2</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>不是 JSON：第 %2 字节处 %1</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>不是 JSON 对象</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>未知的键“%1”</translation>
    </message>
    <message>
        <source>&quot;kvx-profile&quot; must be %1</source>
        <translation>“kvx-profile”必须为 %1</translation>
    </message>
    <message>
        <source>&quot;settings&quot; must be an object</source>
        <translation>“settings”必须是对象</translation>
    </message>
    <message>
        <source>unknown key &quot;settings.%1&quot;</source>
        <translation>未知的键“settings.%1”</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot;: %2 is not allowed for %3 %4 (allowed: %5)</source>
        <translation>“settings.%1”：%3 %4 不允许 %2（允许：%5）</translation>
    </message>
    <message>
        <source>key &quot;%1&quot; is given twice</source>
        <translation>键 &quot;%1&quot; 出现了两次</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than %1 KiB: not a profile</source>
        <translation>大于 %1 KiB：不是配置方案</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be a whole number 0 … %2</source>
        <translation>“settings.%1”必须是 0 … %2 之间的整数</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be true or false</source>
        <translation>“settings.%1”必须是 true 或 false</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be a whole number</source>
        <translation>“settings.%1”必须是整数</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be a string</source>
        <translation>“settings.%1”必须是字符串</translation>
    </message>
</context>
<context>
    <name>ProvisionBatch</name>
    <message>
        <source>%1 of %2 verified</source>
        <translation>%2 台中 %1 台已校验</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%2 台中 %1 台已写入</translation>
    </message>
    <message>
        <source>%1 of %2 match the profile</source>
        <translation>%2 台中 %1 台与配置方案一致</translation>
    </message>
    <message numerus="yes">
        <source>, %n not matching</source>
        <translation>
            <numerusform>，%n 台不符</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <translation>
            <numerusform>，%n 台失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped</source>
        <translation>
            <numerusform>，跳过 %n 台</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProvisionDialog</name>
    <message>
        <source>Provision several units</source>
        <translation>批量配置多台设备</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <source>Take the form as it is</source>
        <translation>采用当前表单</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>配置方案文件</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>载入…</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>检测</translation>
    </message>
    <message>
        <source>First unit address:</source>
        <translation>起始单元地址：</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Quick pauses</source>
        <translation>快速等待</translation>
    </message>
    <message>
        <source>Each pause ends as soon as the unit has answered, never later than its time. Leave it off for units that need the pause to settle after a preset.</source>
        <translation>每个等待在设备应答后立即结束，但不超过规定时间。对于预设后需要等待稳定的设备，请勿勾选。</translation>
    </message>
    <message>
        <source>Take each unit as it is plugged in</source>
        <translation>逐台配置新插入的设备</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>记录：</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>选择…</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Load a profile file first.</source>
        <translation>请先载入配置方案文件。</translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>点对多点</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>点对点</translation>
    </message>
    <message>
        <source>a random network address</source>
        <translation>随机网络地址</translation>
    </message>
    <message>
        <source>network address %1</source>
        <translation>网络地址 %1</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>载入配置方案</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>配置方案 (*.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The profile %1 was refused: %2</source>
        <translation>配置方案 %1 被拒绝：%2</translation>
    </message>
    <message>
        <source>Provisioning record</source>
        <translation>配置记录</translation>
    </message>
    <message>
        <source>Records (*.kvxdb *.csv);;All files (*)</source>
        <translation>记录 (*.kvxdb *.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Disconnect in the main window first: it holds %1 open.</source>
        <translation>请先在主界面断开连接：主界面正占用 %1。</translation>
    </message>
    <message>
        <source>Tick the ports to write, or take each unit as it is plugged in.</source>
        <translation>请勾选要写入的端口，或选择逐台配置新插入的设备。</translation>
    </message>
    <message>
        <source>The record %1 cannot be written: %2. Nothing was sent.</source>
        <translation>记录 %1 无法写入：%2。未发送任何内容。</translation>
    </message>
    <message>
        <source>Waiting for units: each port that appears is written after a second to settle. Stop ends it.</source>
        <translation>等待设备：每个新出现的端口在稳定约一秒后写入。按“停止”结束。</translation>
    </message>
    <message>
        <source>Stopping: each unit ends at a safe point (before AT&amp;W nothing more is sent; after it the store is waited out).</source>
        <translation>正在停止：每台设备在安全点结束（AT&amp;W 之前不再发送任何内容；之后等待保存完成）。</translation>
    </message>
    <message>
        <source> (unit address %1)</source>
        <translation>（单元地址 %1）</translation>
    </message>
    <message>
        <source>unit address %1</source>
        <translation>单元地址 %1</translation>
    </message>
    <message>
        <source>Stop the batch first; the window closes once every unit has ended.</source>
        <translation>请先停止批量配置；所有设备结束后窗口才能关闭。</translation>
    </message>
    <message>
        <source>Start writes the profile into every ticked port at once and checks each unit. Check only reads every ticked unit and compares it with the settings the profile names, writing nothing: each row says &quot;matches&quot; or what differs. Detect says which product answers on each ticked port.</source>
        <translation>“开始”将配置方案同时写入每个已勾选的端口并校验每台设备。“仅检查”读取每台已勾选的设备，与配置方案中列出的参数比较，不写入任何内容：每一行显示“一致”或哪些参数不同。“检测”说明每个已勾选端口上应答的是哪种产品。</translation>
    </message>
    <message>
        <source>Which product answers on each ticked port, and which modules fit what it reports</source>
        <translation>每个已勾选端口上应答的是哪种产品，以及哪些模组符合其报告的参数</translation>
    </message>
    <message>
        <source>Read every ticked unit and compare it with the profile; nothing is written</source>
        <translation>读取每台已勾选的设备并与配置方案比较；不写入任何内容</translation>
    </message>
    <message>
        <source>Check only</source>
        <translation>仅检查</translation>
    </message>
    <message>
        <source>Waiting for units: each port that appears is checked after a second to settle. Stop ends it.</source>
        <translation>等待设备：每个新出现的端口在稳定约一秒后检查。按“停止”结束。</translation>
    </message>
    <message>
        <source>trying %1 at %2 baud…</source>
        <translation>正在以 %2 波特尝试 %1…</translation>
    </message>
    <message numerus="yes">
        <source>Detecting the units on %n port(s)…</source>
        <translation>
            <numerusform>正在检测 %n 个端口上的设备…</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 answered; module %2 (%3)</source>
        <translation>%1 已应答；模组 %2（%3）</translation>
    </message>
    <message>
        <source>Detected: each port&apos;s answer is on its row.</source>
        <translation>检测完毕：每个端口的结果显示在其所在行。</translation>
    </message>
    <message>
        <source>%1 and %2 are one device (%3): tick one of them. Nothing was sent.</source>
        <translation>%1 和 %2 是同一设备（%3）：只勾选其中一个。未发送任何内容。</translation>
    </message>
    <message>
        <source>Unit code</source>
        <translation>设备编码</translation>
    </message>
    <message>
        <source>Scan a unit code:</source>
        <translation>扫描设备编码：</translation>
    </message>
    <message>
        <source>A code scanned (or typed, then Return) goes to the selected port&apos;s row; while units are taken as they are plugged in, to the next unit that appears.</source>
        <translation>扫描（或输入后按回车）的编码写入所选端口的行；在“每插入一台即配置”时，交给下一台出现的设备。</translation>
    </message>
    <message>
        <source>Label each verified unit (PDF, 62 x 29 mm)</source>
        <translation>为每台校验通过的设备生成标签（PDF，62 x 29 mm）</translation>
    </message>
    <message>
        <source>Nothing was sent: Detect found another product on every ticked port.</source>
        <translation>未发送任何内容：检测在每个勾选的端口上都发现了其他产品。</translation>
    </message>
    <message>
        <source>not written: a %1 answered here, the profile is for a %2</source>
        <translation>未写入：此处应答的是 %1，配置方案适用于 %2</translation>
    </message>
    <message>
        <source>Unit code %1: select the row of its port first.</source>
        <translation>设备编码 %1：请先选择其端口所在的行。</translation>
    </message>
    <message>
        <source>Codes waiting for the next units plugged in: %1</source>
        <translation>等待下一台插入设备的编码：%1</translation>
    </message>
    <message>
        <source>The label of %1 could not be written: %2</source>
        <translation>%1 的标签无法写入：%2</translation>
    </message>
    <message>
        <source>Opening the record %1…</source>
        <translation>正在打开记录 %1…</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>未发送任何内容：%1</translation>
    </message>
    <message>
        <source>Stopped before the start: nothing was sent.</source>
        <translation>开始前已停止：未发送任何内容。</translation>
    </message>
    <message>
        <source>Start waits for Detect to end.</source>
        <translation>“开始”须等检测结束。</translation>
    </message>
    <message>
        <source>Start waits: the main window holds %1 open.</source>
        <translation>“开始”须等待：主窗口正占用 %1。</translation>
    </message>
    <message>
        <source>Start needs a profile: %1</source>
        <translation>“开始”需要配置方案：%1</translation>
    </message>
    <message>
        <source>Start needs a profile: load a profile file first.</source>
        <translation>“开始”需要配置方案：请先载入配置文件。</translation>
    </message>
    <message>
        <source>Not taken: %1</source>
        <translation>未采用：%1</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>S%1 reads %2, %3 was written</source>
        <translation>S%1 读回 %2，写入的是 %3</translation>
    </message>
    <message>
        <source>S%1 was not read back, %2 was written</source>
        <translation>S%1 未能读回，写入的是 %2</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被其他程序使用</translation>
    </message>
    <message>
        <source>permission denied (%1); on Linux the user must be in the dialout group</source>
        <translation>权限不足（%1）；在 Linux 上用户须属于 dialout 组</translation>
    </message>
    <message>
        <source>no such device (%1)</source>
        <translation>设备不存在（%1）</translation>
    </message>
    <message>
        <source>not a serial port: %1 is a folder</source>
        <translation>不是串口：%1 是一个文件夹</translation>
    </message>
    <message>
        <source>not a serial port: %1 is a regular file</source>
        <translation>不是串口：%1 是一个普通文件</translation>
    </message>
    <message>
        <source>not a serial port: %1 is no terminal device</source>
        <translation>不是串口：%1 不是终端设备</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>设备已断开</translation>
    </message>
    <message>
        <source>the port cannot be locked: its path is too long to name its lock file; give it a shorter path, such as a link to it</source>
        <translation>无法锁定端口：其路径太长，无法命名锁文件；请给它一个较短的路径，例如指向它的链接</translation>
    </message>
</context>
<context>
    <name>RecordCheck</name>
    <message numerus="yes">
        <source>%1 (%n unit(s))</source>
        <translation>
            <numerusform>%1（%n 台）</numerusform>
        </translation>
    </message>
    <message>
        <source>this record cannot reserve unit addresses (a database can)</source>
        <translation>此记录无法预留单元地址（数据库记录可以）</translation>
    </message>
    <message>
        <source>network %1: unit address %2 is held by %3 units (%4)</source>
        <translation>网络 %1：单元地址 %2 被 %3 台设备占用（%4）</translation>
    </message>
    <message>
        <source>network %1: unit address %2 was never verified (last: %3)</source>
        <translation>网络 %1：单元地址 %2 从未校验（最后一次：%3）</translation>
    </message>
    <message>
        <source>link rate %1</source>
        <translation>无线链路速率 %1</translation>
    </message>
    <message>
        <source>link mode %1</source>
        <translation>链路模式 %1</translation>
    </message>
    <message>
        <source>network %1: units cannot link: %2</source>
        <translation>网络 %1：设备之间无法建立链路：%2</translation>
    </message>
    <message>
        <source>this record cannot release unit addresses</source>
        <translation>此记录无法释放单元地址</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>工位 %1</translation>
    </message>
    <message>
        <source> (operator %1)</source>
        <translation>（操作员 %1）</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1，时间 %2</translation>
    </message>
    <message>
        <source>unit address %1</source>
        <translation>单元地址 %1</translation>
    </message>
    <message>
        <source>network %1: %2 was reserved by %3 and never written (the reservation has ended)</source>
        <translation>网络 %1：%2 曾被 %3 预留但从未写入（预留已结束）</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>网络 %1</translation>
    </message>
    <message>
        <source>network %1 unit %2</source>
        <translation>网络 %1 单元 %2</translation>
    </message>
    <message>
        <source>unit code %1 is configured with %2 addresses (%3)</source>
        <translation>设备编码 %1 被配置了 %2 个地址（%3）</translation>
    </message>
    <message>
        <source>network %1: unit address %2 is configured in units of %3 codes (%4)</source>
        <translation>网络 %1：单元地址 %2 被配置到 %3 个编码的设备中（%4）</translation>
    </message>
    <message>
        <source>network %1: the unit on %2 may have been written: %3 began writing it, its result never came (check the unit)</source>
        <translation>网络 %1：%2 上的设备可能已被写入：%3 开始写入，但结果一直未到（请检查该设备）</translation>
    </message>
    <message>
        <source>network %1: a unit may hold unit address %2: %3 began writing it, its result never came (check the unit)</source>
        <translation>网络 %1：可能有一台设备持有单元地址 %2：%3 开始写入，但结果一直未到（请检查该设备）</translation>
    </message>
    <message>
        <source>%1, station %2</source>
        <translation>%1，工位 %2</translation>
    </message>
    <message>
        <source>unit code %1 is recorded for %2 (%3 %4)</source>
        <translation>设备编码 %1 已记录给%2（%3，%4）</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Provisioning record</source>
        <translation>配置记录</translation>
    </message>
    <message>
        <source>Network address:</source>
        <translation>网络地址：</translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>重新载入</translation>
    </message>
    <message>
        <source> (superseded)</source>
        <translation>（已被取代）</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>记录：%1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>工位</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>模组</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Unit address</source>
        <translation>单元地址</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>网络地址</translation>
    </message>
    <message>
        <source>Work mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Link rate</source>
        <translation>无线链路速率</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>输出功率</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>The record cannot be read: %1</source>
        <translation>记录无法读取：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s); no conflicts.</source>
        <translation>
            <numerusform>%n 行；没有冲突。</numerusform>
        </translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>点对多点</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>点对点</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>记录行</translation>
    </message>
    <message>
        <source>The day at a glance</source>
        <translation>当日概览</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>日期：</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Unit code</source>
        <translation>设备编码</translation>
    </message>
    <message>
        <source>%1 good units of %2 attempts (%3 %)</source>
        <translation>%2 次尝试中 %1 台合格（%3 %）</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>正在读取记录…</translation>
    </message>
</context>
<context>
    <name>RecordFigures</name>
    <message>
        <source>line refused: %1</source>
        <translation>命令被拒绝：%1</translation>
    </message>
    <message>
        <source>a line refused</source>
        <translation>有命令被拒绝</translation>
    </message>
    <message>
        <source>read back otherwise</source>
        <translation>读回的值不同</translation>
    </message>
    <message>
        <source>read back otherwise: %1</source>
        <translation>读回的值不同：%1</translation>
    </message>
    <message>
        <source>device lost before storing</source>
        <translation>保存前设备断开</translation>
    </message>
    <message>
        <source>device lost after storing</source>
        <translation>保存后设备断开</translation>
    </message>
    <message>
        <source>stopped before storing</source>
        <translation>保存前停止</translation>
    </message>
    <message>
        <source>stopped before the check</source>
        <translation>校验前停止</translation>
    </message>
    <message>
        <source>no answer to the check</source>
        <translation>校验时没有应答</translation>
    </message>
    <message>
        <source>result never came (pending)</source>
        <translation>结果一直没有来（pending）</translation>
    </message>
    <message>
        <source>reservation with no result</source>
        <translation>预留没有结果</translation>
    </message>
    <message>
        <source>released by hand</source>
        <translation>手动释放</translation>
    </message>
    <message>
        <source>lines left unanswered</source>
        <translation>命令没有应答</translation>
    </message>
    <message>
        <source>failed, no reason recorded</source>
        <translation>失败，没有记录原因</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>the record is locked by another program</source>
        <translation>记录被另一个程序锁定</translation>
    </message>
    <message>
        <source>the record cannot be locked (%1)</source>
        <translation>记录无法加锁（%1）</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>没有这个记录</translation>
    </message>
    <message>
        <source>not a provisioning record</source>
        <translation>不是配置记录</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>larger than %1 MiB: not a provisioning record</source>
        <translation>大于 %1 MiB：不是配置记录</translation>
    </message>
    <message>
        <source>not a provisioning record (its first line must be the header %1)</source>
        <translation>不是配置记录（第一行必须是表头 %1）</translation>
    </message>
    <message>
        <source>the pending row of %1 has no attempt id to end</source>
        <translation>%1 的待定行没有可结束的尝试编号</translation>
    </message>
    <message>
        <source>cannot be read again from its start</source>
        <translation>无法从头再次读取</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 fields, where a record row has %2</source>
        <translation>%1 个字段，而记录行有 %2 个</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of %3</source>
        <translation>%1 “%2” 不是 %3 之一</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a date and time with its zone</source>
        <translation>时间 “%1” 不是带时区的日期和时间</translation>
    </message>
    <message>
        <source>attempt &quot;%1&quot; is not an attempt id</source>
        <translation>尝试 “%1” 不是尝试编号</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is UTF-8 text that was read as Windows-1252 and saved again (a spreadsheet opened the file without knowing it was UTF-8); it was &quot;%3&quot;. Open the original file, or choose UTF-8 when the spreadsheet asks for the character set</source>
        <translation>第 %1 行：“%2”是被当作 Windows-1252 读取后又保存的 UTF-8 文本（电子表格打开文件时不知道它是 UTF-8）；原文是“%3”。请打开原始文件，或在电子表格询问字符集时选择 UTF-8</translation>
    </message>
</context>
<context>
    <name>RecordService</name>
    <message>
        <source>the record was closed</source>
        <translation>记录已关闭</translation>
    </message>
    <message>
        <source>the shared record refused it (%1); set aside in %2</source>
        <translation>共享记录拒收（%1）；已另存到 %2</translation>
    </message>
    <message numerus="yes">
        <source>the shared record did not answer in %n s</source>
        <translation>
            <numerusform>共享记录在 %n 秒内未应答</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record %1 did not answer in %n s</source>
        <translation>
            <numerusform>记录 %1 在 %n 秒内未应答</numerusform>
        </translation>
    </message>
    <message>
        <source>the outbox %1</source>
        <translation>发件箱 %1</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>无法创建其文件夹</translation>
    </message>
    <message>
        <source>no space left on its disk (%1 KiB free)</source>
        <translation>其磁盘空间不足（剩余 %1 KiB）</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>另一个程序正占用它</translation>
    </message>
    <message>
        <source>it cannot be locked: the folder cannot be written</source>
        <translation>无法加锁：文件夹不可写</translation>
    </message>
    <message>
        <source>the record is closed</source>
        <translation>记录已关闭</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>已结束</translation>
    </message>
    <message>
        <source>the record was closed before the row was kept</source>
        <translation>记录在该行保存前已关闭</translation>
    </message>
</context>
<context>
    <name>ResultBanner</name>
    <message>
        <source>VERIFIED</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>WRITTEN, NOT CHECKED</source>
        <translation>已写入，未检查</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Last units…</source>
        <translation>最近的设备…</translation>
    </message>
    <message>
        <source>The last units written here, with their codes; a verified unit&apos;s label written again from there</source>
        <translation>本工位最近写入的设备及其编码；可从那里为已校验的设备再写一次标签</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>--listen %1: an IPv6 address ends with ]</source>
        <translation>--listen %1：IPv6 地址须以 ] 结尾</translation>
    </message>
    <message>
        <source>--listen %1: give ADDRESS:PORT</source>
        <translation>--listen %1：请给出 地址:端口</translation>
    </message>
    <message>
        <source>--listen %1: the port must be a number 0 … 65535 (0: any free one)</source>
        <translation>--listen %1：端口必须是 0 … 65535 的数字（0：任一空闲端口）</translation>
    </message>
    <message>
        <source>--listen %1: not an IP address (e.g. 0.0.0.0:8470, 192.168.1.20:8470, [::]:8470)</source>
        <translation>--listen %1：不是 IP 地址（例如 0.0.0.0:8470、192.168.1.20:8470、[::]:8470）</translation>
    </message>
    <message>
        <source>--token-file %1: cannot be read (%2)</source>
        <translation>--token-file %1：无法读取（%2）</translation>
    </message>
    <message>
        <source>--token-file %1: the token must be 16 to 256 characters of A-Z, a-z, 0-9 and . _ ~ + / = - on the first line (e.g. made by openssl rand -base64 32)</source>
        <translation>--token-file %1：令牌须在第一行，由 16 到 256 个 A-Z、a-z、0-9 及 . _ ~ + / = - 字符组成（例如用 openssl rand -base64 32 生成）</translation>
    </message>
    <message>
        <source>the record database stopped answering</source>
        <translation>记录数据库已停止应答</translation>
    </message>
    <message>
        <source>the record database does not tell of its changes (LISTEN)</source>
        <translation>记录数据库不通知其变化（LISTEN）</translation>
    </message>
    <message>
        <source>the record does not answer</source>
        <translation>记录没有应答</translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation>单元 %1</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>网络 %1</translation>
    </message>
    <message>
        <source>Units per hour</source>
        <translation>每小时单元数</translation>
    </message>
    <message>
        <source>good</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>not good</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>being written now</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>The record does not answer since %1: %2. The figures below were read at %3.</source>
        <translation>记录自 %1 起没有应答：%2。以下数据读取于 %3。</translation>
    </message>
    <message>
        <source>units verified today</source>
        <translation>今日已校验单元</translation>
    </message>
    <message numerus="yes">
        <source>yield: %1 good of %n attempt(s)</source>
        <translation>
            <numerusform>合格率：%n 次尝试中 %1 个合格</numerusform>
        </translation>
    </message>
    <message>
        <source>not good today</source>
        <translation>今日不合格</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>工位</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>工位</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Last unit</source>
        <translation>最后一个单元</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Verified today</source>
        <translation>今日已校验</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>合格率</translation>
    </message>
    <message>
        <source>Rows waiting for the shared record</source>
        <translation>等待写入共享记录的行</translation>
    </message>
    <message>
        <source>Last heard</source>
        <translation>最后联系</translation>
    </message>
    <message>
        <source>No station has written a unit today.</source>
        <translation>今天还没有工位写入单元。</translation>
    </message>
    <message>
        <source>not known: the station has not said (an older version, or a record without the table of stations)</source>
        <translation>未知：该工位没有报告（旧版本，或记录中没有工位表）</translation>
    </message>
    <message>
        <source>Failures by cause</source>
        <translation>按原因统计的失败</translation>
    </message>
    <message>
        <source>No failures today.</source>
        <translation>今天没有失败。</translation>
    </message>
    <message>
        <source>The last %1 units</source>
        <translation>最近 %1 个单元</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单元</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>编码</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>The record holds no unit yet.</source>
        <translation>记录中还没有单元。</translation>
    </message>
    <message>
        <source>Read from the record at %1 (the day from %2).</source>
        <translation>从记录读取于 %1（当天自 %2 起）。</translation>
    </message>
    <message>
        <source>The line at a glance</source>
        <translation>产线一览</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>记录：%1</translation>
    </message>
    <message>
        <source>live</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>not live: connecting again…</source>
        <translation>未实时：正在重新连接…</translation>
    </message>
    <message>
        <source>reload the page for the latest figures</source>
        <translation>刷新页面以获取最新数据</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>历史：%1</translation>
    </message>
    <message>
        <source>Back to the line</source>
        <translation>返回产线</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>参数</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>The record holds no such unit.</source>
        <translation>记录中没有这个单元。</translation>
    </message>
    <message>
        <source>(superseded)</source>
        <translation>（已被取代）</translation>
    </message>
    <message>
        <source>Only the first rows are shown; /api/units gives them all.</source>
        <translation>只显示前面的行；/api/units 可获取全部。</translation>
    </message>
    <message>
        <source>This view asks for its token</source>
        <translation>此页面需要令牌</translation>
    </message>
    <message>
        <source>That is not the token.</source>
        <translation>令牌不正确。</translation>
    </message>
    <message>
        <source>The token is in the line server&apos;s token file; ask whoever set it up.</source>
        <translation>令牌保存在产线服务器的令牌文件中；请询问设置它的人。</translation>
    </message>
    <message>
        <source>Token</source>
        <translation>令牌</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>not an HTTP request line</source>
        <translation>不是 HTTP 请求行</translation>
    </message>
    <message>
        <source>only HTTP/1.0 and HTTP/1.1 are spoken here</source>
        <translation>这里只支持 HTTP/1.0 和 HTTP/1.1</translation>
    </message>
    <message>
        <source>the path must start with / and hold printable characters only</source>
        <translation>路径必须以 / 开头，且只含可打印字符</translation>
    </message>
    <message>
        <source>the path holds characters no path here has</source>
        <translation>路径中含有这里任何路径都没有的字符</translation>
    </message>
    <message>
        <source>a path with . or .. in it names nothing here</source>
        <translation>含 . 或 .. 的路径在这里不指向任何内容</translation>
    </message>
    <message>
        <source>a header line is not &quot;Name: value&quot;</source>
        <translation>有一行标头不是“名称: 值”的形式</translation>
    </message>
    <message>
        <source>the header %1 is given twice</source>
        <translation>标头 %1 给出了两次</translation>
    </message>
    <message>
        <source>a request may be %1 bytes at most (its line and headers)</source>
        <translation>请求（请求行和标头）最多 %1 字节</translation>
    </message>
    <message>
        <source>too many connections at once; try again shortly</source>
        <translation>同时连接太多；请稍后再试</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>无法在 %1 上监听：%2</translation>
    </message>
    <message>
        <source>this view is read-only: GET and HEAD only</source>
        <translation>此页面只读：只接受 GET 和 HEAD</translation>
    </message>
    <message>
        <source>no request here takes a body</source>
        <translation>这里的请求都不接受正文</translation>
    </message>
    <message>
        <source>an HTTP/1.1 request names its Host</source>
        <translation>HTTP/1.1 请求须给出 Host</translation>
    </message>
    <message>
        <source>this view answers at its loopback address only (kvx-cli serve --listen ADDRESS --token-file FILE serves other computers)</source>
        <translation>此页面只在本机回环地址应答（kvx-cli serve --listen 地址 --token-file 文件 可为其他计算机提供服务）</translation>
    </message>
    <message>
        <source>that is not the token</source>
        <translation>令牌不正确</translation>
    </message>
    <message>
        <source>this view asks for its token: Authorization: Bearer TOKEN</source>
        <translation>此页面需要令牌：Authorization: Bearer 令牌</translation>
    </message>
    <message>
        <source>live pages connect to /live</source>
        <translation>实时页面连接到 /live</translation>
    </message>
    <message>
        <source>a live page of another site</source>
        <translation>来自其他网站的实时页面</translation>
    </message>
    <message>
        <source>too many live pages at once</source>
        <translation>同时打开的实时页面太多</translation>
    </message>
    <message>
        <source>the request could not be read</source>
        <translation>无法读取请求</translation>
    </message>
    <message>
        <source>there is nothing at %1</source>
        <translation>%1 处没有内容</translation>
    </message>
    <message>
        <source>%1 takes no &quot;%2&quot; (it takes: %3)</source>
        <translation>%1 不接受“%2”（可接受：%3）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>“%1”给出了两次</translation>
    </message>
    <message>
        <source>/live is the live pages&apos; WebSocket</source>
        <translation>/live 是实时页面的 WebSocket</translation>
    </message>
    <message>
        <source>since=%1: give a time in ISO 8601 with its zone (2026-12-08T09:00:00Z, 2026-12-08T17:00:00+08:00) or a date (2026-12-08)</source>
        <translation>since=%1：请给出带时区的 ISO 8601 时间（2026-12-08T09:00:00Z、2026-12-08T17:00:00+08:00）或日期（2026-12-08）</translation>
    </message>
    <message>
        <source>%1=%2: an address is a whole number 0 … %3</source>
        <translation>%1=%2：地址是 0 … %3 的整数</translation>
    </message>
    <message>
        <source>serial: a unit&apos;s code, 1 to 256 characters</source>
        <translation>serial：单元编码，1 到 256 个字符</translation>
    </message>
    <message>
        <source>limit=%1: a number 1 … %2</source>
        <translation>limit=%1：1 … %2 的数字</translation>
    </message>
    <message>
        <source>cursor=%1: not a cursor this view gave</source>
        <translation>cursor=%1：不是本页面给出的游标</translation>
    </message>
    <message>
        <source>/units shows a unit: give its serial, or its network (and unit)</source>
        <translation>/units 显示一个单元：请给出其编码，或其网络（及单元）地址</translation>
    </message>
    <message>
        <source>the record is asked too much at once; try again shortly</source>
        <translation>对记录的查询同时太多；请稍后再试</translation>
    </message>
    <message>
        <source>the record did not answer within %1 s</source>
        <translation>记录在 %1 秒内没有应答</translation>
    </message>
    <message>
        <source>the record does not answer: %1</source>
        <translation>记录没有应答：%1</translation>
    </message>
</context>
<context>
    <name>SettingValue</name>
    <message>
        <source>Master</source>
        <translation>主站</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>中继站</translation>
    </message>
    <message>
        <source>Slave(Remote)</source>
        <translation>从站（远程）</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>从站</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>first unit address %1: the profile is point to point, its units have no unit address</source>
        <translation>起始单元地址 %1：配置方案为点对点，其设备没有单元地址</translation>
    </message>
    <message>
        <source>first unit address auto: the unit addresses come from a database record (a .kvxdb file or postgresql://...); this record cannot hand them out</source>
        <translation>起始单元地址 auto：单元地址来自数据库记录（.kvxdb 文件或 postgresql://...）；此记录无法分配单元地址</translation>
    </message>
    <message numerus="yes">
        <source>first unit address %1: allowed: 0 … %2 (for %n unit(s)), or auto</source>
        <translation>
            <numerusform>起始单元地址 %1：允许值：0 … %2（共 %n 台设备），或 auto</numerusform>
        </translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>点对多点</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>点对点</translation>
    </message>
    <message>
        <source>The profile was refused: it is for a %1, the unit is a %2.</source>
        <translation>配置方案被拒绝：它适用于 %1，该设备是 %2。</translation>
    </message>
    <message>
        <source>The profile was refused: it is for the %1 module, the unit has %2.</source>
        <translation>配置方案被拒绝：它适用于 %1 模组，该设备装有 %2。</translation>
    </message>
    <message>
        <source>The profile was refused: it is for %1, the unit runs %2.</source>
        <translation>配置方案被拒绝：它适用于%1，该设备运行%2。</translation>
    </message>
</context>
<context>
    <name>UnitCode</name>
    <message>
        <source>the unit code is empty</source>
        <translation>设备编码为空</translation>
    </message>
    <message>
        <source>unit code %1 holds U+FFFD, the mark of text that was not UTF-8</source>
        <translation>设备编码 %1 含有 U+FFFD，这是文本原本不是 UTF-8 的标记</translation>
    </message>
    <message>
        <source>unit code %1 holds a control character (%2)</source>
        <translation>设备编码 %1 含有控制字符（%2）</translation>
    </message>
    <message>
        <source>unit code %1 holds a character a label cannot show (%2)</source>
        <translation>设备编码 %1 含有标签无法显示的字符（%2）</translation>
    </message>
    <message>
        <source>unit code %1 is %2 characters long; a unit code has at most %3</source>
        <translation>设备编码 %1 长 %2 个字符；设备编码最多 %3 个字符</translation>
    </message>
    <message>
        <source>unit code &quot;%1&quot; begins or ends with a space</source>
        <translation>设备编码“%1”以空格开头或结尾</translation>
    </message>
    <message>
        <source>unit code %1 is given twice: one code, one unit</source>
        <translation>设备编码 %1 给了两次：一个编码只属于一台设备</translation>
    </message>
</context>
<context>
    <name>UnitDetector</name>
    <message>
        <source>%1: interrupted</source>
        <translation>%1：已中断</translation>
    </message>
    <message>
        <source>%1: nothing answered, neither a KV5 at 9600 baud nor a KV6 - KV7 at 115200 baud</source>
        <translation>%1：没有应答，既不是 9600 波特的 KV5，也不是 115200 波特的 KV6 - KV7</translation>
    </message>
    <message>
        <source>none of the modules</source>
        <translation>没有符合的模组</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%2 上为 %1</translation>
    </message>
</context>
<context>
    <name>UnitJob</name>
    <message>
        <source>no settings report from the modem within %1 ms (KV5 answers at 9600 baud, KV6 - KV7 at 115200: is the product right?)</source>
        <translation>调制解调器在 %1 毫秒内没有返回参数报告（KV5 以 9600 波特应答，KV6 - KV7 以 115200 波特应答：产品选对了吗？）</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>设备已断开</translation>
    </message>
    <message>
        <source>cannot open the port: %1</source>
        <translation>无法打开端口：%1</translation>
    </message>
    <message>
        <source>the unit did not report its pass-through rate</source>
        <translation>设备没有报告透传波特率</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
</context>
<context>
    <name>UnitLabel</name>
    <message>
        <source>cannot start drawing the labels</source>
        <translation>无法开始绘制标签</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>网络 %1</translation>
    </message>
    <message>
        <source> · unit %1</source>
        <translation> · 单元 %1</translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>点对多点</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>点对点</translation>
    </message>
    <message>
        <source>no unit to label</source>
        <translation>没有可打印标签的设备</translation>
    </message>
    <message>
        <source>Unit labels</source>
        <translation>设备标签</translation>
    </message>
    <message>
        <source>no printer is set up</source>
        <translation>没有设置打印机</translation>
    </message>
    <message>
        <source>no printer named %1</source>
        <translation>没有名为 %1 的打印机</translation>
    </message>
    <message>
        <source>the QR code of %1 cannot be made (its line is %2 bytes)</source>
        <translation>无法生成 %1 的二维码（其文本为 %2 字节）</translation>
    </message>
    <message>
        <source>the QR code of %1 would be too fine to scan on this label (its line is %2 bytes)</source>
        <translation>%1 的二维码在此标签上会太细而无法扫描（其文本为 %2 字节）</translation>
    </message>
    <message>
        <source>unit code %1 is too long to print readably on a label of this size</source>
        <translation>设备编码 %1 太长，无法在此尺寸的标签上清晰打印</translation>
    </message>
</context>
<context>
    <name>UnitOutcome</name>
    <message>
        <source>storing</source>
        <translation>正在保存</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>written, but not verified: the modem stopped answering</source>
        <translation>已写入，但未校验：调制解调器已停止应答</translation>
    </message>
    <message>
        <source>written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>mismatch: %1</source>
        <translation>不一致：%1</translation>
    </message>
    <message>
        <source>interrupted before storing: nothing was stored</source>
        <translation>在保存前中断：未保存任何内容</translation>
    </message>
    <message>
        <source>lost before storing: %1</source>
        <translation>保存前断开：%1</translation>
    </message>
    <message>
        <source>lost after storing (not verified): %1</source>
        <translation>保存后断开（未校验）：%1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>设备已断开</translation>
    </message>
    <message>
        <source>interrupted before storing (%1): nothing was stored</source>
        <translation>在保存前中断（%1）：未保存任何内容</translation>
    </message>
    <message>
        <source>refused: %1 — nothing stored</source>
        <translation>被拒绝：%1 — 未保存任何内容</translation>
    </message>
    <message>
        <source>refused: %1 — the settings were stored</source>
        <translation>被拒绝：%1 — 参数已保存</translation>
    </message>
    <message>
        <source>Not recorded: %1</source>
        <translation>未记录：%1</translation>
    </message>
    <message>
        <source>the modem did not answer every line, so AT&amp;W was not sent</source>
        <translation>调制解调器没有应答每一行，因此未发送 AT&amp;W</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>正在读取</translation>
    </message>
    <message>
        <source>writing %1 of %2</source>
        <translation>正在写入第 %1 条，共 %2 条</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Writing %1 of %2…</source>
        <translation>正在写入第 %1 条，共 %2 条…</translation>
    </message>
    <message>
        <source>Storing…</source>
        <translation>正在保存…</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>正在校验…</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>不一致</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>已中断</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>lost after storing</source>
        <translation>保存后断开</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>pending (result unknown)</source>
        <translation>待定（结果未知）</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>已预留</translation>
    </message>
    <message>
        <source>reservation ended</source>
        <translation>预留已结束</translation>
    </message>
    <message>
        <source>released</source>
        <translation>已释放</translation>
    </message>
    <message>
        <source>matches the profile</source>
        <translation>与配置方案一致</translation>
    </message>
    <message>
        <source>differs from the profile</source>
        <translation>与配置方案不同</translation>
    </message>
    <message>
        <source>; not recorded: %1</source>
        <translation>；未记录：%1</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>一致</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>不同：%1</translation>
    </message>
    <message>
        <source>written, but not verified: stopped before the check</source>
        <translation>已写入，但未校验：在校验前停止</translation>
    </message>
    <message>
        <source>interrupted before the check ended: the unit was not compared</source>
        <translation>在检查结束前中断：未比较该设备</translation>
    </message>
    <message>
        <source>lost during the check: %1</source>
        <translation>检查期间丢失：%1</translation>
    </message>
    <message>
        <source>written, not checked</source>
        <translation>已写入，未校验</translation>
    </message>
    <message>
        <source>; waiting for the shared record</source>
        <translation>；等待写入共享记录</translation>
    </message>
    <message>
        <source>waiting for the record</source>
        <translation>等待记录</translation>
    </message>
    <message>
        <source>not started: %1</source>
        <translation>未开始：%1</translation>
    </message>
</context>
<context>
    <name>VersionDialog</name>
    <message>
        <source>Dialog</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>KV5 Configuration Software</source>
        <translation>KV5 配置软件</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>版本 : </translation>
    </message>
    <message>
        <source>2.0.5</source>
        <translation>2.0.5</translation>
    </message>
    <message>
        <source>Update Time : </source>
        <translation>更新时间 : </translation>
    </message>
    <message>
        <source>2024-2-23</source>
        <translation>2024-2-23</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Website : &lt;/span&gt;&lt;a href=&quot;https://www.kvx.example.com/&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;https://www.kvx.example.com/&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;网站 : &lt;/span&gt;&lt;a href=&quot;https://www.kvx.example.com/&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;https://www.kvx.example.com/&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2024-2026 KVX data-link radios. All rights reserved.</source>
        <translation>版权所有 © 2024-2026 KVX 数据链电台。保留所有权利。</translation>
    </message>
    <message>
        <source>About KV5</source>
        <translation>关于 KV5</translation>
    </message>
</context>
<context>
    <name>WriteSummary</name>
    <message>
        <source>unit %1</source>
        <translation>单元 %1</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>网络 %1</translation>
    </message>
    <message>
        <source>baud %1</source>
        <translation>波特率 %1</translation>
    </message>
    <message>
        <source>link rate %1</source>
        <translation>无线链路速率 %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: kvx-config [--port P] [Qt options]
Opens the window that reads and writes the settings of KVX radio modems (KV5, KV6 - KV7).

Options:
  --port P       the serial port to offer first, e.g. /dev/ttyUSB0
  -h, --help     this help
  -v, --version  the version
Qt&apos;s own options (-platform, -style, ...) go to the toolkit.

Ports: the serial ports the system lists, plus the paths in KVX_EXTRA_PORTS.
Settings: ~/.config/kvx-config/kvx-config.ini. See also kvx-cli --help.
</source>
        <translation>用法：kvx-config [--port P] [Qt 选项]
打开读写 KVX 数传电台（KV5、KV6 - KV7）参数的窗口。

选项：
  --port P       首先提供的串口，例如 /dev/ttyUSB0
  -h, --help     本帮助
  -v, --version  版本
Qt 自己的选项（-platform、-style 等）交给工具包处理。

端口：系统列出的串口，加上 KVX_EXTRA_PORTS 中的路径。
设置：~/.config/kvx-config/kvx-config.ini。另见 kvx-cli --help。
</translation>
    </message>
    <message>
        <source>Usage: kvx-config [--port P] [Qt options] (see kvx-config --help)</source>
        <translation>用法：kvx-config [--port P] [Qt 选项]（见 kvx-config --help）</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1：没有这个选项</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1: the window takes no file or word, only options</source>
        <translation>%1：窗口程序不接受文件或词语，只接受选项</translation>
    </message>
</context>
</TS>
