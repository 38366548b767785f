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
   <source>&lt;!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd"&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name="qrichtext" content="1" /&gt;&lt;meta charset="utf-8" /&gt;&lt;style type="text/css"&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=" font-family:'Calibri'; font-size:12pt; font-weight:400; font-style:normal;"&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd"&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name="qrichtext" content="1" /&gt;&lt;meta charset="utf-8" /&gt;&lt;style type="text/css"&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=" font-family:'Calibri'; font-size:12pt; font-weight:400; font-style:normal;"&gt;
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;"&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
 </context>
 <context>
  <name>AdvertiseDialog</name>
  <message>
   <source>Dialog</source>
   <translation>广告</translation>
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
   <source>%1 %2 is out of range (0 to 4294967295).</source>
   <translation>%1 %2 超出范围（0 至 4294967295）。</translation>
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
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;Read  parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;读取参数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
  </message>
  <message>
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;Generate a random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;生成随机数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
  </message>
  <message>
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;Lock random number&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;锁定随机数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
  </message>
  <message>
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;Configuration parameter&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;配置参数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
  </message>
  <message>
   <source>产品 : </source>
   <translation>产品 : </translation>
  </message>
  <message>
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-size:10pt; font-weight:600; font-style:italic;"&gt;Fjord Series - B9600 &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=" font-size:10pt; font-weight:600; font-style:italic;"&gt;Half Fjord Series - B115200&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-size:10pt; font-weight:600; font-style:italic;"&gt;Fjord 系列 - B9600 &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=" font-size:10pt; font-weight:600; font-style:italic;"&gt;Half Fjord 系列 - B115200&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
  </message>
  <message>
   <source>KV5</source>
   <translation>KV5</translation>
  </message>
  <message>
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-size:10pt; font-weight:600; font-style:italic;"&gt;Data mode baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-size:10pt; font-weight:600; font-style:italic;"&gt;数据模式波特率&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;Transmission baudrate&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-family:'Arial','Microsoft YaHei','微软雅黑','宋体','Malgun Gothic','Meiryo','sans-serif'; font-size:10pt; font-weight:600; font-style:italic; color:#333333; background-color:#f7f8fa;"&gt;透传波特率&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
   <source>The profile was refused: its "%1" is %2, the unit's is %3.</source>
   <translation>配置方案被拒绝：其“%1”为 %2，设备的为 %3。</translation>
  </message>
  <message>
   <source>Provisioning record</source>
   <translation>配置记录</translation>
  </message>
  <message>
   <source>CSV files (*.csv);;All files (*)</source>
   <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
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
   <source>The record %1 could not be written: %2</source>
   <translation>记录 %1 无法写入：%2</translation>
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
   <source>Writing %1 of %2…</source>
   <translation>正在写入第 %1 条，共 %2 条…</translation>
  </message>
  <message>
   <source>Checking…</source>
   <translation>正在校验…</translation>
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
   <source>unknown error</source>
   <translation>未知错误</translation>
  </message>
  <message>
   <source>Storing…</source>
   <translation>正在保存…</translation>
  </message>
  <message>
   <source>Nothing was stored: the record %1 could not be written: %2</source>
   <translation>未保存任何内容：记录 %1 无法写入：%2</translation>
  </message>
  <message>
   <source>Writes are no longer recorded in %1.</source>
   <translation>写入不再记录到 %1。</translation>
  </message>
  <message>
   <source>Recording to %1</source>
   <translation>正在记录到 %1</translation>
  </message>
 </context>
 <context>
  <name>ProfileFile</name>
  <message>
   <source>"%1" is missing</source>
   <translation>缺少“%1”</translation>
  </message>
  <message>
   <source>"%1" must be one of %2</source>
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
   <source>unknown key "%1"</source>
   <translation>未知的键“%1”</translation>
  </message>
  <message>
   <source>"kvx-profile" must be %1</source>
   <translation>“kvx-profile”必须为 %1</translation>
  </message>
  <message>
   <source>"settings" must be an object</source>
   <translation>“settings”必须是对象</translation>
  </message>
  <message>
   <source>unknown key "settings.%1"</source>
   <translation>未知的键“settings.%1”</translation>
  </message>
  <message>
   <source>"settings.%1" must be a string, a number or true/false</source>
   <translation>“settings.%1”必须是字符串、数字或 true/false</translation>
  </message>
  <message>
   <source>"settings.%1": %2 is not allowed for %3 %4 (allowed: %5)</source>
   <translation>“settings.%1”：%3 %4 不允许 %2（允许：%5）</translation>
  </message>
  <message>
   <source>key "%1" is given twice</source>
   <translation>键 "%1" 出现了两次</translation>
  </message>
  <message>
   <source>"settings.%1" must be a whole number 0 … 4294967295</source>
   <translation>"settings.%1" 必须是 0 … 4294967295 之间的整数</translation>
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
   <source>not a serial device, or the device went away</source>
   <translation>不是串口设备，或设备已断开</translation>
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
   <source>the record could not be written: %1</source>
   <translation>记录无法写入：%1</translation>
  </message>
  <message>
   <source>the unit did not report its pass-through rate</source>
   <translation>设备没有报告透传波特率</translation>
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
   <source>refused: the modem answered ERROR to %1 (the other lines were stored)</source>
   <translation>被拒绝：调制解调器对 %1 应答 ERROR（其余各行已保存）</translation>
  </message>
  <message>
   <source>refused: the modem answered ERROR to %1 (nothing was stored)</source>
   <translation>被拒绝：调制解调器对 %1 应答 ERROR（未保存任何内容）</translation>
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
   <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-style:italic;"&gt;Website : &lt;/span&gt;&lt;a href="https://www.kvx.example.com/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;https://www.kvx.example.com/&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
   <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=" font-style:italic;"&gt;网站 : &lt;/span&gt;&lt;a href="https://www.kvx.example.com/"&gt;&lt;span style=" text-decoration: underline; color:#0000ff;"&gt;https://www.kvx.example.com/&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
</TS>
