<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ATInterface</name>
    <message>
        <source>Form</source>
        <translation>AT commands</translation>
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
        <translation>AT Command :</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Save transcript…</source>
        <translation>Save transcript…</translation>
    </message>
    <message>
        <source>Show as hex</source>
        <translation>Show as hex</translation>
    </message>
    <message>
        <source>Save transcript</source>
        <translation>Save transcript</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>The transcript could not be saved to %1: %2</source>
        <translation>The transcript could not be saved to %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Transcript saved to %1 (%n byte(s)).</source>
        <translation>
            <numerusform>Transcript saved to %1 (%n byte).</numerusform>
            <numerusform>Transcript saved to %1 (%n bytes).</numerusform>
        </translation>
    </message>
    <message>
        <source>No link is open: connect first. The line is kept.</source>
        <translation>No link is open: connect first. The line is kept.</translation>
    </message>
    <message>
        <source>Show sent lines</source>
        <translation>Show sent lines</translation>
    </message>
    <message>
        <source>Log to file…</source>
        <translation>Log to file…</translation>
    </message>
    <message>
        <source>Log to file</source>
        <translation>Log to file</translation>
    </message>
    <message>
        <source>Text files (*.txt *.log);;All files (*)</source>
        <translation>Text files (*.txt *.log);;All files (*)</translation>
    </message>
    <message>
        <source>Logging to %1.</source>
        <translation>Logging to %1.</translation>
    </message>
    <message>
        <source>Cannot log to %1: %2</source>
        <translation>Cannot log to %1: %2</translation>
    </message>
    <message>
        <source>The log %1 could not be written: %2. Logging stopped.</source>
        <translation>The log %1 could not be written: %2. Logging stopped.</translation>
    </message>
    <message>
        <source>Port :</source>
        <translation>Port :</translation>
    </message>
