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
        <source> (see kvx-cli --help)</source>
        <translation>（见 kvx-cli --help）</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot; (commands: %2)</source>
        <translation>没有命令“%1”（命令：%2）</translation>
    </message>
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
        <translation>--%1 %2：配置文件适用于 %3</translation>
    </message>
    <message>
        <source>--%1 %2: not a value of %3 %4; allowed: %5</source>
        <translation>--%1 %2：不是 %3 %4 的取值；允许的值：%5</translation>
    </message>
    <message>
        <source>--repeater is written only with the master work mode (S141 goes out after the Master preset alone): add --work-mode master</source>
        <translation>--repeater 只在主机工作模式下写入（S141 只跟在 Master 预设之后发送）：请加上 --work-mode master</translation>
    </message>
    <message>
        <source>work mode: </source>
        <translation>工作模式：</translation>
    </message>
    <message>
        <source>baud: </source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>link rate: </source>
        <translation>空中速率：</translation>
    </message>
    <message>
        <source>power: </source>
        <translation>发射功率：</translation>
    </message>
    <message>
        <source>repeater: </source>
        <translation>中继：</translation>
    </message>
    <message>
        <source>network address: </source>
        <translation>网络地址：</translation>
    </message>
    <message>
        <source>unit address: </source>
        <translation>单元地址：</translation>
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
        <source>record export needs --csv (the one format it writes)</source>
        <translation>record export 需要 --csv（唯一支持的格式）</translation>
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
        <source>Units per hour (good of attempts)</source>
        <translation>每小时设备数（合格/尝试）</translation>
    </message>
    <message>
        <source>Failures by reason</source>
        <translation>按原因统计的失败</translation>
    </message>
    <message>
        <source>By station (good of attempts)</source>
        <translation>按工位（合格/尝试）</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>By operator (good of attempts)</source>
        <translation>按操作员（合格/尝试）</translation>
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
        <source>from %1 to %2</source>
        <translation>从 %1 到 %2</translation>
    </message>
    <message>
        <source>good / attempts</source>
        <translation>合格 / 尝试</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
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
        <translation>大于 %1 KiB：不是配置文件</translation>
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
        <translation>未写入：此处应答的是 %1，配置文件适用于 %2</translation>
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
        <translation>链路速率 %1</translation>
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
        <translation>链路速率</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
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
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
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
        <source>attempts</source>
        <translation>尝试</translation>
    </message>
    <message>
        <source>good units</source>
        <translation>合格设备</translation>
    </message>
    <message>
        <source>Units per hour</source>
        <translation>每小时设备数</translation>
    </message>
    <message>
        <source>Failures by reason</source>
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
        <source>Reading the record…</source>
        <translation>正在读取记录…</translation>
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
        <translation>读取于 %1（当天自 %2 起）。</translation>
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
        <translation>配置方案被拒绝：它适用于 %1 模块，该设备装有 %2。</translation>
    </message>
    <message>
        <source>The profile was refused: it is for %1, the unit runs %2.</source>
        <translation>配置方案被拒绝：它适用于%1，该设备运行%2。</translation>
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
        <translation>链路速率 %1</translation>
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
</context>
</TS>