</context>
<context>
    <name>AdvertiseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Advertisement</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>give one command: %1 (see kvx-cli --help)</source>
        <translation>give one command: %1 (see kvx-cli --help)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot; (see kvx-cli --help)</source>
        <translation>unknown command &quot;%1&quot; (see kvx-cli --help)</translation>
    </message>
    <message>
        <source>stopped by signal %1</source>
        <translation>stopped by signal %1</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>%1 man|bash-completion</source>
        <translation>%1 man|bash-completion</translation>
    </message>
    <message>
        <source>--%1 does not apply to %2 (see kvx-cli help %2)</source>
        <translation>--%1 does not apply to %2 (see kvx-cli help %2)</translation>
    </message>
    <message>
        <source>--%1 is needed (see kvx-cli help %2)</source>
        <translation>--%1 is needed (see kvx-cli help %2)</translation>
    </message>
    <message>
        <source>--port: %1 takes one port</source>
        <translation>--port: %1 takes one port</translation>
    </message>
    <message>
        <source>--timeout %1: allowed: a number of milliseconds above 0</source>
        <translation>--timeout %1: allowed: a number of milliseconds above 0</translation>
    </message>
    <message>
        <source>--reservation-timeout %1: allowed: a number of seconds above 0</source>
        <translation>--reservation-timeout %1: allowed: a number of seconds above 0</translation>
    </message>
    <message>
        <source>--%1 %2: must be a whole number 0 … %3</source>
        <translation>--%1 %2: must be a whole number 0 … %3</translation>
    </message>
    <message>
        <source>--profile %1: %2</source>
        <translation>--profile %1: %2</translation>
    </message>
    <message>
        <source>--log %1: cannot be written: %2</source>
        <translation>--log %1: cannot be written: %2</translation>
    </message>
    <message>
        <source>--%1 is needed (allowed: %2)</source>
        <translation>--%1 is needed (allowed: %2)</translation>
    </message>
    <message>
        <source>--%1 %2: allowed: %3</source>
        <translation>--%1 %2: allowed: %3</translation>
    </message>
    <message>
        <source>--%1 %2: the profile is for %3</source>
        <translation>--%1 %2: the profile is for %3</translation>
    </message>
    <message>
        <source>--%1 %2: not a value of %3 %4; allowed: %5</source>
        <translation>--%1 %2: not a value of %3 %4; allowed: %5</translation>
    </message>
    <message>
        <source>--repeater is written only with the master work mode (S141 goes out after the Master preset alone): add --work-mode master</source>
        <translation>--repeater is written only with the master work mode (S141 goes out after the Master preset alone): add --work-mode master</translation>
    </message>
    <message>
        <source>no serial ports; devices the system does not list as serial ports (pseudo-terminals, the simulator&apos;s link) are added by naming their paths in KVX_EXTRA_PORTS</source>
        <translation>no serial ports; devices the system does not list as serial ports (pseudo-terminals, the simulator&apos;s link) are added by naming their paths in KVX_EXTRA_PORTS</translation>
    </message>
    <message>
        <source>--port is needed (one for each unit), or --watch</source>
        <translation>--port is needed (one for each unit), or --watch</translation>
    </message>
    <message>
        <source>--match goes with --watch</source>
        <translation>--match goes with --watch</translation>
    </message>
    <message>
        <source>--port is needed (see kvx-cli help %1)</source>
        <translation>--port is needed (see kvx-cli help %1)</translation>
    </message>
    <message>
        <source>--port %1 is given twice: one unit, one port</source>
        <translation>--port %1 is given twice: one unit, one port</translation>
    </message>
    <message>
        <source>watching for serial ports that appear%1; Ctrl-C stops</source>
        <translation>watching for serial ports that appear%1; Ctrl-C stops</translation>
    </message>
    <message>
        <source>ports there now, left alone: %1</source>
        <translation>ports there now, left alone: %1</translation>
    </message>
    <message>
        <source>note: %1 names no device the system lists as a serial port; a pseudo-terminal or a simulator&apos;s link is seen only when KVX_EXTRA_PORTS names its path</source>
        <translation>note: %1 names no device the system lists as a serial port; a pseudo-terminal or a simulator&apos;s link is seen only when KVX_EXTRA_PORTS names its path</translation>
    </message>
    <message>
        <source>%1 appeared: left alone, it does not match %2</source>
        <translation>%1 appeared: left alone, it does not match %2</translation>
    </message>
    <message>
        <source>--product %1: only kv6 (KV6 - KV7) units have a pass-through baud rate</source>
        <translation>--product %1: only kv6 (KV6 - KV7) units have a pass-through baud rate</translation>
    </message>
    <message>
        <source>--set %1: allowed: %2</source>
        <translation>--set %1: allowed: %2</translation>
    </message>
    <message>
        <source>record %1 takes one CSV file</source>
        <translation>record %1 takes one CSV file</translation>
    </message>
    <message>
        <source>record %1 takes no file</source>
        <translation>record %1 takes no file</translation>
    </message>
    <message numerus="yes">
        <source>no conflicts in %n row(s)</source>
        <translation>
            <numerusform>no conflicts in %n row</numerusform>
            <numerusform>no conflicts in %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>--record: import goes into a database record (.kvxdb or postgresql://)</source>
        <translation>--record: import goes into a database record (.kvxdb or postgresql://)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) imported into %1</source>
        <translation>
            <numerusform>%n row imported into %1</numerusform>
            <numerusform>%n rows imported into %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped (held already)</source>
        <translation>
            <numerusform>, %n skipped (held already)</numerusform>
            <numerusform>, %n skipped (held already)</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing held unit address %1 on network address %2 for an unfinished unit (a unit recorded as verified or written is taken over with write --replace)</source>
        <translation>nothing held unit address %1 on network address %2 for an unfinished unit (a unit recorded as verified or written is taken over with write --replace)</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>station %1</translation>
    </message>
    <message>
        <source> (operator %1)</source>
        <translation> (operator %1)</translation>
    </message>
    <message>
        <source>released unit address %1 on network address %2: %3 by %4 at %5</source>
        <translation>released unit address %1 on network address %2: %3 by %4 at %5</translation>
    </message>
    <message>
        <source>--record-wait %1: allowed: a number of seconds, 0 or more</source>
        <translation>--record-wait %1: allowed: a number of seconds, 0 or more</translation>
    </message>
    <message>
        <source>%1 row(s) wait for the shared record %2; waiting up to %3 s</source>
        <translation>%1 row(s) wait for the shared record %2; waiting up to %3 s</translation>
    </message>
    <message>
        <source>%1 row(s) still wait for the shared record %2: they are kept on this computer and forwarded by the next run or by kvx-cli record sync --record %2</source>
        <translation>%1 row(s) still wait for the shared record %2: they are kept on this computer and forwarded by the next run or by kvx-cli record sync --record %2</translation>
    </message>
    <message>
        <source>kvx-print, which draws labels and reports, is not installed beside kvx-cli</source>
        <translation>kvx-print, which draws labels and reports, is not installed beside kvx-cli</translation>
    </message>
    <message>
        <source>%1 %2: no code after the port</source>
        <translation>%1 %2: no code after the port</translation>
    </message>
    <message>
        <source>%1: port %2 is given two codes</source>
        <translation>%1: port %2 is given two codes</translation>
    </message>
    <message>
        <source>--serial: %1 codes for %2 ports without one (give PORT=CODE)</source>
        <translation>--serial: %1 codes for %2 ports without one (give PORT=CODE)</translation>
    </message>
    <message>
        <source>--serial %1=%2: %1 is not a --port given</source>
        <translation>--serial %1=%2: %1 is not a --port given</translation>
    </message>
    <message>
        <source>code %1: for the next unit plugged in</source>
        <translation>code %1: for the next unit plugged in</translation>
    </message>
    <message>
        <source>%1: sent %2</source>
        <translation>%1: sent %2</translation>
    </message>
    <message>
        <source>--port %1 and --port %2 are one device (%3), given twice: one unit, one port</source>
        <translation>--port %1 and --port %2 are one device (%3), given twice: one unit, one port</translation>
    </message>
    <message>
        <source>--unit-start: give a number or auto</source>
        <translation>--unit-start: give a number or auto</translation>
    </message>
    <message>
        <source>--unit-start: %1</source>
        <translation>--unit-start: %1</translation>
    </message>
    <message>
        <source>--record %1: only a database record takes rows kept for it</source>
        <translation>--record %1: only a database record takes rows kept for it</translation>
    </message>
    <message>
        <source>a row the shared record refuses (%1) is set aside in %2</source>
        <translation>a row the shared record refuses (%1) is set aside in %2</translation>
    </message>
    <message>
        <source>--record-timeout %1: allowed: 1 … 600 seconds</source>
        <translation>--record-timeout %1: allowed: 1 … 600 seconds</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) the shared record refused are set aside in %1</source>
        <translation>
            <numerusform>%n row the shared record refused is set aside in %1</numerusform>
            <numerusform>%n rows the shared record refused are set aside in %1</numerusform>
        </translation>
    </message>
    <message>
        <source>serve takes no file</source>
        <translation>serve takes no file</translation>
    </message>
    <message>
        <source>--record %1: serve reads a database record (a SQLite file or postgresql://…); a CSV journal goes into one with kvx-cli record import</source>
        <translation>--record %1: serve reads a database record (a SQLite file or postgresql://…); a CSV journal goes into one with kvx-cli record import</translation>
    </message>
    <message>
        <source>--listen %1: an address other computers reach needs --token-file FILE</source>
        <translation>--listen %1: an address other computers reach needs --token-file FILE</translation>
    </message>
    <message>
        <source>the record did not answer within %1 s</source>
        <translation>the record did not answer within %1 s</translation>
    </message>
    <message>
        <source>serving %1 at %2, read-only (Ctrl-C ends)</source>
        <translation>serving %1 at %2, read-only (Ctrl-C ends)</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot; (commands: %2; see kvx-cli --help)</source>
        <translation>no command &quot;%1&quot; (commands: %2; see kvx-cli --help)</translation>
    </message>
    <message>
        <source>%1: no such option (see %2)</source>
        <translation>%1: no such option (see %2)</translation>
    </message>
    <message>
        <source>%1 needs a value (see %2)</source>
        <translation>%1 needs a value (see %2)</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1 (see %2)</translation>
    </message>
    <message>
        <source>%1 (see kvx-cli help %2)</source>
        <translation>%1 (see kvx-cli help %2)</translation>
    </message>
    <message>
        <source>%1: unit code %2 is given twice: one code, one unit</source>
        <translation>%1: unit code %2 is given twice: one code, one unit</translation>
    </message>
    <message>
        <source>--serials %1, line %2</source>
        <translation>--serials %1, line %2</translation>
    </message>
    <message>
        <source>the record did not say within %1 s whether it holds the unit codes given; nothing was sent</source>
        <translation>the record did not say within %1 s whether it holds the unit codes given; nothing was sent</translation>
    </message>
    <message>
        <source>the record&apos;s units cannot be read to check the unit codes: %1; nothing was sent</source>
        <translation>the record&apos;s units cannot be read to check the unit codes: %1; nothing was sent</translation>
    </message>
    <message>
        <source>%1; write it to this unit too with --replace</source>
        <translation>%1; write it to this unit too with --replace</translation>
    </message>
    <message>
        <source>unit code %1 is given twice: one code, one unit</source>
        <translation>unit code %1 is given twice: one code, one unit</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refused: %1</translation>
    </message>
    <message>
        <source>refused: code %1: the record&apos;s units cannot be read: %2</source>
        <translation>refused: code %1: the record&apos;s units cannot be read: %2</translation>
    </message>
    <message>
        <source>refused: %1 (--replace writes it to a unit again)</source>
        <translation>refused: %1 (--replace writes it to a unit again)</translation>
    </message>
    <message>
        <source>work mode %1</source>
        <translation>work mode %1</translation>
    </message>
    <message>
        <source>baud %1</source>
        <translation>baud %1</translation>
    </message>
    <message>
        <source>link rate %1</source>
        <translation>link rate %1</translation>
    </message>
    <message>
        <source>power %1</source>
        <translation>power %1</translation>
    </message>
    <message>
        <source>repeater %1</source>
        <translation>repeater %1</translation>
    </message>
    <message>
        <source>network address %1</source>
        <translation>network address %1</translation>
    </message>
    <message>
        <source>unit address %1</source>
        <translation>unit address %1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> [code %1]</source>
        <translation> [code %1]</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n unit(s) match the profile</source>
        <translation>
            <numerusform>%1 of %n unit matches the profile</numerusform>
            <numerusform>%1 of %n units match the profile</numerusform>
        </translation>
    </message>
    <message>
        <source> (stopped)</source>
        <translation> (stopped)</translation>
    </message>
    <message>
        <source> (network address %1, unit address %2)</source>
        <translation> (network address %1, unit address %2)</translation>
    </message>
    <message>
        <source> (network address %1)</source>
        <translation> (network address %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n unit(s) verified on network address %2</source>
        <translation>
            <numerusform>%1 of %n unit verified on network address %2</numerusform>
            <numerusform>%1 of %n units verified on network address %2</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: pass-through baud rate %2</source>
        <translation>%1: pass-through baud rate %2</translation>
    </message>
    <message>
        <source>trying %1 at %2 baud</source>
        <translation>trying %1 at %2 baud</translation>
    </message>
    <message>
        <source>%1: %2 answered at %3 baud</source>
        <translation>%1: %2 answered at %3 baud</translation>
    </message>
    <message>
        <source>(superseded)</source>
        <translation>(superseded)</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>code %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) forwarded to %1</source>
        <translation>
            <numerusform>%n row forwarded to %1</numerusform>
            <numerusform>%n rows forwarded to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n still waiting</source>
        <translation>
            <numerusform>; %n still waiting</numerusform>
            <numerusform>; %n still waiting</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>serial port, e.g. /dev/ttyUSB0 (kvx-cli ports lists them)</source>
        <translation>serial port, e.g. /dev/ttyUSB0 (kvx-cli ports lists them)</translation>
    </message>
    <message>
        <source>KV5 (9600 baud) or KV6 - KV7 (115200 baud)</source>
        <translation>KV5 (9600 baud) or KV6 - KV7 (115200 baud)</translation>
    </message>
    <message>
        <source>tarn, brae-loch, skerry or half-fjord</source>
        <translation>tarn, brae-loch, skerry or half-fjord</translation>
    </message>
    <message>
        <source>point to point or point to multipoint</source>
        <translation>point to point or point to multipoint</translation>
    </message>
    <message>
        <source>how long to wait for the settings report (default 3000)</source>
        <translation>how long to wait for the settings report (default 3000)</translation>
    </message>
    <message>
        <source>print JSON instead of text</source>
        <translation>print JSON instead of text</translation>
    </message>
    <message>
        <source>quick pauses: each pause ends as soon as the unit has answered what it follows (never later than its time; the same lines go out); the record says &quot;quick&quot;</source>
        <translation>quick pauses: each pause ends as soon as the unit has answered what it follows (never later than its time; the same lines go out); the record says &quot;quick&quot;</translation>
    </message>
    <message>
        <source>no progress on stderr; results and failures only</source>
        <translation>no progress on stderr; results and failures only</translation>
    </message>
    <message>
        <source>append one CSV row per unit (created before any port is opened)</source>
        <translation>append one CSV row per unit (created before any port is opened)</translation>
    </message>
    <message>
        <source>a database record shared by stations: FILE.kvxdb (SQLite) or postgresql://user@host/dbname (password from ~/.pgpass)</source>
        <translation>a database record shared by stations: FILE.kvxdb (SQLite) or postgresql://user@host/dbname (password from ~/.pgpass)</translation>
    </message>
    <message>
        <source>this station in the record (default: the host name)</source>
        <translation>this station in the record (default: the host name)</translation>
    </message>
    <message>
        <source>the operator in the record (default: the login name)</source>
        <translation>the operator in the record (default: the login name)</translation>
    </message>
    <message>
        <source>the unit&apos;s own serial or label code (as scanned; 1 to 64 printable characters), kept in its record rows</source>
        <translation>the unit&apos;s own serial or label code (as scanned; 1 to 64 printable characters), kept in its record rows</translation>
    </message>
    <message>
        <source>a unit&apos;s own serial or label code, by its port (repeat for every unit); with one --port, --serial CODE</source>
        <translation>a unit&apos;s own serial or label code, by its port (repeat for every unit); with one --port, --serial CODE</translation>
    </message>
    <message>
        <source>the units&apos; codes, one a line: PORT=CODE, or a CODE alone for the next unit that starts with no code (in the file&apos;s order)</source>
        <translation>the units&apos; codes, one a line: PORT=CODE, or a CODE alone for the next unit that starts with no code (in the file&apos;s order)</translation>
    </message>
    <message>
        <source>how long to wait at the end for rows kept here to reach the --record database (default 10); rows still waiting make exit status 9</source>
        <translation>how long to wait at the end for rows kept here to reach the --record database (default 10); rows still waiting make exit status 9</translation>
    </message>
    <message>
        <source>a unit address reserved by a unit that never ended is free again after this long (default 600)</source>
        <translation>a unit address reserved by a unit that never ended is free again after this long (default 600)</translation>
    </message>
    <message>
        <source>how long a unit waits for the record before its first line (default 3); a record that does not answer by then fails the unit before anything is sent (exit 7)</source>
        <translation>how long a unit waits for the record before its first line (default 3); a record that does not answer by then fails the unit before anything is sent (exit 7)</translation>
    </message>
    <message>
        <source>list the serial ports that can be opened</source>
        <translation>list the serial ports that can be opened</translation>
    </message>
    <message>
        <source>Lists the serial ports that can be opened (their paths), and the paths of KVX_EXTRA_PORTS that exist.</source>
        <translation>Lists the serial ports that can be opened (their paths), and the paths of KVX_EXTRA_PORTS that exist.</translation>
    </message>
    <message>
        <source>open, read the settings report, close</source>
        <translation>open, read the settings report, close</translation>
    </message>
    <message>
        <source>Opens the port, reads the unit&apos;s settings report, closes the link. Prints one &quot;key: value&quot; line per setting: the keys stay the same in every language, the values follow it; --json is the form for scripts.</source>
        <translation>Opens the port, reads the unit&apos;s settings report, closes the link. Prints one &quot;key: value&quot; line per setting: the keys stay the same in every language, the values follow it; --json is the form for scripts.</translation>
    </message>
    <message>
        <source>link mode (default p2p; p2mp also shows the unit address)</source>
        <translation>link mode (default p2p; p2mp also shows the unit address)</translation>
    </message>
    <message>
        <source>open, read, write (settings not given keep the unit&apos;s values), verify, close</source>
        <translation>open, read, write (settings not given keep the unit&apos;s values), verify, close</translation>
    </message>
    <message>
        <source>Opens the port, reads the unit, writes its settings with the changes given (a setting not given keeps the unit&apos;s value), stores them (AT&amp;W), reads the unit back and compares, closes the link. The mode is needed (here or in the profile): it chooses the preset family.</source>
        <translation>Opens the port, reads the unit, writes its settings with the changes given (a setting not given keeps the unit&apos;s value), stores them (AT&amp;W), reads the unit back and compares, closes the link. The mode is needed (here or in the profile): it chooses the preset family.</translation>
    </message>
    <message>
        <source>settings from a profile file (kvx-cli read --json output is one)</source>
        <translation>settings from a profile file (kvx-cli read --json output is one)</translation>
    </message>
    <message>
        <source>master, repeater or slave (as the module offers)</source>
        <translation>master, repeater or slave (as the module offers)</translation>
    </message>
    <message>
        <source>serial baud rate of the unit&apos;s data port</source>
        <translation>serial baud rate of the unit&apos;s data port</translation>
    </message>
    <message>
        <source>wireless link rate</source>
        <translation>wireless link rate</translation>
    </message>
    <message>
        <source>output power, e.g. 1000mW</source>
        <translation>output power, e.g. 1000mW</translation>
    </message>
    <message>
        <source>repeater enable; written with the master work mode only</source>
        <translation>repeater enable; written with the master work mode only</translation>
    </message>
    <message>
        <source>network address, 0 ... 4294967295 (32 bits), or a random one</source>
        <translation>network address, 0 ... 4294967295 (32 bits), or a random one</translation>
    </message>
    <message>
        <source>unit address (point to multipoint only)</source>
        <translation>unit address (point to multipoint only)</translation>
    </message>
    <message>
        <source>do not read the unit back after storing</source>
        <translation>do not read the unit back after storing</translation>
    </message>
    <message>
        <source>a unit address (with --record) or a unit code the record holds for an earlier unit is taken over by this one</source>
        <translation>a unit address (with --record) or a unit code the record holds for an earlier unit is taken over by this one</translation>
    </message>
    <message>
        <source>write a profile into every --port at the same time, or into each unit plugged in</source>
        <translation>write a profile into every --port at the same time, or into each unit plugged in</translation>
    </message>
    <message>
        <source>Writes a profile into every --port at the same time and checks each unit. In point to multipoint the units get unit addresses N, N+1, ... in port order; without a network address in the profile one random address is drawn for the batch. Each unit&apos;s result line (and record row) comes the moment it ends. Ctrl-C stops every unit at a safe point.</source>
        <translation>Writes a profile into every --port at the same time and checks each unit. In point to multipoint the units get unit addresses N, N+1, ... in port order; without a network address in the profile one random address is drawn for the batch. Each unit&apos;s result line (and record row) comes the moment it ends. Ctrl-C stops every unit at a safe point.</translation>
    </message>
    <message>
        <source>the batch&apos;s product, module, mode and settings</source>
        <translation>the batch&apos;s product, module, mode and settings</translation>
    </message>
    <message>
        <source>a unit&apos;s port; repeat for every unit (each port once)</source>
        <translation>a unit&apos;s port; repeat for every unit (each port once)</translation>
    </message>
    <message>
        <source>when the profile does not name the mode</source>
        <translation>when the profile does not name the mode</translation>
    </message>
    <message>
        <source>assembly line: provision each serial port that appears (after about 1 s to settle), with the next unit address, until Ctrl-C; ports there at the start are left alone</source>
        <translation>assembly line: provision each serial port that appears (after about 1 s to settle), with the next unit address, until Ctrl-C; ports there at the start are left alone</translation>
    </message>
    <message>
        <source>with --watch: only ports whose path matches, e.g. &apos;/dev/ttyUSB*&apos;; a path the system does not list as a serial port is seen only when KVX_EXTRA_PORTS names it</source>
        <translation>with --watch: only ports whose path matches, e.g. &apos;/dev/ttyUSB*&apos;; a path the system does not list as a serial port is seen only when KVX_EXTRA_PORTS names it</translation>
    </message>
    <message>
        <source>first unit address (point to multipoint; else the profile&apos;s, else 1); auto: each unit takes the next free one of its network from the --record database</source>
        <translation>first unit address (point to multipoint; else the profile&apos;s, else 1); auto: each unit takes the next free one of its network from the --record database</translation>
    </message>
    <message>
        <source>a unit code the record holds for an earlier unit is taken over by the unit given it here</source>
        <translation>a unit code the record holds for an earlier unit is taken over by the unit given it here</translation>
    </message>
    <message>
        <source>show or --set the pass-through baud rate of a KV6 - KV7 unit</source>
        <translation>show or --set the pass-through baud rate of a KV6 - KV7 unit</translation>
    </message>
    <message>
        <source>Shows, or sets, the pass-through baud rate of a KV6 - KV7 unit (KV5 units have none).</source>
        <translation>Shows, or sets, the pass-through baud rate of a KV6 - KV7 unit (KV5 units have none).</translation>
    </message>
    <message>
        <source>the product (only kv6 has a pass-through rate)</source>
        <translation>the product (only kv6 has a pass-through rate)</translation>
    </message>
    <message>
        <source>19200, 38400, 56000, 57600, 115200 or 230400</source>
        <translation>19200, 38400, 56000, 57600, 115200 or 230400</translation>
    </message>
    <message>
        <source>read each unit and compare it with a profile, writing nothing</source>
        <translation>read each unit and compare it with a profile, writing nothing</translation>
    </message>
    <message>
        <source>Reads every --port at the same time (with --watch, each port that appears) and compares every setting the profile names with what the unit reports; a setting the profile leaves out is not compared (a profile from kvx-cli read --json names the unit address: leave it out to check many units). Only a read goes on the line: a KV6 - KV7&apos;s link frames and AT&amp;V, never a preset, an ATS line or AT&amp;W. Each unit&apos;s line says &quot;matches&quot; or what differs (&quot;differs: link rate 115200, the profile says 230400&quot;); the record keeps one row per unit, matches or differs, with no unit address. Exit status 8 when a unit differs and every unit was read.</source>
        <translation>Reads every --port at the same time (with --watch, each port that appears) and compares every setting the profile names with what the unit reports; a setting the profile leaves out is not compared (a profile from kvx-cli read --json names the unit address: leave it out to check many units). Only a read goes on the line: a KV6 - KV7&apos;s link frames and AT&amp;V, never a preset, an ATS line or AT&amp;W. Each unit&apos;s line says &quot;matches&quot; or what differs (&quot;differs: link rate 115200, the profile says 230400&quot;); the record keeps one row per unit, matches or differs, with no unit address. Exit status 8 when a unit differs and every unit was read.</translation>
    </message>
    <message>
        <source>the settings to compare, and the product, module and mode</source>
        <translation>the settings to compare, and the product, module and mode</translation>
    </message>
    <message>
        <source>check each serial port that appears (after about 1 s to settle), until Ctrl-C</source>
        <translation>check each serial port that appears (after about 1 s to settle), until Ctrl-C</translation>
    </message>
    <message>
        <source>with --watch: only ports whose path matches, e.g. &apos;/dev/ttyUSB*&apos;</source>
        <translation>with --watch: only ports whose path matches, e.g. &apos;/dev/ttyUSB*&apos;</translation>
    </message>
    <message>
        <source>say which product answers on a port, with which settings and modules</source>
        <translation>say which product answers on a port, with which settings and modules</translation>
    </message>
    <message>
        <source>Tries a KV5 at 9600 baud (AT&amp;V), then a KV6 - KV7 at 115200 baud (link-open frame, then the read), closing each link properly; prints which product answered, its settings, and which modules&apos; lists hold every value it reported (e.g. &quot;Tarn or Skerry&quot;). Exit status 3 when nothing answers.</source>
        <translation>Tries a KV5 at 9600 baud (AT&amp;V), then a KV6 - KV7 at 115200 baud (link-open frame, then the read), closing each link properly; prints which product answered, its settings, and which modules&apos; lists hold every value it reported (e.g. &quot;Tarn or Skerry&quot;). Exit status 3 when nothing answers.</translation>
    </message>
    <message>
        <source>how long each try waits for the settings report (default 700)</source>
        <translation>how long each try waits for the settings report (default 700)</translation>
    </message>
    <message>
        <source>a label for verified units of the record: PDF (62x29 mm, 50x25 mm, A4 sheets) or a printer</source>
        <translation>a label for verified units of the record: PDF (62x29 mm, 50x25 mm, A4 sheets) or a printer</translation>
    </message>
    <message>
        <source>Draws a label for each unit chosen from the record (verified units only): the last one with the code, every unit of a network (the last row of each unit address) or the one of --unit, or every one of a time range. A label names product, module, mode, network and unit address, the unit&apos;s code, the date and the station, and carries the same as one line of text in a QR code, its fields joined by semicolons (&quot;KVX;product=KV5;module=Tarn;mode=p2mp;&quot; and so on: network, unit, code, date and station; a backslash, semicolon or equals sign inside a value is written with a backslash before it). A label whose QR code or code text cannot be drawn fails the command. Drawn by the helper kvx-print (Qt Gui), without a display too.</source>
        <translation>Draws a label for each unit chosen from the record (verified units only): the last one with the code, every unit of a network (the last row of each unit address) or the one of --unit, or every one of a time range. A label names product, module, mode, network and unit address, the unit&apos;s code, the date and the station, and carries the same as one line of text in a QR code, its fields joined by semicolons (&quot;KVX;product=KV5;module=Tarn;mode=p2mp;&quot; and so on: network, unit, code, date and station; a backslash, semicolon or equals sign inside a value is written with a backslash before it). A label whose QR code or code text cannot be drawn fails the command. Drawn by the helper kvx-print (Qt Gui), without a display too.</translation>
    </message>
    <message>
        <source>the unit with this code</source>
        <translation>the unit with this code</translation>
    </message>
    <message>
        <source>every verified unit of this network address</source>
        <translation>every verified unit of this network address</translation>
    </message>
    <message>
        <source>with --network: only the unit with this unit address</source>
        <translation>with --network: only the unit with this unit address</translation>
    </message>
    <message>
        <source>every verified unit from this date or time (2026-12-08, 2026-12-08T14:00)</source>
        <translation>every verified unit from this date or time (2026-12-08, 2026-12-08T14:00)</translation>
    </message>
    <message>
        <source>with --from: until this date or time (default now)</source>
        <translation>with --from: until this date or time (default now)</translation>
    </message>
    <message>
        <source>62x29 (default), 50x25, or a4: sheets of 3 x 8 labels of 70 x 37 mm</source>
        <translation>62x29 (default), 50x25, or a4: sheets of 3 x 8 labels of 70 x 37 mm</translation>
    </message>
    <message>
        <source>write the labels into a PDF file</source>
        <translation>write the labels into a PDF file</translation>
    </message>
    <message>
        <source>print them on this printer (&apos;default&apos;: the system&apos;s default printer)</source>
        <translation>print them on this printer (&apos;default&apos;: the system&apos;s default printer)</translation>
    </message>
    <message>
        <source>the line at a glance, live: a read-only web page and JSON API from the record</source>
        <translation>the line at a glance, live: a read-only web page and JSON API from the record</translation>
    </message>
    <message>
        <source>Serves the record (a database file or the shared PostgreSQL record) to browsers and scripts, read-only: the page / shows each station with its operator, last unit and its outcome, units verified today and the yield, rows waiting for the shared record, units per hour, failures by cause and the last 20 units, each linking to its history, in Chinese or English as the browser asks, updated live within a second of each row (over a WebSocket; without script, on reload). The API: /api/summary, /api/stations and /api/units (since=TIME, network=N, unit=U, serial=CODE, limit=N, cursor=C: paged, one object per unit under the record&apos;s own column names). Listens on 127.0.0.1:8470 unless --listen says otherwise; any address but the loopback needs --token-file. Nothing is ever written to the record. Runs until SIGINT or SIGTERM.</source>
        <translation>Serves the record (a database file or the shared PostgreSQL record) to browsers and scripts, read-only: the page / shows each station with its operator, last unit and its outcome, units verified today and the yield, rows waiting for the shared record, units per hour, failures by cause and the last 20 units, each linking to its history, in Chinese or English as the browser asks, updated live within a second of each row (over a WebSocket; without script, on reload). The API: /api/summary, /api/stations and /api/units (since=TIME, network=N, unit=U, serial=CODE, limit=N, cursor=C: paged, one object per unit under the record's own column names). Listens on 127.0.0.1:8470 unless --listen says otherwise; any address but the loopback needs --token-file. Nothing is ever written to the record. Runs until SIGINT or SIGTERM.</translation>
    </message>
    <message>
        <source>where to answer (default 127.0.0.1:8470; 0.0.0.0:8470 for every address, which needs --token-file)</source>
        <translation>where to answer (default 127.0.0.1:8470; 0.0.0.0:8470 for every address, which needs --token-file)</translation>
    </message>
    <message>
        <source>a bearer token (its first line, 16 to 256 characters) other computers show: Authorization: Bearer TOKEN, or once in the browser as /?token=TOKEN</source>
        <translation>a bearer token (its first line, 16 to 256 characters) other computers show: Authorization: Bearer TOKEN, or once in the browser as /?token=TOKEN</translation>
    </message>
    <message>
        <source>list, check, import, export, release, sync or report the provisioning record</source>
        <translation>list, check, import, export, release, sync or report the provisioning record</translation>
    </message>
    <message>
        <source>The record must exist (nothing is created by reading it). Each subcommand takes the options listed with it.</source>
        <translation>The record must exist (nothing is created by reading it). Each subcommand takes the options listed with it.</translation>
    </message>
    <message>
        <source>only this network address (list, check, export); the address to release</source>
        <translation>only this network address (list, check, export); the address to release</translation>
    </message>
    <message>
        <source>release: the unit address to give back</source>
        <translation>release: the unit address to give back</translation>
    </message>
    <message>
        <source>list, export: only the rows of the unit with this code (its whole history)</source>
        <translation>list, export: only the rows of the unit with this code (its whole history)</translation>
    </message>
    <message>
        <source>report: this day (default today)</source>
        <translation>report: this day (default today)</translation>
    </message>
    <message>
        <source>report: from this date or time</source>
        <translation>report: from this date or time</translation>
    </message>
    <message>
        <source>report: until this date or time</source>
        <translation>report: until this date or time</translation>
    </message>
    <message>
        <source>report: the HTML page</source>
        <translation>report: the HTML page</translation>
    </message>
    <message>
        <source>report: the PDF</source>
        <translation>report: the PDF</translation>
    </message>
    <message>
        <source>export: CSV, the one format it writes (may be left out)</source>
        <translation>export: CSV, the one format it writes (may be left out)</translation>
    </message>
    <message>
        <source>every attempt, its last row (time, station, port, unit, settings, result)</source>
        <translation>every attempt, its last row (time, station, port, unit, settings, result)</translation>
    </message>
    <message>
        <source>units of one network that cannot link (differing link rate or link mode), unit addresses held twice, units never verified, units stored whose result never came (pending), reservations that ended with no result, a unit code configured with two addresses and two codes configured with one unit address, with station, operator and time; exit status 4 when anything is found</source>
        <translation>units of one network that cannot link (differing link rate or link mode), unit addresses held twice, units never verified, units stored whose result never came (pending), reservations that ended with no result, a unit code configured with two addresses and two codes configured with one unit address, with station, operator and time; exit status 4 when anything is found</translation>
    </message>
    <message>
        <source>FILE.csv: a CSV record (--log; a regular file of at most 64 MiB, UTF-8) into a database record, rows it holds already skipped</source>
        <translation>FILE.csv: a CSV record (--log; a regular file of at most 64 MiB, UTF-8) into a database record, rows it holds already skipped</translation>
    </message>
    <message>
        <source>the record as a CSV record on stdout, the columns of --log, with the byte order mark a spreadsheet needs to read it as UTF-8</source>
        <translation>the record as a CSV record on stdout, the columns of --log, with the byte order mark a spreadsheet needs to read it as UTF-8</translation>
    </message>
    <message>
        <source>--network N --unit U: gives back a unit address a station left holding (reserved, or stored with no result), saying whose it was</source>
        <translation>--network N --unit U: gives back a unit address a station left holding (reserved, or stored with no result), saying whose it was</translation>
    </message>
    <message>
        <source>--html FILE [--pdf FILE] [--day DATE | --from TIME [--to TIME]]: the day at a glance (today by default): units per hour, good units against attempts, failures by cause, by station and by operator, as a self-contained HTML page and a PDF, counted from the last row of each attempt</source>
        <translation>--html FILE [--pdf FILE] [--day DATE | --from TIME [--to TIME]]: the day at a glance (today by default): units per hour, good units against attempts, failures by cause, by station and by operator, as a self-contained HTML page and a PDF, counted from the last row of each attempt</translation>
    </message>
    <message>
        <source>forwards the rows that earlier runs on this computer kept for the database and could not forward (exit status 9 while some still wait)</source>
        <translation>forwards the rows that earlier runs on this computer kept for the database and could not forward (exit status 9 while some still wait)</translation>
    </message>
    <message>
        <source>record: give list, check, import FILE.csv, export, release, sync or report</source>
        <translation>record: give list, check, import FILE.csv, export, release, sync or report</translation>
    </message>
    <message>
        <source>every line and frame sent and received, with its time, on stderr (frames in hex too)</source>
        <translation>every line and frame sent and received, with its time, on stderr (frames in hex too)</translation>
    </message>
    <message>
        <source>Values by module:</source>
        <translation>Values by module:</translation>
    </message>
    <message>
        <source>work mode</source>
        <translation>work mode</translation>
    </message>
    <message>
        <source>link rate</source>
        <translation>link rate</translation>
    </message>
    <message>
        <source>power</source>
        <translation>power</translation>
    </message>
    <message>
        <source>every module</source>
        <translation>every module</translation>
    </message>
    <message>
        <source>baud</source>
        <translation>baud</translation>
    </message>
    <message>
        <source>Ports: the serial ports the system lists, plus the paths in the environment variable KVX_EXTRA_PORTS
(separated by &apos;%1&apos;), for devices it does not list as serial ports: pseudo-terminals, network bridges,
the simulator (kvx-modemsim --link /tmp/kvx-modem). For example:
  KVX_EXTRA_PORTS=/tmp/kvx-modem kvx-cli ports
</source>
        <translation>Ports: the serial ports the system lists, plus the paths in the environment variable KVX_EXTRA_PORTS
(separated by &apos;%1&apos;), for devices it does not list as serial ports: pseudo-terminals, network bridges,
the simulator (kvx-modemsim --link /tmp/kvx-modem). For example:
  KVX_EXTRA_PORTS=/tmp/kvx-modem kvx-cli ports
</translation>
    </message>
    <message>
        <source>Usage: kvx-cli COMMAND [OPTIONS]
Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.

Commands:
</source>
        <translation>Usage: kvx-cli COMMAND [OPTIONS]
Reads and writes the settings of KVX radio modems (KV5, KV6 - KV7) on serial ports.

Commands:
</translation>
    </message>
    <message>
        <source>a command&apos;s options and an example: kvx-cli help write (or kvx-cli write --help)</source>
        <translation>a command&apos;s options and an example: kvx-cli help write (or kvx-cli write --help)</translation>
    </message>
    <message>
        <source>Options of every command: -h, --help; --help-all (every command&apos;s help); -v, --version</source>
        <translation>Options of every command: -h, --help; --help-all (every command&apos;s help); -v, --version</translation>
    </message>
    <message>
        <source>Output: messages and the values in text output follow the language (LANG=zh_CN.UTF-8: Chinese);
the keys of &quot;key: value&quot; lines stay as they are in every language. --json is the stable form
for scripts: one JSON object per line, its keys and values the same in every language.
</source>
        <translation>Output: messages and the values in text output follow the language (LANG=zh_CN.UTF-8: Chinese);
the keys of &quot;key: value&quot; lines stay as they are in every language. --json is the stable form
for scripts: one JSON object per line, its keys and values the same in every language.
</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Usage: %1</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>takes %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>success (verified, when verifying)</source>
        <translation>success (verified, when verifying)</translation>
    </message>
    <message>
        <source>usage or an invalid value (a unit code too), or the record cannot be written: nothing sent</source>
        <translation>usage or an invalid value (a unit code too), or the record cannot be written: nothing sent</translation>
    </message>
    <message>
        <source>the port cannot be opened</source>
        <translation>the port cannot be opened</translation>
    </message>
    <message>
        <source>no settings report within the timeout (before the write, or for the check)</source>
        <translation>no settings report within the timeout (before the write, or for the check)</translation>
    </message>
    <message>
        <source>the check found differences (mismatch)</source>
        <translation>the check found differences (mismatch)</translation>
    </message>
    <message>
        <source>the port was lost</source>
        <translation>the port was lost</translation>
    </message>
    <message>
        <source>the modem refused a line (ERROR)</source>
        <translation>the modem refused a line (ERROR)</translation>
    </message>
    <message>
        <source>a unit&apos;s record row could not be written (or its unit address is in use)</source>
        <translation>a unit&apos;s record row could not be written (or its unit address is in use)</translation>
    </message>
    <message>
        <source>check: a unit differs from the profile (every unit was read)</source>
        <translation>check: a unit differs from the profile (every unit was read)</translation>
    </message>
    <message>
        <source>every unit ended as asked and is recorded here, but rows still wait for the shared record (the next run or kvx-cli record sync forwards them)</source>
        <translation>every unit ended as asked and is recorded here, but rows still wait for the shared record (the next run or kvx-cli record sync forwards them)</translation>
    </message>
    <message>
        <source>stopped by SIGINT (Ctrl-C), 143 by SIGTERM</source>
        <translation>stopped by SIGINT (Ctrl-C), 143 by SIGTERM</translation>
    </message>
    <message>
        <source>provision exits with the highest status of its units; check with the highest status of a unit it
could not read, else 8 when one differs. With --json a failure prints {&quot;error&quot;: ..., &quot;exitStatus&quot;: N}
on stdout where the command prints no JSON of its own.</source>
        <translation>provision exits with the highest status of its units; check with the highest status of a unit it
could not read, else 8 when one differs. With --json a failure prints {&quot;error&quot;: ..., &quot;exitStatus&quot;: N}
on stdout where the command prints no JSON of its own.</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Exit status:</translation>
    </message>
</context>
<context>
    <name>CliManual</name>
    <message>
        <source>User Commands</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>configure KVX serial radio modems from the command line</source>
        <translation>configure KVX serial radio modems from the command line</translation>
    </message>
    <message>
        <source>SYNOPSIS</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>DESCRIPTION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>kvx-cli reads and writes the settings of KVX radio modems (KV5 at 9600 baud, KV6 - KV7 at 115200
baud) on serial ports, one unit or a batch at a time, with the same lines and pauses as the window
kvx-config(1). Results go to stdout, progress and failures to stderr. Messages and the values of
text output follow the language; the keys of &quot;key: value&quot; lines stay the same in every language.
With --json stdout holds JSON, one object per line, the stable form for scripts.
</source>
        <translation>kvx-cli reads and writes the settings of KVX radio modems (KV5 at 9600 baud, KV6 - KV7 at 115200
baud) on serial ports, one unit or a batch at a time, with the same lines and pauses as the window
kvx-config(1). Results go to stdout, progress and failures to stderr. Messages and the values of
text output follow the language; the keys of &quot;key: value&quot; lines stay the same in every language.
With --json stdout holds JSON, one object per line, the stable form for scripts.
</translation>
    </message>
    <message>
        <source>COMMANDS</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>Values each module offers: see VALUES.</source>
        <translation>Values each module offers: see VALUES.</translation>
    </message>
    <message>
        <source>Example:</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>OPTIONS OF EVERY COMMAND</source>
        <translation>OPTIONS OF EVERY COMMAND</translation>
    </message>
    <message>
        <source>the command&apos;s help (kvx-cli help COMMAND is the same)</source>
        <translation>the command&apos;s help (kvx-cli help COMMAND is the same)</translation>
    </message>
    <message>
        <source>every command&apos;s help</source>
        <translation>every command&apos;s help</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>the version</translation>
    </message>
    <message>
        <source>VALUES</source>
        <translation>VALUES</translation>
    </message>
    <message>
        <source>PROFILE FORMAT</source>
        <translation>PROFILE FORMAT</translation>
    </message>
    <message>
        <source>A profile is a JSON file naming the product, the module, the mode and the settings it sets; a
setting it leaves out keeps the unit&apos;s value (write) or is not compared (check). The output of
kvx-cli read --json is a profile; the window saves and opens the same files.
</source>
        <translation>A profile is a JSON file naming the product, the module, the mode and the settings it sets; a
setting it leaves out keeps the unit&apos;s value (write) or is not compared (check). The output of
kvx-cli read --json is a profile; the window saves and opens the same files.
</translation>
    </message>
    <message>
        <source>Product kv5 or kv6, module and mode as for the options; work mode and power as the module&apos;s
captions or the words master, repeater, slave; rates and addresses as numbers. Unknown keys,
keys given twice and values the module does not have are refused with the key named.
</source>
        <translation>Product kv5 or kv6, module and mode as for the options; work mode and power as the module&apos;s
captions or the words master, repeater, slave; rates and addresses as numbers. Unknown keys,
keys given twice and values the module does not have are refused with the key named.
</translation>
    </message>
    <message>
        <source>RECORDS</source>
        <translation>RECORDS</translation>
    </message>
    <message>
        <source>Every unit written or checked can be recorded, one row the moment it ends; a record is only
ever appended to, and is checked writable before any port opens.
</source>
        <translation>Every unit written or checked can be recorded, one row the moment it ends; a record is only
ever appended to, and is checked writable before any port opens.
</translation>
    </message>
    <message>
        <source>a CSV journal. A new file begins with a UTF-8 byte order mark (so a spreadsheet reads Chinese
right) and its header; its times are UTC (the column time_utc) as 2026-12-08T09:15:02, which a
spreadsheet reads as a date and time. A file that exists is appended to as it is. Its columns:
</source>
        <translation>a CSV journal. A new file begins with a UTF-8 byte order mark (so a spreadsheet reads Chinese
right) and its header; its times are UTC (the column time_utc) as 2026-12-08T09:15:02, which a
spreadsheet reads as a date and time. A file that exists is appended to as it is. Its columns:
</translation>
    </message>
    <message>
        <source>an SQLite database record, shared by the stations that reach the file; its times are UTC as
2026-12-08T09:15:02Z.
</source>
        <translation>an SQLite database record, shared by the stations that reach the file; its times are UTC as
2026-12-08T09:15:02Z.
</translation>
    </message>
    <message>
        <source>a PostgreSQL database shared by every station, which hands out unit addresses atomically; its
times are of the type timestamptz. The password never goes into the name: the client library
reads it from ~/.pgpass (or the file PGPASSFILE names, or PGPASSWORD). A server on a Unix
socket: postgresql:///dbname?host=/run/postgresql.
</source>
        <translation>a PostgreSQL database shared by every station, which hands out unit addresses atomically; its
times are of the type timestamptz. The password never goes into the name: the client library
reads it from ~/.pgpass (or the file PGPASSFILE names, or PGPASSWORD). A server on a Unix
socket: postgresql:///dbname?host=/run/postgresql.
</translation>
    </message>
    <message>
        <source>Unit codes</source>
        <translation>Unit codes</translation>
    </message>
    <message>
        <source>A unit code (--serial, --serials, standard input with --watch) is 1 to 64 printable characters:
no control characters. A code given twice in one batch is refused before any port opens; a
code the record holds for another unit is refused unless --replace.
</source>
        <translation>A unit code (--serial, --serials, standard input with --watch) is 1 to 64 printable characters:
no control characters. A code given twice in one batch is refused before any port opens; a
code the record holds for another unit is refused unless --replace.
</translation>
    </message>
    <message>
        <source>EXIT STATUS</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>ENVIRONMENT</source>
        <translation>ENVIRONMENT</translation>
    </message>
    <message>
        <source>paths of further serial devices, separated by colons: pseudo-terminals, network bridges, the
simulator&apos;s link (kvx-modemsim --link /tmp/kvx-modem).
</source>
        <translation>paths of further serial devices, separated by colons: pseudo-terminals, network bridges, the
simulator&apos;s link (kvx-modemsim --link /tmp/kvx-modem).
</translation>
    </message>
    <message>
        <source>where the PostgreSQL client finds the password of a postgresql:// record (default ~/.pgpass).
</source>
        <translation>where the PostgreSQL client finds the password of a postgresql:// record (default ~/.pgpass).
</translation>
    </message>
    <message>
        <source>the language of the help and the messages: Chinese for zh_CN, English otherwise (the window&apos;s
catalogues).
</source>
        <translation>the language of the help and the messages: Chinese for zh_CN, English otherwise (the window&apos;s
catalogues).
</translation>
    </message>
    <message>
        <source>progress is redrawn in place only on a terminal that is not dumb; otherwise it comes as plain lines.
</source>
        <translation>progress is redrawn in place only on a terminal that is not dumb; otherwise it comes as plain lines.
</translation>
    </message>
    <message>
        <source>turns diagnostics on by category, e.g. kvx.*.debug=true (kvx.protocol, kvx.engine, kvx.wire).
</source>
        <translation>turns diagnostics on by category, e.g. kvx.*.debug=true (kvx.protocol, kvx.engine, kvx.wire).
</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>the catalogues, shared with the window.
</source>
        <translation>the catalogues, shared with the window.
</translation>
    </message>
    <message>
        <source>SEE ALSO</source>
        <translation>SEE ALSO</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>the text is not UTF-8</translation>
    </message>
    <message>
        <source>more than %1 fields: not a record row</source>
        <translation>more than %1 fields: not a record row</translation>
    </message>
    <message>
        <source>longer than any record row (more than %1 bytes)</source>
        <translation>longer than any record row (more than %1 bytes)</translation>
    </message>
    <message>
        <source>a quoted field is never closed</source>
        <translation>a quoted field is never closed</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>text after the closing quote of a field</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field (quote the whole field, doubling its quotes)</source>
        <translation>a quote inside an unquoted field (quote the whole field, doubling its quotes)</translation>
    </message>
</context>
<context>
    <name>DatabaseRecord</name>
    <message>
        <source>cannot connect to the record database: %1</source>
        <translation>cannot connect to the record database: %1</translation>
    </message>
    <message>
        <source> (the password is read from ~/.pgpass, PGPASSFILE or PGPASSWORD)</source>
        <translation> (the password is read from ~/.pgpass, PGPASSFILE or PGPASSWORD)</translation>
    </message>
    <message>
        <source>the record database stopped answering: %1</source>
        <translation>the record database stopped answering: %1</translation>
    </message>
    <message>
        <source>a password does not belong in the record&apos;s name: put it in ~/.pgpass (or PGPASSFILE)</source>
        <translation>a password does not belong in the record&apos;s name: put it in ~/.pgpass (or PGPASSFILE)</translation>
    </message>
    <message>
        <source>the record&apos;s name lacks the database: postgresql://user@host/dbname</source>
        <translation>the record&apos;s name lacks the database: postgresql://user@host/dbname</translation>
    </message>
    <message>
        <source>not a record file</source>
        <translation>not a record file</translation>
    </message>
    <message>
        <source>the record was made by a later version of the tool (schema %1; this one knows up to %2)</source>
        <translation>the record was made by a later version of the tool (schema %1; this one knows up to %2)</translation>
    </message>
    <message>
        <source>unit address %1 is already in use on network address %2</source>
        <translation>unit address %1 is already in use on network address %2</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>no such record</translation>
    </message>
    <message>
        <source>not a record database (%1)</source>
        <translation>not a record database (%1)</translation>
    </message>
    <message>
        <source>not a provisioning record (it holds no kvx_schema table)</source>
        <translation>not a provisioning record (it holds no kvx_schema table)</translation>
    </message>
    <message>
        <source>the record cannot be written: %1</source>
        <translation>the record cannot be written: %1</translation>
    </message>
    <message>
        <source>unit address %1 on network address %2 is being written by station %3 (operator %4) since %5</source>
        <translation>unit address %1 on network address %2 is being written by station %3 (operator %4) since %5</translation>
    </message>
    <message>
        <source>stopped: nothing was imported</source>
        <translation>stopped: nothing was imported</translation>
    </message>
    <message>
        <source>the record cannot be written: the file is read-only</source>
        <translation>the record cannot be written: the file is read-only</translation>
    </message>
    <message>
        <source>the record cannot be written: no space left on its disk (%1 KiB free)</source>
        <translation>the record cannot be written: no space left on its disk (%1 KiB free)</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver (QPSQL) is not installed: install the package libqt6sql6-psql</source>
        <translation>Qt&apos;s PostgreSQL driver (QPSQL) is not installed: install the package libqt6sql6-psql</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver (QSQLITE) is not installed: install the package libqt6sql6-sqlite</source>
        <translation>Qt&apos;s SQLite driver (QSQLITE) is not installed: install the package libqt6sql6-sqlite</translation>
    </message>
    <message>
        <source>the record database did not answer in time</source>
        <translation>the record database did not answer in time</translation>
    </message>
    <message>
        <source>the record is open for reading only</source>
        <translation>the record is open for reading only</translation>
    </message>
    <message>
        <source>the record is open for writing already</source>
        <translation>the record is open for writing already</translation>
    </message>
    <message>
        <source>SQLite cannot read the record without writing its -shm file beside it: let this user write the record&apos;s folder, or read it as the stations&apos; user</source>
        <translation>SQLite cannot read the record without writing its -shm file beside it: let this user write the record&apos;s folder, or read it as the stations&apos; user</translation>
    </message>
</context>
<context>
    <name>DayReport</name>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 good units of %2 attempts (%3 %)</source>
        <translation>%1 good units of %2 attempts (%3 %)</translation>
    </message>
    <message>
        <source>; %1 units checked against a profile</source>
        <translation>; %1 units checked against a profile</translation>
    </message>
    <message>
        <source>good / attempts</source>
        <translation>good / attempts</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>Units per hour</source>
        <translation>Units per hour</translation>
    </message>
    <message>
        <source>Hours in local time (%1)</source>
        <translation>Hours in local time (%1)</translation>
    </message>
    <message>
        <source>Failures by cause</source>
        <translation>Failures by cause</translation>
    </message>
    <message>
        <source>failures</source>
        <translation>failures</translation>
    </message>
    <message>
        <source>By station</source>
        <translation>By station</translation>
    </message>
    <message>
        <source>By operator</source>
        <translation>By operator</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>attempts</translation>
    </message>
    <message>
        <source>good units</source>
        <translation>good units</translation>
    </message>
    <message>
        <source>from %1 to %2 (%3)</source>
        <translation>from %1 to %2 (%3)</translation>
    </message>
</context>
<context>
    <name>FormCheck</name>
    <message>
        <source>%1 is empty: the unit did not report it. Read the unit again.</source>
        <translation>%1 is empty: the unit did not report it. Read the unit again.</translation>
    </message>
    <message>
        <source>%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?</source>
        <translation>%1 is empty: the unit reported %2, which %3 does not offer. Is the module right?</translation>
    </message>
    <message>
        <source>%1 is empty: the unit reported %2, which is not a choice of the list.</source>
        <translation>%1 is empty: the unit reported %2, which is not a choice of the list.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>Work mode</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Unit address</source>
        <translation>Unit address</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>Link rate</source>
        <translation>Link rate</translation>
    </message>
    <message>
        <source>Output power</source>
        <translation>Output power</translation>
    </message>
    <message>
        <source>%1 %2 is out of range (0 to %3).</source>
        <translation>%1 %2 is out of range (0 to %3).</translation>
    </message>
</context>
<context>
    <name>KvxPrint</name>
    <message>
        <source>--%1 %2: give a date (2026-12-08) or a time (2026-12-08T14:00)</source>
        <translation>--%1 %2: give a date (2026-12-08) or a time (2026-12-08T14:00)</translation>
    </message>
    <message>
        <source>--day %1: give a date, e.g. 2026-12-08</source>
        <translation>--day %1: give a date, e.g. 2026-12-08</translation>
    </message>
    <message>
        <source>--to must come after --from</source>
        <translation>--to must come after --from</translation>
    </message>
    <message>
        <source>--record is needed</source>
        <translation>--record is needed</translation>
    </message>
    <message>
        <source>name the units by one of --serial CODE, --network N [--unit U], or --from TIME [--to TIME]</source>
        <translation>name the units by one of --serial CODE, --network N [--unit U], or --from TIME [--to TIME]</translation>
    </message>
    <message>
        <source>--unit goes with --network</source>
        <translation>--unit goes with --network</translation>
    </message>
    <message>
        <source>--%1 %2: must be a whole number 0 … %3</source>
        <translation>--%1 %2: must be a whole number 0 … %3</translation>
    </message>
    <message>
        <source>--size %1: allowed: 62x29, 50x25, a4</source>
        <translation>--size %1: allowed: 62x29, 50x25, a4</translation>
    </message>
    <message>
        <source>give --pdf FILE or --printer NAME (default: the system&apos;s default)</source>
        <translation>give --pdf FILE or --printer NAME (default: the system&apos;s default)</translation>
    </message>
    <message>
        <source>the record holds no verified unit of that choice</source>
        <translation>the record holds no verified unit of that choice</translation>
    </message>
    <message>
        <source>no label was made: %1</source>
        <translation>no label was made: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n label(s) to the printer</source>
        <translation>
            <numerusform>%n label to the printer</numerusform>
            <numerusform>%n labels to the printer</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n label(s) to %1</source>
        <translation>
            <numerusform>%n label to %1</numerusform>
            <numerusform>%n labels to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>give --html FILE, --pdf FILE or both</source>
        <translation>give --html FILE, --pdf FILE or both</translation>
    </message>
    <message>
        <source>Units of %1</source>
        <translation>Units of %1</translation>
    </message>
    <message>
        <source>Units from %1 to %2</source>
        <translation>Units from %1 to %2</translation>
    </message>
    <message>
        <source>%1 good units of %2 attempts</source>
        <translation>%1 good units of %2 attempts</translation>
    </message>
    <message>
        <source>--%1: no such option (see %2)</source>
        <translation>--%1: no such option (see %2)</translation>
    </message>
    <message>
        <source>%1 (see %2)</source>
        <translation>%1 (see %2)</translation>
    </message>
    <message>
        <source>give label or report</source>
        <translation>give label or report</translation>
    </message>
</context>
<context>
    <name>LastUnitsDialog</name>
    <message>
        <source>Last units</source>
        <translation>Last units</translation>
    </message>
    <message>
        <source>The last units written at this station, the newest first. A verified unit&apos;s label (PDF) can be written again.</source>
        <translation>The last units written at this station, the newest first. A verified unit&apos;s label (PDF) can be written again.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Unit code</source>
        <translation>Unit code</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>Unit address</source>
        <translation>Unit address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Write the label again</source>
        <translation>Write the label again</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The label could not be written: %1</source>
        <translation>The label could not be written: %1</translation>
    </message>
    <message>
        <source>Label written to %1</source>
        <translation>Label written to %1</translation>
    </message>
</context>
<context>
    <name>LinkController</name>
    <message>
        <source>the unit has not reported its settings on this link; read it first</source>
        <translation>the unit has not reported its settings on this link; read it first</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>the device went away</translation>
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
        <translation>Unit address :</translation>
    </message>
    <message>
        <source>网络地址 :</source>
        <translation>Network address :</translation>
    </message>
    <message>
        <source>工作模式(FHM) :</source>
        <translation>Work mode(FHM) :</translation>
    </message>
    <message>
        <source>波特率 :</source>
        <translation>Baud rate :</translation>
    </message>
    <message>
        <source>无线链路速率(FHM) :</source>
        <translation>Link rate(FHM) :</translation>
    </message>
    <message>
        <source>输出功率 :</source>
        <translation>Output power :</translation>
    </message>
    <message>
        <source>中继使能 :</source>
        <translation>Repeater :</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Read  parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Read  parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Generate a random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Generate a random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Lock random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Lock random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Configuration parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Configuration parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>产品 : </source>
        <translation>Product : </translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Fjord Series - B9600 &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Half Fjord Series - B115200&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Fjord Series - B9600 &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Half Fjord Series - B115200&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>KV5</source>
        <translation>KV5</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Data mode baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt; font-weight:600; font-style:italic;&quot;&gt;Data mode baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>KV6 - KV7</source>
        <translation>KV6 - KV7</translation>
    </message>
    <message>
        <source>模组 : </source>
        <translation>Module : </translation>
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
        <translation>Mode : </translation>
    </message>
    <message>
        <source>点对点</source>
        <translation>Point to point</translation>
    </message>
    <message>
        <source>点对多点</source>
        <translation>Point to multipoint</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>透传波特率 :</source>
        <translation>Pass-through baud rate :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Transmission baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-family:&apos;Arial&apos;,&apos;Microsoft YaHei&apos;,&apos;微软雅黑&apos;,&apos;宋体&apos;,&apos;Malgun Gothic&apos;,&apos;Meiryo&apos;,&apos;sans-serif&apos;; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;&quot;&gt;Transmission baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>  Do not enter configuration mode in flight!
              Please confirm before you go on.</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>AT interface</source>
        <translation>AT interface</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>关于 KV5Tarn</source>
        <translation>About KV5Tarn</translation>
    </message>
    <message>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>English</translation>
    </message>
    <message>
        <source>DisConnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Main window</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>Could not open the port %1: %2</source>
        <translation>Could not open the port %1: %2</translation>
    </message>
    <message>
        <source>The device on %1 was lost.</source>
        <translation>The device on %1 was lost.</translation>
    </message>
    <message>
        <source>Save profile…</source>
        <translation>Save profile…</translation>
    </message>
    <message>
        <source>Load profile…</source>
        <translation>Load profile…</translation>
    </message>
    <message>
        <source>Apply profile after each read</source>
        <translation>Apply profile after each read</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <source>Quick pauses</source>
        <translation>Quick pauses</translation>
    </message>
    <message>
        <source>Provisioning record…</source>
        <translation>Provisioning record…</translation>
    </message>
    <message>
        <source>Next unit address after write</source>
        <translation>Next unit address after write</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Save profile</source>
        <translation>Save profile</translation>
    </message>
    <message>
        <source>The profile could not be saved: %1</source>
        <translation>The profile could not be saved: %1</translation>
    </message>
    <message>
        <source>Profile saved to %1.</source>
        <translation>Profile saved to %1.</translation>
    </message>
    <message>
        <source>Connect and read the unit before loading a profile.</source>
        <translation>Connect and read the unit before loading a profile.</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Load profile</translation>
    </message>
    <message>
        <source>The profile was refused: %1</source>
        <translation>The profile was refused: %1</translation>
    </message>
    <message>
        <source>Profile %1 applied.</source>
        <translation>Profile %1 applied.</translation>
    </message>
    <message>
        <source>Provisioning record</source>
        <translation>Provisioning record</translation>
    </message>
    <message>
        <source>Every write is recorded in %1.</source>
        <translation>Every write is recorded in %1.</translation>
    </message>
    <message>
        <source>Unit address in use</source>
        <translation>Unit address in use</translation>
    </message>
    <message>
        <source>The record already holds unit address %1 on network address %2. Write it again?</source>
        <translation>The record already holds unit address %1 on network address %2. Write it again?</translation>
    </message>
    <message>
        <source>Not written: unit address %1 is already in use on network address %2.</source>
        <translation>Not written: unit address %1 is already in use on network address %2.</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Stop recording</translation>
    </message>
    <message>
        <source>No settings report from the modem. Is the product right? KV5 answers at 9600 baud, KV6 - KV7 at 115200.</source>
        <translation>No settings report from the modem. Is the product right? KV5 answers at 9600 baud, KV6 - KV7 at 115200.</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <source>Connected to %1.</source>
        <translation>Connected to %1.</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>The read request could not be sent.</source>
        <translation>The read request could not be sent.</translation>
    </message>
    <message>
        <source>Read: %1</source>
        <translation>Read: %1</translation>
    </message>
    <message>
        <source>Nothing was sent: the record %1 cannot be written: %2</source>
        <translation>Nothing was sent: the record %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Writing…</source>
        <translation>Writing…</translation>
    </message>
    <message>
        <source>Writes are no longer recorded in %1.</source>
        <translation>Writes are no longer recorded in %1.</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Recording to %1</translation>
    </message>
    <message>
        <source>Shared record (PostgreSQL)…</source>
        <translation>Shared record (PostgreSQL)…</translation>
    </message>
    <message>
        <source>Show record…</source>
        <translation>Show record…</translation>
    </message>
    <message>
        <source>Operator…</source>
        <translation>Operator…</translation>
    </message>
    <message>
        <source>Provision several units…</source>
        <translation>Provision several units…</translation>
    </message>
    <message>
        <source>Records (*.kvxdb *.csv);;Database records (*.kvxdb);;CSV files (*.csv);;All files (*)</source>
        <translation>Records (*.kvxdb *.csv);;Database records (*.kvxdb);;CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Shared record</source>
        <translation>Shared record</translation>
    </message>
    <message>
        <source>A PostgreSQL database that the stations share, as postgresql://user@host/dbname.
Its password is read from ~/.pgpass (or PGPASSFILE), never typed here.</source>
        <translation>A PostgreSQL database that the stations share, as postgresql://user@host/dbname.
Its password is read from ~/.pgpass (or PGPASSFILE), never typed here.</translation>
    </message>
    <message>
        <source>Not a PostgreSQL record: %1</source>
        <translation>Not a PostgreSQL record: %1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>The operator&apos;s name, kept with every unit in a database record:</source>
        <translation>The operator&apos;s name, kept with every unit in a database record:</translation>
    </message>
    <message>
        <source>Units are recorded as written by %1.</source>
        <translation>Units are recorded as written by %1.</translation>
    </message>
    <message>
        <source>Connect and read a unit to take its form, or load a profile file.</source>
        <translation>Connect and read a unit to take its form, or load a profile file.</translation>
    </message>
    <message>
        <source>Compare with profile…</source>
        <translation>Compare with profile…</translation>
    </message>
    <message>
        <source>Message log…</source>
        <translation>Message log…</translation>
    </message>
    <message>
        <source>Disconnected from %1.</source>
        <translation>Disconnected from %1.</translation>
    </message>
    <message>
        <source>The device on %1 was lost before storing: nothing was stored.</source>
        <translation>The device on %1 was lost before storing: nothing was stored.</translation>
    </message>
    <message>
        <source>The device on %1 was lost after storing: %2 was stored, not verified.</source>
        <translation>The device on %1 was lost after storing: %2 was stored, not verified.</translation>
    </message>
    <message>
        <source>Compare with profile</source>
        <translation>Compare with profile</translation>
    </message>
    <message>
        <source>Connect and read the unit before comparing it with a profile.</source>
        <translation>Connect and read the unit before comparing it with a profile.</translation>
    </message>
    <message>
        <source>The unit matches the profile %1.</source>
        <translation>The unit matches the profile %1.</translation>
    </message>
    <message>
        <source>The unit differs from the profile %1: %2</source>
        <translation>The unit differs from the profile %1: %2</translation>
    </message>
    <message>
        <source>Unit code:</source>
        <translation>Unit code:</translation>
    </message>
    <message>
        <source>scan or type</source>
        <translation>scan or type</translation>
    </message>
    <message>
        <source>Unit code field (scanner)</source>
        <translation>Unit code field (scanner)</translation>
    </message>
    <message>
        <source>Write when a code is scanned</source>
        <translation>Write when a code is scanned</translation>
    </message>
    <message>
        <source>Label after a verified unit…</source>
        <translation>Label after a verified unit…</translation>
    </message>
    <message>
        <source>Unit code %1 is kept for the write: read the unit first.</source>
        <translation>Unit code %1 is kept for the write: read the unit first.</translation>
    </message>
    <message>
        <source>Folder for the labels (PDF, 62 x 29 mm)</source>
        <translation>Folder for the labels (PDF, 62 x 29 mm)</translation>
    </message>
    <message>
        <source>Label written to %1</source>
        <translation>Label written to %1</translation>
    </message>
    <message>
        <source>The label could not be written: %1</source>
        <translation>The label could not be written: %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Connect / Disconnect</source>
        <translation>Connect / Disconnect</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Next unit (connect again and read)</source>
        <translation>Next unit (connect again and read)</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Continue network %1?</source>
        <translation>Continue network %1?</translation>
    </message>
    <message>
        <source>Continue network %1 from unit %2?</source>
        <translation>Continue network %1 from unit %2?</translation>
    </message>
    <message>
        <source>The last job</source>
        <translation>The last job</translation>
    </message>
    <message>
        <source>Network address %1 is locked again.</source>
        <translation>Network address %1 is locked again.</translation>
    </message>
    <message>
        <source>The terminal cannot log to %1: %2</source>
        <translation>The terminal cannot log to %1: %2</translation>
    </message>
    <message>
        <source>Locked: this network address goes into every unit.</source>
        <translation>Locked: this network address goes into every unit.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) wait for the shared record</source>
        <translation>
            <numerusform>%n row waits for the shared record</numerusform>
            <numerusform>%n rows wait for the shared record</numerusform>
        </translation>
    </message>
    <message>
        <source>The record cannot be used: %1</source>
        <translation>The record cannot be used: %1</translation>
    </message>
    <message>
        <source>it is still being opened</source>
        <translation>it is still being opened</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) the shared record refused are set aside in %1: %2</source>
        <translation>
            <numerusform>%n row the shared record refused is set aside in %1: %2</numerusform>
            <numerusform>%n rows the shared record refused are set aside in %1: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Not written: the record could not say whether the unit address is in use: %1</source>
        <translation>Not written: the record could not say whether the unit address is in use: %1</translation>
    </message>
    <message>
        <source>Find the product on Connect</source>
        <translation>Find the product on Connect</translation>
    </message>
    <message>
        <source>Connect first asks the unit which product it is (a KV5 at 9600 baud, then a KV6 - KV7 at 115200) and sets product and module from its answer; this sends more than Connect alone.</source>
        <translation>Connect first asks the unit which product it is (a KV5 at 9600 baud, then a KV6 - KV7 at 115200) and sets product and module from its answer; this sends more than Connect alone.</translation>
    </message>
    <message>
        <source>Last units…</source>
        <translation>Last units…</translation>
    </message>
    <message>
        <source>No answer at %1 baud (%2): is the product right? A KV5 answers at 9600 baud, a KV6 - KV7 at 115200. Port %3.</source>
        <translation>No answer at %1 baud (%2): is the product right? A KV5 answers at 9600 baud, a KV6 - KV7 at 115200. Port %3.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Started clean: the last job on network %1 is forgotten.</source>
        <translation>Started clean: the last job on network %1 is forgotten.</translation>
    </message>
    <message>
        <source>The job on network %1 is kept for the next start.</source>
        <translation>The job on network %1 is kept for the next start.</translation>
    </message>
    <message>
        <source>%1 at %2 baud</source>
        <translation>%1 at %2 baud</translation>
    </message>
    <message>
        <source>The product decides the line&apos;s rate: a unit of the other product stays silent.</source>
        <translation>The product decides the line&apos;s rate: a unit of the other product stays silent.</translation>
    </message>
    <message>
        <source>Locked after Read: reconnect to change it.</source>
        <translation>Locked after Read: reconnect to change it.</translation>
    </message>
    <message numerus="yes">
        <source>Today on network %1: %n verified</source>
        <translation>
            <numerusform>Today on network %1: %n verified</numerusform>
            <numerusform>Today on network %1: %n verified</numerusform>
        </translation>
    </message>
    <message>
        <source>next unit %1</source>
        <translation>next unit %1</translation>
    </message>
    <message>
        <source>Units verified on this network today at this station; click for the last units written.</source>
        <translation>Units verified on this network today at this station; click for the last units written.</translation>
    </message>
    <message>
        <source>Asking the unit on %1 which product it is: %2 at %3 baud…</source>
        <translation>Asking the unit on %1 which product it is: %2 at %3 baud…</translation>
    </message>
    <message>
        <source>Stopped asking the unit on %1: nothing is connected.</source>
        <translation>Stopped asking the unit on %1: nothing is connected.</translation>
    </message>
    <message>
        <source>No product was found on %1: %2</source>
        <translation>No product was found on %1: %2</translation>
    </message>
    <message>
        <source>A %1 answered on %2 (its report fits %3); connecting as %1 with %4…</source>
        <translation>A %1 answered on %2 (its report fits %3); connecting as %1 with %4…</translation>
    </message>
    <message>
        <source>%1: not written yet.</source>
        <translation>%1: not written yet.</translation>
    </message>
    <message>
        <source>Writing the unit on %1…</source>
        <translation>Writing the unit on %1…</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>Nothing was sent: %1</translation>
    </message>
    <message>
        <source>Nothing was sent: the record&apos;s units cannot be read: %1</source>
        <translation>Nothing was sent: the record&apos;s units cannot be read: %1</translation>
    </message>
    <message>
        <source>Unit code in use</source>
        <translation>Unit code in use</translation>
    </message>
    <message>
        <source>The record holds this code already: %1. Write it to this unit too?</source>
        <translation>The record holds this code already: %1. Write it to this unit too?</translation>
    </message>
    <message>
        <source>Not written: unit code %1 is recorded for another unit.</source>
        <translation>Not written: unit code %1 is recorded for another unit.</translation>
    </message>
    <message>
        <source>Not taken: %1</source>
        <translation>Not taken: %1</translation>
    </message>
</context>
<context>
    <name>MessageLog</name>
    <message>
        <source>Message log</source>
        <translation>Message log</translation>
    </message>
    <message>
        <source>Every message of this session, the newest last.</source>
        <translation>Every message of this session, the newest last.</translation>
    </message>
</context>
<context>
    <name>ProfileCheck</name>
    <message>
        <source>work mode</source>
        <translation>work mode</translation>
    </message>
    <message>
        <source>baud rate</source>
        <translation>baud rate</translation>
    </message>
    <message>
        <source>link rate</source>
        <translation>link rate</translation>
    </message>
    <message>
        <source>network address</source>
        <translation>network address</translation>
    </message>
    <message>
        <source>unit address</source>
        <translation>unit address</translation>
    </message>
    <message>
        <source>output power</source>
        <translation>output power</translation>
    </message>
    <message>
        <source>repeater</source>
        <translation>repeater</translation>
    </message>
    <message>
        <source>%1 not reported, the profile says %2</source>
        <translation>%1 not reported, the profile says %2</translation>
    </message>
    <message>
        <source>%1 %2, the profile says %3</source>
        <translation>%1 %2, the profile says %3</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <translation>&quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be one of %2</source>
        <translation>&quot;%1&quot; must be one of %2</translation>
    </message>
    <message>
        <source>not JSON: %1 at byte %2</source>
        <translation>not JSON: %1 at byte %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;kvx-profile&quot; must be %1</source>
        <translation>&quot;kvx-profile&quot; must be %1</translation>
    </message>
    <message>
        <source>&quot;settings&quot; must be an object</source>
        <translation>&quot;settings&quot; must be an object</translation>
    </message>
    <message>
        <source>unknown key &quot;settings.%1&quot;</source>
        <translation>unknown key &quot;settings.%1&quot;</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot;: %2 is not allowed for %3 %4 (allowed: %5)</source>
        <translation>&quot;settings.%1&quot;: %2 is not allowed for %3 %4 (allowed: %5)</translation>
    </message>
    <message>
        <source>key &quot;%1&quot; is given twice</source>
        <translation>key &quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>larger than %1 KiB: not a profile</source>
        <translation>larger than %1 KiB: not a profile</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be a whole number 0 … %2</source>
        <translation>&quot;settings.%1&quot; must be a whole number 0 … %2</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be true or false</source>
        <translation>&quot;settings.%1&quot; must be true or false</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be a whole number</source>
        <translation>&quot;settings.%1&quot; must be a whole number</translation>
    </message>
    <message>
        <source>&quot;settings.%1&quot; must be a string</source>
        <translation>&quot;settings.%1&quot; must be a string</translation>
    </message>
</context>
<context>
    <name>ProvisionBatch</name>
    <message>
        <source>%1 of %2 verified</source>
        <translation>%1 of %2 verified</translation>
    </message>
    <message>
        <source>%1 of %2 written</source>
        <translation>%1 of %2 written</translation>
    </message>
    <message>
        <source>%1 of %2 match the profile</source>
        <translation>%1 of %2 match the profile</translation>
    </message>
    <message numerus="yes">
        <source>, %n not matching</source>
        <translation>
            <numerusform>, %n not matching</numerusform>
            <numerusform>, %n not matching</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n failed</source>
        <translation>
            <numerusform>, %n failed</numerusform>
            <numerusform>, %n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n skipped</source>
        <translation>
            <numerusform>, %n skipped</numerusform>
            <numerusform>, %n skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProvisionDialog</name>
    <message>
        <source>Provision several units</source>
        <translation>Provision several units</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Take the form as it is</source>
        <translation>Take the form as it is</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>Profile file</translation>
    </message>
    <message>
        <source>Load…</source>
        <translation>Load…</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>First unit address:</source>
        <translation>First unit address:</translation>
    </message>
    <message>
        <source>Verify after write</source>
        <translation>Verify after write</translation>
    </message>
    <message>
        <source>Quick pauses</source>
        <translation>Quick pauses</translation>
    </message>
    <message>
        <source>Each pause ends as soon as the unit has answered, never later than its time. Leave it off for units that need the pause to settle after a preset.</source>
        <translation>Each pause ends as soon as the unit has answered, never later than its time. Leave it off for units that need the pause to settle after a preset.</translation>
    </message>
    <message>
        <source>Take each unit as it is plugged in</source>
        <translation>Take each unit as it is plugged in</translation>
    </message>
    <message>
        <source>Record:</source>
        <translation>Record:</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Load a profile file first.</source>
        <translation>Load a profile file first.</translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>point to multipoint</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>point to point</translation>
    </message>
    <message>
        <source>a random network address</source>
        <translation>a random network address</translation>
    </message>
    <message>
        <source>network address %1</source>
        <translation>network address %1</translation>
    </message>
    <message>
        <source>Load profile</source>
        <translation>Load profile</translation>
    </message>
    <message>
        <source>Profiles (*.json);;All files (*)</source>
        <translation>Profiles (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>The profile %1 was refused: %2</source>
        <translation>The profile %1 was refused: %2</translation>
    </message>
    <message>
        <source>Provisioning record</source>
        <translation>Provisioning record</translation>
    </message>
    <message>
        <source>Records (*.kvxdb *.csv);;All files (*)</source>
        <translation>Records (*.kvxdb *.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Disconnect in the main window first: it holds %1 open.</source>
        <translation>Disconnect in the main window first: it holds %1 open.</translation>
    </message>
    <message>
        <source>Tick the ports to write, or take each unit as it is plugged in.</source>
        <translation>Tick the ports to write, or take each unit as it is plugged in.</translation>
    </message>
    <message>
        <source>The record %1 cannot be written: %2. Nothing was sent.</source>
        <translation>The record %1 cannot be written: %2. Nothing was sent.</translation>
    </message>
    <message>
        <source>Waiting for units: each port that appears is written after a second to settle. Stop ends it.</source>
        <translation>Waiting for units: each port that appears is written after a second to settle. Stop ends it.</translation>
    </message>
    <message>
        <source>Stopping: each unit ends at a safe point (before AT&amp;W nothing more is sent; after it the store is waited out).</source>
        <translation>Stopping: each unit ends at a safe point (before AT&amp;W nothing more is sent; after it the store is waited out).</translation>
    </message>
    <message>
        <source> (unit address %1)</source>
        <translation> (unit address %1)</translation>
    </message>
    <message>
        <source>unit address %1</source>
        <translation>unit address %1</translation>
    </message>
    <message>
        <source>Stop the batch first; the window closes once every unit has ended.</source>
        <translation>Stop the batch first; the window closes once every unit has ended.</translation>
    </message>
    <message>
        <source>Start writes the profile into every ticked port at once and checks each unit. Check only reads every ticked unit and compares it with the settings the profile names, writing nothing: each row says &quot;matches&quot; or what differs. Detect says which product answers on each ticked port.</source>
        <translation>Start writes the profile into every ticked port at once and checks each unit. Check only reads every ticked unit and compares it with the settings the profile names, writing nothing: each row says &quot;matches&quot; or what differs. Detect says which product answers on each ticked port.</translation>
    </message>
    <message>
        <source>Which product answers on each ticked port, and which modules fit what it reports</source>
        <translation>Which product answers on each ticked port, and which modules fit what it reports</translation>
    </message>
    <message>
        <source>Read every ticked unit and compare it with the profile; nothing is written</source>
        <translation>Read every ticked unit and compare it with the profile; nothing is written</translation>
    </message>
    <message>
        <source>Check only</source>
        <translation>Check only</translation>
    </message>
    <message>
        <source>Waiting for units: each port that appears is checked after a second to settle. Stop ends it.</source>
        <translation>Waiting for units: each port that appears is checked after a second to settle. Stop ends it.</translation>
    </message>
    <message>
        <source>trying %1 at %2 baud…</source>
        <translation>trying %1 at %2 baud…</translation>
    </message>
    <message numerus="yes">
        <source>Detecting the units on %n port(s)…</source>
        <translation>
            <numerusform>Detecting the unit on %n port…</numerusform>
            <numerusform>Detecting the units on %n ports…</numerusform>
        </translation>
    </message>
    <message>
        <source>a %1 answered; module %2 (%3)</source>
        <translation>a %1 answered; module %2 (%3)</translation>
    </message>
    <message>
        <source>Detected: each port&apos;s answer is on its row.</source>
        <translation>Detected: each port&apos;s answer is on its row.</translation>
    </message>
    <message>
        <source>%1 and %2 are one device (%3): tick one of them. Nothing was sent.</source>
        <translation>%1 and %2 are one device (%3): tick one of them. Nothing was sent.</translation>
    </message>
    <message>
        <source>Unit code</source>
        <translation>Unit code</translation>
    </message>
    <message>
        <source>Scan a unit code:</source>
        <translation>Scan a unit code:</translation>
    </message>
    <message>
        <source>A code scanned (or typed, then Return) goes to the selected port&apos;s row; while units are taken as they are plugged in, to the next unit that appears.</source>
        <translation>A code scanned (or typed, then Return) goes to the selected port&apos;s row; while units are taken as they are plugged in, to the next unit that appears.</translation>
    </message>
    <message>
        <source>Label each verified unit (PDF, 62 x 29 mm)</source>
        <translation>Label each verified unit (PDF, 62 x 29 mm)</translation>
    </message>
    <message>
        <source>Unit code %1: select the row of its port first.</source>
        <translation>Unit code %1: select the row of its port first.</translation>
    </message>
    <message>
        <source>Codes waiting for the next units plugged in: %1</source>
        <translation>Codes waiting for the next units plugged in: %1</translation>
    </message>
    <message>
        <source>The label of %1 could not be written: %2</source>
        <translation>The label of %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Nothing was sent: Detect found another product on every ticked port.</source>
        <translation>Nothing was sent: Detect found another product on every ticked port.</translation>
    </message>
    <message>
        <source>not written: a %1 answered here, the profile is for a %2</source>
        <translation>not written: a %1 answered here, the profile is for a %2</translation>
    </message>
    <message>
        <source>Opening the record %1…</source>
        <translation>Opening the record %1…</translation>
    </message>
    <message>
        <source>Nothing was sent: %1</source>
        <translation>Nothing was sent: %1</translation>
    </message>
    <message>
        <source>Stopped before the start: nothing was sent.</source>
        <translation>Stopped before the start: nothing was sent.</translation>
    </message>
    <message>
        <source>Start waits for Detect to end.</source>
        <translation>Start waits for Detect to end.</translation>
    </message>
    <message>
        <source>Start waits: the main window holds %1 open.</source>
        <translation>Start waits: the main window holds %1 open.</translation>
    </message>
    <message>
        <source>Start needs a profile: %1</source>
        <translation>Start needs a profile: %1</translation>
    </message>
    <message>
        <source>Start needs a profile: load a profile file first.</source>
        <translation>Start needs a profile: load a profile file first.</translation>
    </message>
    <message>
        <source>Not taken: %1</source>
        <translation>Not taken: %1</translation>
    </message>
</context>
<context>
    <name>RadioSession</name>
    <message>
        <source>S%1 reads %2, %3 was written</source>
        <translation>S%1 reads %2, %3 was written</translation>
    </message>
    <message>
        <source>S%1 was not read back, %2 was written</source>
        <translation>S%1 was not read back, %2 was written</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>in use by another program</translation>
    </message>
    <message>
        <source>permission denied (%1); on Linux the user must be in the dialout group</source>
        <translation>permission denied (%1); on Linux the user must be in the dialout group</translation>
    </message>
    <message>
        <source>no such device (%1)</source>
        <translation>no such device (%1)</translation>
    </message>
    <message>
        <source>not a serial port: %1 is a folder</source>
        <translation>not a serial port: %1 is a folder</translation>
    </message>
    <message>
        <source>not a serial port: %1 is a regular file</source>
        <translation>not a serial port: %1 is a regular file</translation>
    </message>
    <message>
        <source>not a serial port: %1 is no terminal device</source>
        <translation>not a serial port: %1 is no terminal device</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>the device went away</translation>
    </message>
    <message>
        <source>the port cannot be locked: its path is too long to name its lock file; give it a shorter path, such as a link to it</source>
        <translation>the port cannot be locked: its path is too long to name its lock file; give it a shorter path, such as a link to it</translation>
    </message>
</context>
<context>
    <name>RecordCheck</name>
    <message numerus="yes">
        <source>%1 (%n unit(s))</source>
        <translation>
            <numerusform>%1 (%n unit)</numerusform>
            <numerusform>%1 (%n units)</numerusform>
        </translation>
    </message>
    <message>
        <source>this record cannot reserve unit addresses (a database can)</source>
        <translation>this record cannot reserve unit addresses (a database can)</translation>
    </message>
    <message>
        <source>network %1: unit address %2 is held by %3 units (%4)</source>
        <translation>network %1: unit address %2 is held by %3 units (%4)</translation>
    </message>
    <message>
        <source>network %1: unit address %2 was never verified (last: %3)</source>
        <translation>network %1: unit address %2 was never verified (last: %3)</translation>
    </message>
    <message>
        <source>link rate %1</source>
        <translation>link rate %1</translation>
    </message>
    <message>
        <source>link mode %1</source>
        <translation>link mode %1</translation>
    </message>
    <message>
        <source>network %1: units cannot link: %2</source>
        <translation>network %1: units cannot link: %2</translation>
    </message>
    <message>
        <source>this record cannot release unit addresses</source>
        <translation>this record cannot release unit addresses</translation>
    </message>
    <message>
        <source>station %1</source>
        <translation>station %1</translation>
    </message>
    <message>
        <source> (operator %1)</source>
        <translation> (operator %1)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>unit address %1</source>
        <translation>unit address %1</translation>
    </message>
    <message>
        <source>network %1: %2 was reserved by %3 and never written (the reservation has ended)</source>
        <translation>network %1: %2 was reserved by %3 and never written (the reservation has ended)</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>network %1</translation>
    </message>
    <message>
        <source>network %1 unit %2</source>
        <translation>network %1 unit %2</translation>
    </message>
    <message>
        <source>unit code %1 is configured with %2 addresses (%3)</source>
        <translation>unit code %1 is configured with %2 addresses (%3)</translation>
    </message>
    <message>
        <source>network %1: unit address %2 is configured in units of %3 codes (%4)</source>
        <translation>network %1: unit address %2 is configured in units of %3 codes (%4)</translation>
    </message>
    <message>
        <source>network %1: the unit on %2 may have been written: %3 began writing it, its result never came (check the unit)</source>
        <translation>network %1: the unit on %2 may have been written: %3 began writing it, its result never came (check the unit)</translation>
    </message>
    <message>
        <source>network %1: a unit may hold unit address %2: %3 began writing it, its result never came (check the unit)</source>
        <translation>network %1: a unit may hold unit address %2: %3 began writing it, its result never came (check the unit)</translation>
    </message>
    <message>
        <source>%1, station %2</source>
        <translation>%1, station %2</translation>
    </message>
    <message>
        <source>unit code %1 is recorded for %2 (%3 %4)</source>
        <translation>unit code %1 is recorded for %2 (%3 %4)</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Provisioning record</source>
        <translation>Provisioning record</translation>
    </message>
    <message>
        <source>Network address:</source>
        <translation>Network address:</translation>
    </message>
    <message>
        <source>all</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source> (superseded)</source>
        <translation> (superseded)</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Unit address</source>
        <translation>Unit address</translation>
    </message>
    <message>
        <source>Network address</source>
        <translation>Network address</translation>
    </message>
    <message>
        <source>Work mode</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Link rate</source>
        <translation>Link rate</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>The record cannot be read: %1</source>
        <translation>The record cannot be read: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s); no conflicts.</source>
        <translation>
            <numerusform>%n row; no conflicts.</numerusform>
            <numerusform>%n rows; no conflicts.</numerusform>
        </translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>point to multipoint</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>point to point</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>The day at a glance</source>
        <translation>The day at a glance</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Unit code</source>
        <translation>Unit code</translation>
    </message>
    <message>
        <source>%1 good units of %2 attempts (%3 %)</source>
        <translation>%1 good units of %2 attempts (%3 %)</translation>
    </message>
    <message>
        <source>Reading the record…</source>
        <translation>Reading the record…</translation>
    </message>
</context>
<context>
    <name>RecordFigures</name>
    <message>
        <source>line refused: %1</source>
        <translation>line refused: %1</translation>
    </message>
    <message>
        <source>a line refused</source>
        <translation>a line refused</translation>
    </message>
    <message>
        <source>read back otherwise</source>
        <translation>read back otherwise</translation>
    </message>
    <message>
        <source>read back otherwise: %1</source>
        <translation>read back otherwise: %1</translation>
    </message>
    <message>
        <source>device lost before storing</source>
        <translation>device lost before storing</translation>
    </message>
    <message>
        <source>device lost after storing</source>
        <translation>device lost after storing</translation>
    </message>
    <message>
        <source>stopped before storing</source>
        <translation>stopped before storing</translation>
    </message>
    <message>
        <source>stopped before the check</source>
        <translation>stopped before the check</translation>
    </message>
    <message>
        <source>no answer to the check</source>
        <translation>no answer to the check</translation>
    </message>
    <message>
        <source>result never came (pending)</source>
        <translation>result never came (pending)</translation>
    </message>
    <message>
        <source>reservation with no result</source>
        <translation>reservation with no result</translation>
    </message>
    <message>
        <source>released by hand</source>
        <translation>released by hand</translation>
    </message>
    <message>
        <source>lines left unanswered</source>
        <translation>lines left unanswered</translation>
    </message>
    <message>
        <source>failed, no reason recorded</source>
        <translation>failed, no reason recorded</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>the record is locked by another program</source>
        <translation>the record is locked by another program</translation>
    </message>
    <message>
        <source>the record cannot be locked (%1)</source>
        <translation>the record cannot be locked (%1)</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>no such record</translation>
    </message>
    <message>
        <source>not a provisioning record</source>
        <translation>not a provisioning record</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>larger than %1 MiB: not a provisioning record</source>
        <translation>larger than %1 MiB: not a provisioning record</translation>
    </message>
    <message>
        <source>not a provisioning record (its first line must be the header %1)</source>
        <translation>not a provisioning record (its first line must be the header %1)</translation>
    </message>
    <message>
        <source>the pending row of %1 has no attempt id to end</source>
        <translation>the pending row of %1 has no attempt id to end</translation>
    </message>
    <message>
        <source>cannot be read again from its start</source>
        <translation>cannot be read again from its start</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>%1 fields, where a record row has %2</source>
        <translation>%1 fields, where a record row has %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is none of %3</source>
        <translation>%1 &quot;%2&quot; is none of %3</translation>
    </message>
    <message>
        <source>time &quot;%1&quot; is not a date and time with its zone</source>
        <translation>time &quot;%1&quot; is not a date and time with its zone</translation>
    </message>
    <message>
        <source>attempt &quot;%1&quot; is not an attempt id</source>
        <translation>attempt &quot;%1&quot; is not an attempt id</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is UTF-8 text that was read as Windows-1252 and saved again (a spreadsheet opened the file without knowing it was UTF-8); it was &quot;%3&quot;. Open the original file, or choose UTF-8 when the spreadsheet asks for the character set</source>
        <translation>line %1: &quot;%2&quot; is UTF-8 text that was read as Windows-1252 and saved again (a spreadsheet opened the file without knowing it was UTF-8); it was &quot;%3&quot;. Open the original file, or choose UTF-8 when the spreadsheet asks for the character set</translation>
    </message>
</context>
<context>
    <name>RecordService</name>
    <message>
        <source>the record was closed</source>
        <translation>the record was closed</translation>
    </message>
    <message>
        <source>the shared record refused it (%1); set aside in %2</source>
        <translation>the shared record refused it (%1); set aside in %2</translation>
    </message>
    <message numerus="yes">
        <source>the shared record did not answer in %n s</source>
        <translation>
            <numerusform>the shared record did not answer in %n s</numerusform>
            <numerusform>the shared record did not answer in %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the record %1 did not answer in %n s</source>
        <translation>
            <numerusform>the record %1 did not answer in %n s</numerusform>
            <numerusform>the record %1 did not answer in %n s</numerusform>
        </translation>
    </message>
    <message>
        <source>the outbox %1</source>
        <translation>the outbox %1</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>its folder cannot be made</translation>
    </message>
    <message>
        <source>no space left on its disk (%1 KiB free)</source>
        <translation>no space left on its disk (%1 KiB free)</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>another program holds it</translation>
    </message>
    <message>
        <source>it cannot be locked: the folder cannot be written</source>
        <translation>it cannot be locked: the folder cannot be written</translation>
    </message>
    <message>
        <source>the record is closed</source>
        <translation>the record is closed</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>ended</translation>
    </message>
    <message>
        <source>the record was closed before the row was kept</source>
        <translation>the record was closed before the row was kept</translation>
    </message>
</context>
<context>
    <name>ResultBanner</name>
    <message>
        <source>VERIFIED</source>
        <translation>VERIFIED</translation>
    </message>
    <message>
        <source>WRITTEN, NOT CHECKED</source>
        <translation>WRITTEN, NOT CHECKED</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>FAILED</translation>
    </message>
    <message>
        <source>Last units…</source>
        <translation>Last units…</translation>
    </message>
    <message>
        <source>The last units written here, with their codes; a verified unit&apos;s label written again from there</source>
        <translation>The last units written here, with their codes; a verified unit&apos;s label written again from there</translation>
    </message>
</context>
<context>
    <name>Serve</name>
    <message>
        <source>--listen %1: an IPv6 address ends with ]</source>
        <translation>--listen %1: an IPv6 address ends with ]</translation>
    </message>
    <message>
        <source>--listen %1: give ADDRESS:PORT</source>
        <translation>--listen %1: give ADDRESS:PORT</translation>
    </message>
    <message>
        <source>--listen %1: the port must be a number 0 … 65535 (0: any free one)</source>
        <translation>--listen %1: the port must be a number 0 … 65535 (0: any free one)</translation>
    </message>
    <message>
        <source>--listen %1: not an IP address (e.g. 0.0.0.0:8470, 192.168.1.20:8470, [::]:8470)</source>
        <translation>--listen %1: not an IP address (e.g. 0.0.0.0:8470, 192.168.1.20:8470, [::]:8470)</translation>
    </message>
    <message>
        <source>--token-file %1: cannot be read (%2)</source>
        <translation>--token-file %1: cannot be read (%2)</translation>
    </message>
    <message>
        <source>--token-file %1: the token must be 16 to 256 characters of A-Z, a-z, 0-9 and . _ ~ + / = - on the first line (e.g. made by openssl rand -base64 32)</source>
        <translation>--token-file %1: the token must be 16 to 256 characters of A-Z, a-z, 0-9 and . _ ~ + / = - on the first line (e.g. made by openssl rand -base64 32)</translation>
    </message>
    <message>
        <source>the record database stopped answering</source>
        <translation>the record database stopped answering</translation>
    </message>
    <message>
        <source>the record database does not tell of its changes (LISTEN)</source>
        <translation>the record database does not tell of its changes (LISTEN)</translation>
    </message>
    <message>
        <source>the record does not answer</source>
        <translation>the record does not answer</translation>
    </message>
    <message>
        <source>unit %1</source>
        <translation>unit %1</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>network %1</translation>
    </message>
    <message>
        <source>Units per hour</source>
        <translation>Units per hour</translation>
    </message>
    <message>
        <source>good</source>
        <translation>good</translation>
    </message>
    <message>
        <source>not good</source>
        <translation>not good</translation>
    </message>
    <message>
        <source>being written now</source>
        <translation>being written now</translation>
    </message>
    <message>
        <source>The record does not answer since %1: %2. The figures below were read at %3.</source>
        <translation>The record does not answer since %1: %2. The figures below were read at %3.</translation>
    </message>
    <message>
        <source>units verified today</source>
        <translation>units verified today</translation>
    </message>
    <message numerus="yes">
        <source>yield: %1 good of %n attempt(s)</source>
        <translation>
            <numerusform>yield: %1 good of %n attempt</numerusform>
            <numerusform>yield: %1 good of %n attempts</numerusform>
        </translation>
    </message>
    <message>
        <source>not good today</source>
        <translation>not good today</translation>
    </message>
    <message>
        <source>Stations</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Last unit</source>
        <translation>Last unit</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Verified today</source>
        <translation>Verified today</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Yield</translation>
    </message>
    <message>
        <source>Rows waiting for the shared record</source>
        <translation>Rows waiting for the shared record</translation>
    </message>
    <message>
        <source>Last heard</source>
        <translation>Last heard</translation>
    </message>
    <message>
        <source>No station has written a unit today.</source>
        <translation>No station has written a unit today.</translation>
    </message>
    <message>
        <source>not known: the station has not said (an older version, or a record without the table of stations)</source>
        <translation>not known: the station has not said (an older version, or a record without the table of stations)</translation>
    </message>
    <message>
        <source>Failures by cause</source>
        <translation>Failures by cause</translation>
    </message>
    <message>
        <source>No failures today.</source>
        <translation>No failures today.</translation>
    </message>
    <message>
        <source>The last %1 units</source>
        <translation>The last %1 units</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>The record holds no unit yet.</source>
        <translation>The record holds no unit yet.</translation>
    </message>
    <message>
        <source>Read from the record at %1 (the day from %2).</source>
        <translation>Read from the record at %1 (the day from %2).</translation>
    </message>
    <message>
        <source>The line at a glance</source>
        <translation>The line at a glance</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>not live: connecting again…</source>
        <translation>not live: connecting again…</translation>
    </message>
    <message>
        <source>reload the page for the latest figures</source>
        <translation>reload the page for the latest figures</translation>
    </message>
    <message>
        <source>History: %1</source>
        <translation>History: %1</translation>
    </message>
    <message>
        <source>Back to the line</source>
        <translation>Back to the line</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>The record holds no such unit.</source>
        <translation>The record holds no such unit.</translation>
    </message>
    <message>
        <source>(superseded)</source>
        <translation>(superseded)</translation>
    </message>
    <message>
        <source>Only the first rows are shown; /api/units gives them all.</source>
        <translation>Only the first rows are shown; /api/units gives them all.</translation>
    </message>
    <message>
        <source>This view asks for its token</source>
        <translation>This view asks for its token</translation>
    </message>
    <message>
        <source>That is not the token.</source>
        <translation>That is not the token.</translation>
    </message>
    <message>
        <source>The token is in the line server&apos;s token file; ask whoever set it up.</source>
        <translation>The token is in the line server&apos;s token file; ask whoever set it up.</translation>
    </message>
    <message>
        <source>Token</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>not an HTTP request line</source>
        <translation>not an HTTP request line</translation>
    </message>
    <message>
        <source>only HTTP/1.0 and HTTP/1.1 are spoken here</source>
        <translation>only HTTP/1.0 and HTTP/1.1 are spoken here</translation>
    </message>
    <message>
        <source>the path must start with / and hold printable characters only</source>
        <translation>the path must start with / and hold printable characters only</translation>
    </message>
    <message>
        <source>the path holds characters no path here has</source>
        <translation>the path holds characters no path here has</translation>
    </message>
    <message>
        <source>a path with . or .. in it names nothing here</source>
        <translation>a path with . or .. in it names nothing here</translation>
    </message>
    <message>
        <source>a header line is not &quot;Name: value&quot;</source>
        <translation>a header line is not &quot;Name: value&quot;</translation>
    </message>
    <message>
        <source>the header %1 is given twice</source>
        <translation>the header %1 is given twice</translation>
    </message>
    <message>
        <source>a request may be %1 bytes at most (its line and headers)</source>
        <translation>a request may be %1 bytes at most (its line and headers)</translation>
    </message>
    <message>
        <source>too many connections at once; try again shortly</source>
        <translation>too many connections at once; try again shortly</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>cannot listen on %1: %2</translation>
    </message>
    <message>
        <source>this view is read-only: GET and HEAD only</source>
        <translation>this view is read-only: GET and HEAD only</translation>
    </message>
    <message>
        <source>no request here takes a body</source>
        <translation>no request here takes a body</translation>
    </message>
    <message>
        <source>an HTTP/1.1 request names its Host</source>
        <translation>an HTTP/1.1 request names its Host</translation>
    </message>
    <message>
        <source>this view answers at its loopback address only (kvx-cli serve --listen ADDRESS --token-file FILE serves other computers)</source>
        <translation>this view answers at its loopback address only (kvx-cli serve --listen ADDRESS --token-file FILE serves other computers)</translation>
    </message>
    <message>
        <source>that is not the token</source>
        <translation>that is not the token</translation>
    </message>
    <message>
        <source>this view asks for its token: Authorization: Bearer TOKEN</source>
        <translation>this view asks for its token: Authorization: Bearer TOKEN</translation>
    </message>
    <message>
        <source>live pages connect to /live</source>
        <translation>live pages connect to /live</translation>
    </message>
    <message>
        <source>a live page of another site</source>
        <translation>a live page of another site</translation>
    </message>
    <message>
        <source>too many live pages at once</source>
        <translation>too many live pages at once</translation>
    </message>
    <message>
        <source>the request could not be read</source>
        <translation>the request could not be read</translation>
    </message>
    <message>
        <source>there is nothing at %1</source>
        <translation>there is nothing at %1</translation>
    </message>
    <message>
        <source>%1 takes no &quot;%2&quot; (it takes: %3)</source>
        <translation>%1 takes no &quot;%2&quot; (it takes: %3)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>&quot;%1&quot; is given twice</translation>
    </message>
    <message>
        <source>/live is the live pages&apos; WebSocket</source>
        <translation>/live is the live pages&apos; WebSocket</translation>
    </message>
    <message>
        <source>since=%1: give a time in ISO 8601 with its zone (2026-12-08T09:00:00Z, 2026-12-08T17:00:00+08:00) or a date (2026-12-08)</source>
        <translation>since=%1: give a time in ISO 8601 with its zone (2026-12-08T09:00:00Z, 2026-12-08T17:00:00+08:00) or a date (2026-12-08)</translation>
    </message>
    <message>
        <source>%1=%2: an address is a whole number 0 … %3</source>
        <translation>%1=%2: an address is a whole number 0 … %3</translation>
    </message>
    <message>
        <source>serial: a unit&apos;s code, 1 to 256 characters</source>
        <translation>serial: a unit&apos;s code, 1 to 256 characters</translation>
    </message>
    <message>
        <source>limit=%1: a number 1 … %2</source>
        <translation>limit=%1: a number 1 … %2</translation>
    </message>
    <message>
        <source>cursor=%1: not a cursor this view gave</source>
        <translation>cursor=%1: not a cursor this view gave</translation>
    </message>
    <message>
        <source>/units shows a unit: give its serial, or its network (and unit)</source>
        <translation>/units shows a unit: give its serial, or its network (and unit)</translation>
    </message>
    <message>
        <source>the record is asked too much at once; try again shortly</source>
        <translation>the record is asked too much at once; try again shortly</translation>
    </message>
    <message>
        <source>the record did not answer within %1 s</source>
        <translation>the record did not answer within %1 s</translation>
    </message>
    <message>
        <source>the record does not answer: %1</source>
        <translation>the record does not answer: %1</translation>
    </message>
</context>
<context>
    <name>SettingValue</name>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Repeater</source>
        <translation>Repeater</translation>
    </message>
    <message>
        <source>Slave(Remote)</source>
        <translation>Slave(Remote)</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>first unit address %1: the profile is point to point, its units have no unit address</source>
        <translation>first unit address %1: the profile is point to point, its units have no unit address</translation>
    </message>
    <message>
        <source>first unit address auto: the unit addresses come from a database record (a .kvxdb file or postgresql://...); this record cannot hand them out</source>
        <translation>first unit address auto: the unit addresses come from a database record (a .kvxdb file or postgresql://...); this record cannot hand them out</translation>
    </message>
    <message numerus="yes">
        <source>first unit address %1: allowed: 0 … %2 (for %n unit(s)), or auto</source>
        <translation>
            <numerusform>first unit address %1: allowed: 0 … %2 (for %n unit), or auto</numerusform>
            <numerusform>first unit address %1: allowed: 0 … %2 (for %n units), or auto</numerusform>
        </translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>point to multipoint</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>point to point</translation>
    </message>
    <message>
        <source>The profile was refused: it is for a %1, the unit is a %2.</source>
        <translation>The profile was refused: it is for a %1, the unit is a %2.</translation>
    </message>
    <message>
        <source>The profile was refused: it is for the %1 module, the unit has %2.</source>
        <translation>The profile was refused: it is for the %1 module, the unit has %2.</translation>
    </message>
    <message>
        <source>The profile was refused: it is for %1, the unit runs %2.</source>
        <translation>The profile was refused: it is for %1, the unit runs %2.</translation>
    </message>
</context>
<context>
    <name>UnitCode</name>
    <message>
        <source>the unit code is empty</source>
        <translation>the unit code is empty</translation>
    </message>
    <message>
        <source>unit code %1 holds U+FFFD, the mark of text that was not UTF-8</source>
        <translation>unit code %1 holds U+FFFD, the mark of text that was not UTF-8</translation>
    </message>
    <message>
        <source>unit code %1 holds a control character (%2)</source>
        <translation>unit code %1 holds a control character (%2)</translation>
    </message>
    <message>
        <source>unit code %1 holds a character a label cannot show (%2)</source>
        <translation>unit code %1 holds a character a label cannot show (%2)</translation>
    </message>
    <message>
        <source>unit code %1 is %2 characters long; a unit code has at most %3</source>
        <translation>unit code %1 is %2 characters long; a unit code has at most %3</translation>
    </message>
    <message>
        <source>unit code &quot;%1&quot; begins or ends with a space</source>
        <translation>unit code &quot;%1&quot; begins or ends with a space</translation>
    </message>
    <message>
        <source>unit code %1 is given twice: one code, one unit</source>
        <translation>unit code %1 is given twice: one code, one unit</translation>
    </message>
</context>
<context>
    <name>UnitDetector</name>
    <message>
        <source>%1: interrupted</source>
        <translation>%1: interrupted</translation>
    </message>
    <message>
        <source>%1: nothing answered, neither a KV5 at 9600 baud nor a KV6 - KV7 at 115200 baud</source>
        <translation>%1: nothing answered, neither a KV5 at 9600 baud nor a KV6 - KV7 at 115200 baud</translation>
    </message>
    <message>
        <source>none of the modules</source>
        <translation>none of the modules</translation>
    </message>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 on %2</translation>
    </message>
</context>
<context>
    <name>UnitJob</name>
    <message>
        <source>no settings report from the modem within %1 ms (KV5 answers at 9600 baud, KV6 - KV7 at 115200: is the product right?)</source>
        <translation>no settings report from the modem within %1 ms (KV5 answers at 9600 baud, KV6 - KV7 at 115200: is the product right?)</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>the device went away</translation>
    </message>
    <message>
        <source>cannot open the port: %1</source>
        <translation>cannot open the port: %1</translation>
    </message>
    <message>
        <source>the unit did not report its pass-through rate</source>
        <translation>the unit did not report its pass-through rate</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrupted</translation>
    </message>
</context>
<context>
    <name>UnitLabel</name>
    <message>
        <source>cannot start drawing the labels</source>
        <translation>cannot start drawing the labels</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>network %1</translation>
    </message>
    <message>
        <source> · unit %1</source>
        <translation> · unit %1</translation>
    </message>
    <message>
        <source>point to multipoint</source>
        <translation>point to multipoint</translation>
    </message>
    <message>
        <source>point to point</source>
        <translation>point to point</translation>
    </message>
    <message>
        <source>no unit to label</source>
        <translation>no unit to label</translation>
    </message>
    <message>
        <source>Unit labels</source>
        <translation>Unit labels</translation>
    </message>
    <message>
        <source>no printer is set up</source>
        <translation>no printer is set up</translation>
    </message>
    <message>
        <source>no printer named %1</source>
        <translation>no printer named %1</translation>
    </message>
    <message>
        <source>the QR code of %1 cannot be made (its line is %2 bytes)</source>
        <translation>the QR code of %1 cannot be made (its line is %2 bytes)</translation>
    </message>
    <message>
        <source>the QR code of %1 would be too fine to scan on this label (its line is %2 bytes)</source>
        <translation>the QR code of %1 would be too fine to scan on this label (its line is %2 bytes)</translation>
    </message>
    <message>
        <source>unit code %1 is too long to print readably on a label of this size</source>
        <translation>unit code %1 is too long to print readably on a label of this size</translation>
    </message>
</context>
<context>
    <name>UnitOutcome</name>
    <message>
        <source>storing</source>
        <translation>storing</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verified</translation>
    </message>
    <message>
        <source>written, but not verified: the modem stopped answering</source>
        <translation>written, but not verified: the modem stopped answering</translation>
    </message>
    <message>
        <source>written</source>
        <translation>written</translation>
    </message>
    <message>
        <source>mismatch: %1</source>
        <translation>mismatch: %1</translation>
    </message>
    <message>
        <source>interrupted before storing: nothing was stored</source>
        <translation>interrupted before storing: nothing was stored</translation>
    </message>
    <message>
        <source>lost before storing: %1</source>
        <translation>lost before storing: %1</translation>
    </message>
    <message>
        <source>lost after storing (not verified): %1</source>
        <translation>lost after storing (not verified): %1</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>failed: %1</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>the device went away</translation>
    </message>
    <message>
        <source>interrupted before storing (%1): nothing was stored</source>
        <translation>interrupted before storing (%1): nothing was stored</translation>
    </message>
    <message>
        <source>refused: %1 — nothing stored</source>
        <translation>refused: %1 — nothing stored</translation>
    </message>
    <message>
        <source>refused: %1 — the settings were stored</source>
        <translation>refused: %1 — the settings were stored</translation>
    </message>
    <message>
        <source>Not recorded: %1</source>
        <translation>Not recorded: %1</translation>
    </message>
    <message>
        <source>the modem did not answer every line, so AT&amp;W was not sent</source>
        <translation>the modem did not answer every line, so AT&amp;W was not sent</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connecting</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>reading</translation>
    </message>
    <message>
        <source>writing %1 of %2</source>
        <translation>writing %1 of %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verifying</translation>
    </message>
    <message>
        <source>Writing %1 of %2…</source>
        <translation>Writing %1 of %2…</translation>
    </message>
    <message>
        <source>Storing…</source>
        <translation>Storing…</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Checking…</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>mismatch</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>refused</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>lost</translation>
    </message>
    <message>
        <source>lost after storing</source>
        <translation>lost after storing</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>pending (result unknown)</source>
        <translation>pending (result unknown)</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reserved</translation>
    </message>
    <message>
        <source>reservation ended</source>
        <translation>reservation ended</translation>
    </message>
    <message>
        <source>released</source>
        <translation>released</translation>
    </message>
    <message>
        <source>matches the profile</source>
        <translation>matches the profile</translation>
    </message>
    <message>
        <source>differs from the profile</source>
        <translation>differs from the profile</translation>
    </message>
    <message>
        <source>; not recorded: %1</source>
        <translation>; not recorded: %1</translation>
    </message>
    <message>
        <source>matches</source>
        <translation>matches</translation>
    </message>
    <message>
        <source>differs: %1</source>
        <translation>differs: %1</translation>
    </message>
    <message>
        <source>written, but not verified: stopped before the check</source>
        <translation>written, but not verified: stopped before the check</translation>
    </message>
    <message>
        <source>interrupted before the check ended: the unit was not compared</source>
        <translation>interrupted before the check ended: the unit was not compared</translation>
    </message>
    <message>
        <source>lost during the check: %1</source>
        <translation>lost during the check: %1</translation>
    </message>
    <message>
        <source>written, not checked</source>
        <translation>written, not checked</translation>
    </message>
    <message>
        <source>; waiting for the shared record</source>
        <translation>; waiting for the shared record</translation>
    </message>
    <message>
        <source>waiting for the record</source>
        <translation>waiting for the record</translation>
    </message>
    <message>
        <source>not started: %1</source>
        <translation>not started: %1</translation>
    </message>
</context>
<context>
    <name>VersionDialog</name>
    <message>
        <source>Dialog</source>
        <translation>About</translation>
    </message>
    <message>
        <source>KV5 Configuration Software</source>
        <translation>KV5 Configuration Software</translation>
    </message>
    <message>
        <source>Version : </source>
        <translation>Version : </translation>
    </message>
    <message>
        <source>2.0.5</source>
        <translation>2.0.5</translation>
    </message>
    <message>
        <source>Update Time : </source>
        <translation>Update Time : </translation>
    </message>
    <message>
        <source>2024-2-23</source>
        <translation>2024-2-23</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Website : &lt;/span&gt;&lt;a href=&quot;https://www.kvx.example.com/&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;https://www.kvx.example.com/&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Website : &lt;/span&gt;&lt;a href=&quot;https://www.kvx.example.com/&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;https://www.kvx.example.com/&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2024-2026 KVX data-link radios. All rights reserved.</source>
        <translation>Copyright © 2024-2026 KVX data-link radios. All rights reserved.</translation>
    </message>
    <message>
        <source>About KV5</source>
        <translation>About KV5</translation>
    </message>
</context>
<context>
    <name>WriteSummary</name>
    <message>
        <source>unit %1</source>
        <translation>unit %1</translation>
    </message>
    <message>
        <source>network %1</source>
        <translation>network %1</translation>
    </message>
    <message>
        <source>baud %1</source>
        <translation>baud %1</translation>
    </message>
    <message>
        <source>link rate %1</source>
        <translation>link rate %1</translation>
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
        <translation>Usage: kvx-config [--port P] [Qt options]
Opens the window that reads and writes the settings of KVX radio modems (KV5, KV6 - KV7).

Options:
  --port P       the serial port to offer first, e.g. /dev/ttyUSB0
  -h, --help     this help
  -v, --version  the version
Qt&apos;s own options (-platform, -style, ...) go to the toolkit.

Ports: the serial ports the system lists, plus the paths in KVX_EXTRA_PORTS.
Settings: ~/.config/kvx-config/kvx-config.ini. See also kvx-cli --help.
</translation>
    </message>
    <message>
        <source>Usage: kvx-config [--port P] [Qt options] (see kvx-config --help)</source>
        <translation>Usage: kvx-config [--port P] [Qt options] (see kvx-config --help)</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: no such option</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1: the window takes no file or word, only options</source>
        <translation>%1: the window takes no file or word, only options</translation>
    </message>
</context>
</TS>
