<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About duoband</source>
        <translation>关于 duoband</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>许可证：%1</translation>
    </message>
    <message>
        <source>The licence&apos;s own words, which alone are binding:</source>
        <translation>许可证原文如下（以原文为准）：</translation>
    </message>
    <message>
        <source>duoband %1
Programs a dual-band handheld two-way radio over a serial port.

%2

Data folder (password, company name, background):
%3

Preferences (window, last port, last folder):
%4</source>
        <translation>duoband %1
通过串口为双频手持对讲机写频。

%2

数据文件夹（密码、公司名称、背景）：
%3

偏好设置（窗口、上次的端口、上次的文件夹）：
%4</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Backups kept</source>
        <translation>已保存的备份</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
</context>
<context>
    <name>ChannelSheet</name>
    <message>
        <source>No programmed channels</source>
        <translation>没有已编程的信道</translation>
    </message>
    <message>
        <source>File: %1 &amp;nbsp;&amp;nbsp; Printed: %2</source>
        <translation>文件：%1 &amp;nbsp;&amp;nbsp; 打印日期：%2</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1, with changes not saved in the file</source>
        <translation>%1（含未保存到文件的修改）</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Enter or F2 edits the cell.</source>
        <translation>按 Enter 或 F2 编辑此单元格。</translation>
    </message>
    <message>
        <source>Band A</source>
        <translation>A 段</translation>
    </message>
    <message>
        <source>Band B</source>
        <translation>B 段</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 信道</translation>
    </message>
    <message>
        <source>%1, channel %2</source>
        <translation>%1，信道 %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>ChannelTablePage</name>
    <message>
        <source>Channel %1: tone, power and flags set to their defaults — Ctrl+Z restores them</source>
        <translation>信道 %1：亚音、功率和各开关已设为默认值 — Ctrl+Z 可恢复</translation>
    </message>
    <message>
        <source>Cut %1 cells</source>
        <translation>剪切 %1 个单元格</translation>
    </message>
    <message>
        <source>Delete %1 cells</source>
        <translation>删除 %1 个单元格</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>粘贴 %1 个单元格</translation>
    </message>
    <message>
        <source>%1 cells were not pasted:</source>
        <translation>%1 个单元格未粘贴：</translation>
    </message>
    <message>
        <source>The paste stopped at channel %1; %2 rows were left out.</source>
        <translation>粘贴在信道 %1 处停止；%2 行未粘贴。</translation>
    </message>
    <message>
        <source>%1 cells beyond the Name column were left out.</source>
        <translation>信道名称列之后的 %1 个单元格未粘贴。</translation>
    </message>
    <message>
        <source>Channel %1 is not empty and will be dropped. Insert?</source>
        <translation>信道 %1 不为空，将被丢弃。仍要插入吗？</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>插入 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>Move channels up</source>
        <translation>上移信道</translation>
    </message>
    <message>
        <source>Move channels down</source>
        <translation>下移信道</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>清除 %1</translation>
    </message>
    <message>
        <source>Fill %1 cells</source>
        <translation>填充 %1 个单元格</translation>
    </message>
    <message>
        <source>Fill series in %1 cells</source>
        <translation>在 %1 个单元格中填充序列</translation>
    </message>
    <message>
        <source>Repeater offset on %1 channels</source>
        <translation>为 %1 个信道设置中继差频</translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation>按%1排序</translation>
    </message>
    <message>
        <source>%1 values were not taken:</source>
        <translation>%1 个值未采用：</translation>
    </message>
</context>
<context>
    <name>CompanyNameDialog</name>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>No Empty!</source>
        <translation>不能为空！</translation>
    </message>
    <message>
        <source> Company Name:</source>
        <translation> 公司名称：</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; on &quot;%2&quot;</source>
        <translation>“%2”中的“%1”</translation>
    </message>
    <message>
        <source>no differences</source>
        <translation>没有差异</translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation>1 处差异</translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation>%1 处差异</translation>
    </message>
    <message>
        <source>, 1 note</source>
        <translation>，1 条说明</translation>
    </message>
    <message>
        <source>, %1 notes</source>
        <translation>，%1 条说明</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>This configuration</source>
        <translation>当前配置</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>另一方</translation>
    </message>
    <message>
        <source>Compared with %1: %2</source>
        <translation>比较对象：%1（%2）</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>说明：%1</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>未比较</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The file %1 is empty.</source>
        <translation>文件 %1 是空的。</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>FillSeriesDialog</name>
    <message>
        <source>Fill Series</source>
        <translation>填充序列</translation>
    </message>
    <message>
        <source>Fills the selected channel.</source>
        <translation>填充所选信道。</translation>
    </message>
    <message>
        <source>Fills the %1 selected channels in order.</source>
        <translation>按顺序填充所选的 %1 个信道。</translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <translation>列(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>值(&amp;V)：</translation>
    </message>
    <message>
        <source>&amp;Step (MHz):</source>
        <translation>步进 (MHz)(&amp;S)：</translation>
    </message>
    <message>
        <source>{n} &amp;from</source>
        <translation>{n} 起始(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;by</source>
        <translation>步长(&amp;B)</translation>
    </message>
    <message>
        <source>First values:</source>
        <translation>前几个值：</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>填充(&amp;F)</translation>
    </message>
    <message>
        <source>S&amp;tart (MHz):</source>
        <translation>起始 (MHz)(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>模式(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>FindReplaceDialog</name>
    <message>
        <source>Find and Replace</source>
        <translation>查找和替换</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>查找(&amp;I)：</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>替换为(&amp;W)：</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>W&amp;hole cell</source>
        <translation>整个单元格(&amp;H)</translation>
    </message>
    <message>
        <source>Every &amp;column, not only the names</source>
        <translation>所有列，而不只是名称(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>查找下一个(&amp;F)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
</context>
<context>
    <name>ImportStartDialog</name>
    <message>
        <source>Import channels</source>
        <translation>导入信道</translation>
    </message>
    <message numerus="yes">
        <source>The file names no channels. Its %n row(s) go one after the other from:</source>
        <translation>
            <numerusform>文件未指明信道。它的 %n 行将从以下位置依次放入：</numerusform>
        </translation>
    </message>
    <message>
        <source>A/Upper Band</source>
        <translation>A/上段</translation>
    </message>
    <message>
        <source>B/Under Band</source>
        <translation>B/下段</translation>
    </message>
    <message>
        <source>&amp;Band:</source>
        <translation>频段(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>起始信道(&amp;F):</translation>
    </message>
</context>
<context>
    <name>LimitFrequencyPage</name>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Read Boot Message</source>
        <translation>读取开机信息</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Read Limits</source>
        <translation>读取频率限制</translation>
    </message>
    <message>
        <source>Write Boot Message</source>
        <translation>写入开机信息</translation>
    </message>
    <message>
        <source>Write Limits</source>
        <translation>写入频率限制</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>Cannot open the picture %1: %2</source>
        <translation>无法打开图片 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a JPEG picture: %2</source>
        <translation>%1 不是 JPEG 图片：%2</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>密码 :</translation>
    </message>
    <message>
        <source>Login </source>
        <translation>登录 </translation>
    </message>
    <message>
        <source>Replace Background</source>
        <translation>更换背景</translation>
    </message>
    <message>
        <source>Password Error!</source>
        <translation>密码错误！</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>备份...</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;A/Upper Band Channel</source>
        <translation>A/上段信道(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;B/Under Band Channel</source>
        <translation>B/下段信道(&amp;B)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Insert empty channel</source>
        <translation>插入空信道</translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>C&amp;lear channels</source>
        <translation>清除信道(&amp;L)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation>备注(&amp;N)</translation>
    </message>
    <message>
        <source>Amend &amp;Password</source>
        <translation>修改密码(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>  New  </source>
        <translation>  新建  </translation>
    </message>
    <message>
        <source>  Open  </source>
        <translation>  打开  </translation>
    </message>
    <message>
        <source>  Save   </source>
        <translation>  保存   </translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Settings file (*.bc);;Radio image (*.img)</source>
        <translation>设置文件 (*.bc);;电台映像 (*.img)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>More tool bar buttons</source>
        <translation>更多工具栏按钮</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的更改吗？</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source>Do you want to New?</source>
        <translation>确定要新建吗？</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>打开 %1</translation>
    </message>
    <message>
        <source>Some cells hold a text that is not one of their list&apos;s entries. Pick an entry in each before writing:
%1</source>
        <translation>有些单元格的内容不是列表中的选项。写频前请为每个单元格选择一个选项：
%1</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 已存在。要替换吗？</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>保存成功!</translation>
    </message>
    <message>
        <source>A settings file cannot hold this configuration:
%1

Save it as the image %2 instead?</source>
        <translation>设置文件无法保存此配置：
%1

改为保存为映像 %2 吗？</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>已保存备份：%1</translation>
    </message>
    <message>
        <source>No backup: %1</source>
        <translation>未保存备份：%1</translation>
    </message>
    <message>
        <source>Channels as &amp;CSV…</source>
        <translation>信道为 CSV(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>Channel sheet as &amp;PDF…</source>
        <translation>信道表为 PDF(&amp;P)…</translation>
    </message>
    <message>
        <source>Channels from &amp;CSV…</source>
        <translation>从 CSV 导入信道(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>打印…</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 项</translation>
    </message>
    <message>
        <source>Export channels as CSV</source>
        <translation>将信道导出为 CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) exported to %1.</source>
        <translation>
            <numerusform>已将 %n 个信道导出到 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Not everything could go into the file:</source>
        <translation>并非所有内容都能写入文件：</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>从 CSV 导入信道</translation>
    </message>
    <message>
        <source>%1 cannot be imported:
%2</source>
        <translation>无法导入 %1：
%2</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>导入 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) imported from %1.</source>
        <translation>
            <numerusform>已从 %1 导入 %n 个信道。</numerusform>
        </translation>
    </message>
    <message>
        <source>Rows skipped and values changed (Undo takes the import back):</source>
        <translation>跳过的行和更改的值（撤销可取消导入）：</translation>
    </message>
    <message>
        <source>Export channel sheet as PDF</source>
        <translation>将信道表导出为 PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Channel sheet saved as %1</source>
        <translation>信道表已保存为 %1</translation>
    </message>
    <message>
        <source>Sheet for a &amp;Customer (No Remote Codes)</source>
        <translation>客户用信道表（不含遥控码）(&amp;C)</translation>
    </message>
    <message>
        <source>untitled (%1)</source>
        <translation>未命名（%1）</translation>
    </message>
    <message>
        <source>from the backup %1</source>
        <translation>来自备份 %1</translation>
    </message>
    <message>
        <source>%1 is in the backup folder, which keeps only the backups of reads and writes. Choose another folder.</source>
        <translation>%1 位于备份文件夹中，该文件夹只存放读写频的备份。请另选文件夹。</translation>
    </message>
    <message>
        <source>read from %1</source>
        <translation>从 %1 读频</translation>
    </message>
    <message>
        <source>part of a read from %1</source>
        <translation>从 %1 读频的部分内容</translation>
    </message>
    <message>
        <source>Keep What Arrived</source>
        <translation>保留已收到的内容</translation>
    </message>
    <message>
        <source>Compare With &amp;File…</source>
        <translation>与文件比较(&amp;F)…</translation>
    </message>
    <message>
        <source>Compare With Bac&amp;kup…</source>
        <translation>与备份比较(&amp;K)…</translation>
    </message>
    <message>
        <source>Program &amp;Many Radios…</source>
        <translation>批量写频(&amp;M)…</translation>
    </message>
    <message>
        <source>Compare With Ra&amp;dio…</source>
        <translation>与电台比较(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Take Other Value</source>
        <translation>采用另一方的值(&amp;T)</translation>
    </message>
    <message>
        <source>Ta&amp;ke All</source>
        <translation>全部采用(&amp;K)</translation>
    </message>
    <message>
        <source>Many Radios</source>
        <translation>批量写频</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>清除列表</translation>
    </message>
    <message>
        <source>%1 is no longer there: it was moved, renamed or deleted. It is taken off the Open Recent list.</source>
        <translation>%1 已不存在：它已被移动、重命名或删除。已将它从“最近打开”列表中移除。</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>The channel differs from %1 in bytes no column shows</source>
        <translation>该信道与 %1 的差异在于未显示在任何列中的字节</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 中为 %2</translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation>与文件比较</translation>
    </message>
    <message>
        <source>Compare With Backup</source>
        <translation>与备份比较</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>the backup %1</source>
        <translation>备份 %1</translation>
    </message>
    <message>
        <source>the radio on %1</source>
        <translation>%1 上的电台</translation>
    </message>
    <message>
        <source>This configuration cannot be compared: %1</source>
        <translation>无法比较当前配置：%1</translation>
    </message>
    <message>
        <source>Take Other Value</source>
        <translation>采用另一方的值</translation>
    </message>
    <message>
        <source>Take All</source>
        <translation>全部采用</translation>
    </message>
    <message>
        <source>1 value was not taken:</source>
        <translation>1 个值未采用：</translation>
    </message>
    <message>
        <source>%1 values were not taken:</source>
        <translation>%1 个值未采用：</translation>
    </message>
    <message>
        <source>Jobs are recorded in %1.</source>
        <translation>作业记录在 %1 中。</translation>
    </message>
    <message>
        <source>No cell holds &quot;%1&quot;.</source>
        <translation>没有单元格含有“%1”。</translation>
    </message>
    <message>
        <source>No channel name holds &quot;%1&quot;.</source>
        <translation>没有信道名称含有“%1”。</translation>
    </message>
    <message>
        <source>Replace %1 cells</source>
        <translation>替换 %1 个单元格</translation>
    </message>
    <message>
        <source>1 cell replaced.</source>
        <translation>已替换 1 个单元格。</translation>
    </message>
    <message>
        <source>%1 cells replaced.</source>
        <translation>已替换 %1 个单元格。</translation>
    </message>
    <message>
        <source>Radio Re&amp;gister…</source>
        <translation>电台登记库(&amp;G)…</translation>
    </message>
    <message>
        <source>Fill Selection</source>
        <translation>填充所选单元格</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>信道(&amp;C)</translation>
    </message>
    <message>
        <source>Fill &amp;Series…</source>
        <translation>填充序列(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Repeater Offset…</source>
        <translation>中继差频(&amp;R)…</translation>
    </message>
    <message>
        <source>S&amp;ort…</source>
        <translation>排序(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>查找(&amp;F)…</translation>
    </message>
    <message>
        <source>Find and Re&amp;place…</source>
        <translation>查找和替换(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Check Channel Plan</source>
        <translation>检查信道规划(&amp;C)</translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>Radio &amp;Register…</source>
        <translation>电台登记库(&amp;R)…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Amend Password</source>
        <translation>修改密码</translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation>旧密码:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>新密码:</translation>
    </message>
    <message>
        <source>Password error!</source>
        <translation>密码错误！</translation>
    </message>
</context>
<context>
    <name>PlanCheckPanel</name>
    <message>
        <source>no problems</source>
        <translation>没有问题</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 个问题</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 个问题</translation>
    </message>
    <message>
        <source>, 1 note</source>
        <translation>，1 条提示</translation>
    </message>
    <message>
        <source>, %1 notes</source>
        <translation>，%1 条提示</translation>
    </message>
    <message>
        <source>Channel plan problems</source>
        <translation>信道规划问题</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Close the channel plan check</source>
        <translation>关闭信道规划检查</translation>
    </message>
    <message>
        <source>Float the channel plan check</source>
        <translation>使信道规划检查浮动</translation>
    </message>
    <message>
        <source>Channel plan: %1</source>
        <translation>信道规划：%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>提示：%1</translation>
    </message>
</context>
<context>
    <name>PlanProblemsDialog</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>The channel plan has 1 problem.</source>
        <translation>信道规划有 1 个问题。</translation>
    </message>
    <message>
        <source>The channel plan has %1 problems.</source>
        <translation>信道规划有 %1 个问题。</translation>
    </message>
    <message>
        <source>Write the radio anyway, or cancel and correct it (Channels &gt; Check Channel Plan lists the problems)?</source>
        <translation>仍要写频，还是取消并改正（信道 &gt; 检查信道规划 会列出问题）？</translation>
    </message>
    <message>
        <source>Check Channel Plan</source>
        <translation>检查信道规划</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>仍要写频</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>The serial port of the programming cable; the list follows the cables.</source>
        <translation>写频线的串口；列表随写频线的插拔而更新。</translation>
    </message>
    <message>
        <source>No serial port was found.</source>
        <translation>未找到串口。</translation>
    </message>
    <message>
        <source>The cable of %1 was pulled out.</source>
        <translation>%1 的写频线已拔出。</translation>
    </message>
    <message>
        <source>in use by the station</source>
        <translation>正被批量写频占用</translation>
    </message>
    <message>
        <source>While the station is open, it has every port; closing it gives the port back.</source>
        <translation>批量写频窗口打开期间占用所有端口；关闭该窗口即可释放端口。</translation>
    </message>
</context>
<context>
    <name>PortStatus</name>
    <message>
        <source>COM Port:</source>
        <translation>串口:</translation>
    </message>
    <message>
        <source>The port is used!</source>
        <translation>端口被占用!</translation>
    </message>
    <message>
        <source>No port!</source>
        <translation>没有端口!</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(cannot be read)</source>
        <translation>（无法读取）</translation>
    </message>
    <message>
        <source>Edit %1 of channel %2</source>
        <translation>编辑信道 %2 的 %1</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 个信道</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 信道</translation>
    </message>
</context>
<context>
    <name>ReadDialog</name>
    <message>
        <source>Read</source>
        <translation>读频</translation>
    </message>
    <message>
        <source>Read cancelled: nothing was changed</source>
        <translation>读频已取消：未做任何更改</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>未做任何更改。</translation>
    </message>
    <message>
        <source>%1 of %2 steps arrived. Keep What Arrived puts them on the start-up configuration as a new, untitled configuration.</source>
        <translation>已收到 %2 步中的 %1 步。“保留已收到的内容”会把它们放到初始配置上，作为一个新的未命名配置。</translation>
    </message>
    <message>
        <source>Keep What Arrived</source>
        <translation>保留已收到的内容</translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation>与电台比较</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
</context>
<context>
    <name>RegisterSettingsDialog</name>
    <message>
        <source>Radio Register</source>
        <translation>电台登记库</translation>
    </message>
    <message>
        <source>Register address</source>
        <translation>登记库地址</translation>
    </message>
    <message>
        <source>The register every job is recorded in: a SQLite &amp;file, or a postgresql:// address shared by several benches. Empty: %1. The password of a server goes in ~/.pgpass or PGPASSWORD, never in the address.</source>
        <translation>记录每个作业的登记库：一个 SQLite 文件(&amp;F)，或由多个工作台共用的 postgresql:// 地址。留空：%1。服务器的密码放在 ~/.pgpass 或 PGPASSWORD 中，不能写在地址里。</translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Native ID</source>
        <translation>本机 ID</translation>
    </message>
    <message>
        <source>Identity code</source>
        <translation>身份码</translation>
    </message>
    <message>
        <source>Boot line 1</source>
        <translation>开机信息 1</translation>
    </message>
    <message>
        <source>Boot line 2</source>
        <translation>开机信息 2</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Last programmed</source>
        <translation>最后写频时间</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Edit %1&apos;s label and notes</source>
        <translation>编辑 %1 的标签和备注</translation>
    </message>
    <message>
        <source>Radio Register</source>
        <translation>电台登记库</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>电台组</translation>
    </message>
    <message>
        <source>&amp;Fleet:</source>
        <translation>电台组(&amp;F)：</translation>
    </message>
    <message>
        <source>Filter the radios</source>
        <translation>筛选电台</translation>
    </message>
    <message>
        <source>Text in any column</source>
        <translation>任意列中的文字</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>筛选(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;New Fleet…</source>
        <translation>新建电台组(&amp;N)…</translation>
    </message>
    <message>
        <source>New Fleet</source>
        <translation>新建电台组</translation>
    </message>
    <message>
        <source>Import &amp;Roster…</source>
        <translation>导入名单(&amp;R)…</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>导入名单</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>导出 CSV(&amp;E)…</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>刷新(&amp;F)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Radios of the fleet</source>
        <translation>电台组中的电台</translation>
    </message>
    <message>
        <source>R&amp;adios (Label and Notes can be edited):</source>
        <translation>电台（标签和备注可编辑）(&amp;A)：</translation>
    </message>
    <message>
        <source>Jobs of the chosen radio</source>
        <translation>所选电台的作业</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>&amp;Jobs of the chosen radio, newest first:</source>
        <translation>所选电台的作业，最新的在前(&amp;J)：</translation>
    </message>
    <message>
        <source>&amp;Compare With Backup</source>
        <translation>与备份比较(&amp;C)</translation>
    </message>
    <message>
        <source>Compare With Backup</source>
        <translation>与备份比较</translation>
    </message>
    <message>
        <source>&amp;Open Backup</source>
        <translation>打开备份(&amp;O)</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>打开备份</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>重做(&amp;D)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Register status</source>
        <translation>登记库状态</translation>
    </message>
    <message>
        <source>The register cannot be read: %1</source>
        <translation>无法读取登记库：%1</translation>
    </message>
    <message>
        <source>%1 (1 radio; numbering: %2)</source>
        <translation>%1（1 台电台；编号：%2）</translation>
    </message>
    <message>
        <source>%1 (%2 radios; numbering: %3)</source>
        <translation>%1（%2 台电台；编号：%3）</translation>
    </message>
    <message>
        <source>The register holds no fleet yet: New Fleet… adds one.</source>
        <translation>登记库中还没有电台组：用“新建电台组…”添加一个。</translation>
    </message>
    <message>
        <source>Label and notes kept in the register.</source>
        <translation>标签和备注已保存到登记库。</translation>
    </message>
    <message>
        <source>Label and notes not kept: %1</source>
        <translation>标签和备注未保存：%1</translation>
    </message>
    <message>
        <source>Fleet name</source>
        <translation>电台组名称</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>N&amp;umbering (FIELD=START, none or more):</source>
        <translation>编号（字段=起始值，可不填或填多个）(&amp;U)：</translation>
    </message>
    <message>
        <source>Give the fleet a name.</source>
        <translation>请为电台组命名。</translation>
    </message>
    <message>
        <source>Fleet %1 not added: %2</source>
        <translation>未添加电台组 %1：%2</translation>
    </message>
    <message>
        <source>Fleet %1 added.</source>
        <translation>已添加电台组 %1。</translation>
    </message>
    <message>
        <source>Choose the fleet the roster is for first.</source>
        <translation>请先选择名单所属的电台组。</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>正在导入 %1…</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>未导入任何内容：%1</translation>
    </message>
    <message>
        <source>1 radio planned in fleet %1.</source>
        <translation>已在电台组 %1 中计划 1 台电台。</translation>
    </message>
    <message>
        <source>%1 radios planned in fleet %2.</source>
        <translation>已在电台组 %2 中计划 %1 台电台。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Nothing imported from %1; correct the rows named below.</source>
        <translation>未从 %1 导入任何内容；请改正下面列出的行。</translation>
    </message>
    <message>
        <source>Nothing imported from %1.</source>
        <translation>未从 %1 导入任何内容。</translation>
    </message>
    <message>
        <source>1 radio exported to %1.</source>
        <translation>已将 1 台电台导出到 %1。</translation>
    </message>
    <message>
        <source>%1 radios exported to %2.</source>
        <translation>已将 %1 台电台导出到 %2。</translation>
    </message>
    <message>
        <source>planned</source>
        <translation>计划中</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>已预留</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>已写频</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>RepeaterOffsetDialog</name>
    <message>
        <source>Repeater Offset</source>
        <translation>中继差频</translation>
    </message>
    <message>
        <source>Transmission Frequency of the selected channels</source>
        <translation>所选信道的发射频率</translation>
    </message>
    <message>
        <source>Receiving Frequency &amp;minus the offset</source>
        <translation>接收频率减去差频(&amp;M)</translation>
    </message>
    <message>
        <source>Receiving Frequency &amp;plus the offset</source>
        <translation>接收频率加上差频(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Simplex: the same as the Receiving Frequency</source>
        <translation>同频(&amp;S)：与接收频率相同</translation>
    </message>
    <message>
        <source>Usual offsets: 0.6 MHz (2 m), 5 MHz or 7.6 MHz (70 cm)</source>
        <translation>常用差频：0.6 MHz（2 米），5 MHz 或 7.6 MHz（70 厘米）</translation>
    </message>
    <message>
        <source>&amp;Offset (MHz):</source>
        <translation>差频 (MHz)(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>设置(&amp;S)</translation>
    </message>
</context>
<context>
    <name>SmallDialogs</name>
    <message>
        <source>Amend</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SortDialog</name>
    <message>
        <source>Sort Channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>排序依据(&amp;B)：</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>顺序</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>升序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>降序(&amp;D)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>The &amp;selected channels</source>
        <translation>所选信道(&amp;S)</translation>
    </message>
    <message>
        <source>The &amp;whole band</source>
        <translation>整个频段(&amp;W)</translation>
    </message>
    <message>
        <source>Empty channels go last. The channel numbers stay; the channels move.</source>
        <translation>空信道排在最后。信道号不变，移动的是信道内容。</translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation>排序(&amp;O)</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读频中</translation>
    </message>
    <message>
        <source>Reading first</source>
        <translation>先读取中</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>写频中</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>校验中</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Program Many Radios — %1</source>
        <translation>批量写频 — %1</translation>
    </message>
    <message>
        <source>Each radio</source>
        <translation>每台电台</translation>
    </message>
    <message>
        <source>&amp;Read the radio first and keep what it held</source>
        <translation>先读取电台并保存其原有内容(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>写频后校验(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Fast transfer</source>
        <translation>快速传输(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Start when a radio is plugged in</source>
        <translation>插入电台时自动开始(&amp;S)</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Next %1</source>
        <translation>下一个%1</translation>
    </message>
    <message>
        <source>next number:</source>
        <translation>下一个编号:</translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation>日志文件(&amp;L):</translation>
    </message>
    <message>
        <source>Log file</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>选择(&amp;H)…</translation>
    </message>
    <message>
        <source>Choose the log file</source>
        <translation>选择日志文件</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>电台</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>&amp;Program Listed Ports</source>
        <translation>为列出的端口写频(&amp;P)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Log File</source>
        <translation>日志文件</translation>
    </message>
    <message>
        <source>Station log (*.csv)</source>
        <translation>批量写频日志 (*.csv)</translation>
    </message>
    <message>
        <source>Stopping: each radio stops after its current frame.</source>
        <translation>正在停止：每台电台在当前数据帧完成后停止。</translation>
    </message>
    <message>
        <source>Numbering of the %1 continues at %2, past the numbers the log holds.</source>
        <translation>%1 的编号从 %2 继续，跳过日志中已有的编号。</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>%1 的进度</translation>
    </message>
    <message>
        <source>Done: %1    Failed: %2    Running: %3</source>
        <translation>已完成：%1    失败：%2    进行中：%3</translation>
    </message>
    <message numerus="yes">
        <source>%n radio(s) are being written. Stop them after their current frame and close the station?</source>
        <translation>
            <numerusform>%n 台电台正在写频。要在当前数据帧完成后停止它们并关闭批量写频窗口吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop and Close</source>
        <translation>停止并关闭</translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation>继续运行</translation>
    </message>
    <message>
        <source>&amp;Keep each radio&apos;s identity</source>
        <translation>保留每台电台的身份(&amp;K)</translation>
    </message>
    <message>
        <source>Each radio is read first: one the fleet knows by its native ID gets its own values again, another one the fleet&apos;s next radio.</source>
        <translation>先读取每台电台：电台组按本机 ID 认出的电台再次得到它自己的值，其他电台得到电台组的下一台电台的值。</translation>
    </message>
    <message>
        <source>Fl&amp;eet:</source>
        <translation>电台组(&amp;E)：</translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation>电台组</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Boot Line 1</source>
        <translation>开机信息 1</translation>
    </message>
    <message>
        <source>Boot Line 2</source>
        <translation>开机信息 2</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Not started: the channel plan has problems not answered &quot;Write Anyway&quot; (Program Listed Ports asks again).</source>
        <translation>未开始：信道规划有问题，且未回答“仍要写频”（“为列出的端口写频”会再次询问）。</translation>
    </message>
    <message>
        <source>Taking the fleet&apos;s next radio from the register…</source>
        <translation>正在从登记库取电台组的下一台电台…</translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation>在开始前已停止。</translation>
    </message>
    <message>
        <source>No radio of the fleet %1 was taken: %2</source>
        <translation>未从电台组 %1 取得电台：%2</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>警告：%1</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Fast transfer</source>
        <translation>快速传输</translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation>%1已取消</translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>Stop writing? The radio will hold a mix of old and new settings.</source>
        <translation>停止写频吗？电台中将混有新旧设置。</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写频</translation>
    </message>
    <message>
        <source>Read the radio first and keep what it held</source>
        <translation>先读取电台并保存其原有内容</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写频后校验</translation>
    </message>
    <message>
        <source>Reading the radio first failed: %1
Write all the same?</source>
        <translation>先读取电台失败：%1
仍要写频吗？</translation>
    </message>
    <message>
        <source>Reading what the radio holds: %v of %m</source>
        <translation>正在读取电台现有内容：%v / %m</translation>
    </message>
    <message>
        <source>Writing: %v of %m</source>
        <translation>正在写频：%v / %m</translation>
    </message>
    <message>
        <source>Verifying: %v of %m</source>
        <translation>正在校验：%v / %m</translation>
    </message>
</context>
<context>
    <name>duoband</name>
    <message>
        <source>Is the radio switched on, in range of the cable and set to this port?</source>
        <translation>电台是否已开机、在数据线可及范围内，并设置为此端口？</translation>
    </message>
    <message>
        <source>the line went away</source>
        <translation>线路已断开</translation>
    </message>
    <message>
        <source>the radio sent more data than any answer holds</source>
        <translation>电台发来的数据比任何应答都多</translation>
    </message>
    <message>
        <source>Is this the radio&apos;s programming cable, with no other device sending on it?</source>
        <translation>这是电台的写频线吗？是否有其他设备在这条线上发送数据？</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <source>the acknowledgement came too late</source>
        <translation>确认应答来得太晚</translation>
    </message>
    <message>
        <source>the answer came too late</source>
        <translation>应答来得太晚</translation>
    </message>
    <message>
        <source>Try again; if it keeps coming late, check the cable and its adapter.</source>
        <translation>请重试；如果一直来得太晚，请检查数据线及其转接器。</translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation>没有收到任何应答</translation>
    </message>
    <message>
        <source>the radio refused the frame (NAK, 0x15)</source>
        <translation>电台拒绝了该数据帧（NAK，0x15）</translation>
    </message>
    <message>
        <source>%1 byte came back instead of the acknowledgement</source>
        <translation>收到 %1 个字节，而不是确认应答</translation>
    </message>
    <message>
        <source>%1 bytes came back instead of the acknowledgement</source>
        <translation>收到 %1 个字节，而不是确认应答</translation>
    </message>
    <message>
        <source>%1 byte of %2 came back</source>
        <translation>收到 %2 个字节中的 %1 个</translation>
    </message>
    <message>
        <source>%1 bytes of %2 came back</source>
        <translation>收到 %2 个字节中的 %1 个</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3 on %4. %5</source>
        <translation>第 %1 步（共 %2 步）：%4 上%3。%5</translation>
    </message>
    <message>
        <source>Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ</source>
        <translation>接收频率范围 136~176MHZ 220~250MHZ 400~490MHZ</translation>
    </message>
    <message>
        <source>Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ</source>
        <translation>发射频率范围 136~176MHZ 220~250MHZ 400~490MHZ</translation>
    </message>
    <message>
        <source>Not a frequency! Enter MHz as digits with one point, e.g. 145.5</source>
        <translation>不是频率！请以 MHz 为单位输入数字和一个小数点，例如 145.5</translation>
    </message>
    <message>
        <source>Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ </source>
        <translation>接收频率范围 136~176MHZ 220~250MHZ 400~490MHZ </translation>
    </message>
    <message>
        <source>FM Frequency 88~108MHz</source>
        <translation>收音机频率 88~108MHz</translation>
    </message>
    <message>
        <source>DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D</source>
        <translation>DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D</translation>
    </message>
    <message>
        <source>Enter only these characters:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D</source>
        <translation>输入以下字符:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D</translation>
    </message>
    <message>
        <source>Not a number! Enter MHz as digits with one point</source>
        <translation>不是数字！请以 MHz 为单位输入数字和一个小数点</translation>
    </message>
    <message>
        <source>Frequency must lie in 0~42949.67294MHZ</source>
        <translation>频率必须在 0~42949.67294MHZ 之间</translation>
    </message>
    <message>
        <source>Verify success!</source>
        <translation>校验成功!</translation>
    </message>
    <message>
        <source>Verify failed: </source>
        <translation>校验失败：</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>DTMF1+Identity Code</source>
        <translation>DTMF1+身份码</translation>
    </message>
    <message>
        <source>DTMF2+Identity Code</source>
        <translation>DTMF2+身份码</translation>
    </message>
    <message>
        <source>DTMF3+Identity Code</source>
        <translation>DTMF3+身份码</translation>
    </message>
    <message>
        <source>DTMF4+Identity Code</source>
        <translation>DTMF4+身份码</translation>
    </message>
    <message>
        <source>DTMF5+Identity Code</source>
        <translation>DTMF5+身份码</translation>
    </message>
    <message>
        <source>DTMF6+Identity Code</source>
        <translation>DTMF6+身份码</translation>
    </message>
    <message>
        <source>DTMF7+Identity Code</source>
        <translation>DTMF7+身份码</translation>
    </message>
    <message>
        <source>DTMF8+Identity Code</source>
        <translation>DTMF8+身份码</translation>
    </message>
    <message>
        <source>Identity Code</source>
        <translation>身份码</translation>
    </message>
    <message>
        <source>QT/DQT</source>
        <translation>QT/DQT</translation>
    </message>
    <message>
        <source>QT/DQT+Signaling</source>
        <translation>QT/DQT+信令</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Frequency Mode</source>
        <translation>频率模式</translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation>信道模式</translation>
    </message>
    <message>
        <source>QT/DQT+ Signaling</source>
        <translation>QT/DQT+ 信令</translation>
    </message>
    <message>
        <source>Narrow Band</source>
        <translation>窄带</translation>
    </message>
    <message>
        <source>Wide Band</source>
        <translation>宽带</translation>
    </message>
    <message>
        <source>A/upper Band </source>
        <translation>A/上段 </translation>
    </message>
    <message>
        <source>B/Under Band</source>
        <translation>B/下段</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>On</source>
        <translation>常亮</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>遥晕</translation>
    </message>
    <message>
        <source>Kill</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <source>Working Mode :</source>
        <translation>工作模式 :</translation>
    </message>
    <message>
        <source>Working Mode:</source>
        <translation>工作模式:</translation>
    </message>
    <message>
        <source>Channel No.:</source>
        <translation>信道号:</translation>
    </message>
    <message>
        <source>Receiving Frequency: </source>
        <translation>接收频率: </translation>
    </message>
    <message>
        <source>Receiving CTCSS:</source>
        <translation>接收亚音:</translation>
    </message>
    <message>
        <source>Receiving Mode:</source>
        <translation>接收模式:</translation>
    </message>
    <message>
        <source>Transmission CTCSS:</source>
        <translation>发射亚音:</translation>
    </message>
    <message>
        <source>Launch Signaling:</source>
        <translation>发射起始信令:</translation>
    </message>
    <message>
        <source>Transmit end Signaling:</source>
        <translation>发射结束信令:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>功率:</translation>
    </message>
    <message>
        <source>Wide/Narrow Band:</source>
        <translation>宽/窄带:</translation>
    </message>
    <message>
        <source>Compandor:</source>
        <translation>压扩:</translation>
    </message>
    <message>
        <source>Scrambler:</source>
        <translation>加密:</translation>
    </message>
    <message>
        <source>Difference frequency direction:</source>
        <translation>差频方向:</translation>
    </message>
    <message>
        <source>Transmit Offset Frequency(MHZ):</source>
        <translation>发射差频(MHZ):</translation>
    </message>
    <message>
        <source>Frequency Step:</source>
        <translation>频率步进:</translation>
    </message>
    <message>
        <source>Optional Main Band</source>
        <translation>主频段选择</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>FM Frequency</source>
        <translation>收音机频率</translation>
    </message>
    <message>
        <source>Standby Backlight</source>
        <translation>待机背光</translation>
    </message>
    <message>
        <source>Receiving Backlight</source>
        <translation>接收背光</translation>
    </message>
    <message>
        <source>Transmit  Backlight</source>
        <translation>发射背光</translation>
    </message>
    <message>
        <source>Backlight Mode</source>
        <translation>背光模式</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Vibration Ring Time</source>
        <translation>振铃时间</translation>
    </message>
    <message>
        <source>Busy Channel Lock</source>
        <translation>遇忙禁发</translation>
    </message>
    <message>
        <source>Time Over Timer</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>Single Signaling choice</source>
        <translation>单音信令选择</translation>
    </message>
    <message>
        <source>DTMF Transmitting Time</source>
        <translation>DTMF 发送时间</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Repeater Mode</source>
        <translation>中继模式</translation>
    </message>
    <message>
        <source>DTMF1:</source>
        <translation>DTMF1:</translation>
    </message>
    <message>
        <source>DTMF2:</source>
        <translation>DTMF2:</translation>
    </message>
    <message>
        <source>DTMF3:</source>
        <translation>DTMF3:</translation>
    </message>
    <message>
        <source>DTMF4:</source>
        <translation>DTMF4:</translation>
    </message>
    <message>
        <source>DTMF5:</source>
        <translation>DTMF5:</translation>
    </message>
    <message>
        <source>DTMF6:</source>
        <translation>DTMF6:</translation>
    </message>
    <message>
        <source>DTMF7:</source>
        <translation>DTMF7:</translation>
    </message>
    <message>
        <source>DTMF8:</source>
        <translation>DTMF8:</translation>
    </message>
    <message>
        <source>Native ID Code</source>
        <translation>本机 ID 码</translation>
    </message>
    <message>
        <source>Master Control ID Code</source>
        <translation>主控 ID 码</translation>
    </message>
    <message>
        <source>Alarm Code</source>
        <translation>报警码</translation>
    </message>
    <message>
        <source>Identity Display Code</source>
        <translation>身份显示码</translation>
    </message>
    <message>
        <source>Revive Code</source>
        <translation>激活码</translation>
    </message>
    <message>
        <source>Remote Stun Code</source>
        <translation>遥晕码</translation>
    </message>
    <message>
        <source>Remote Kill Code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <source>Monitor Code</source>
        <translation>监听码</translation>
    </message>
    <message>
        <source>Current State</source>
        <translation>当前状态</translation>
    </message>
    <message>
        <source>Boot Information 1:</source>
        <translation>开机信息 1:</translation>
    </message>
    <message>
        <source>Boot Information 2:</source>
        <translation>开机信息 2:</translation>
    </message>
    <message>
        <source>Limit VHF Band (Low):</source>
        <translation>VHF 频段限制 (低):</translation>
    </message>
    <message>
        <source>Limit VHF Band (High):</source>
        <translation>VHF 频段限制 (高):</translation>
    </message>
    <message>
        <source>Limit UHF Band (Low):</source>
        <translation>UHF 频段限制 (低):</translation>
    </message>
    <message>
        <source>Limit UHF Band (High):</source>
        <translation>UHF 频段限制 (高):</translation>
    </message>
    <message>
        <source>Limit Frequency Band Mode:</source>
        <translation>频段限制模式:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Receiving Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Receiving CTCSS</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>Receiving Mode</source>
        <translation>接收模式</translation>
    </message>
    <message>
        <source>Transmission Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Transmission CTCSS</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>Launch Signaling</source>
        <translation>发射起始信令</translation>
    </message>
    <message>
        <source>Transmit end Signaling</source>
        <translation>发射结束信令</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Wide / Narrow</source>
        <translation>宽 / 窄</translation>
    </message>
    <message>
        <source>Compandor</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>信道名称</translation>
    </message>
    <message>
        <source>A/Upper Band Set up</source>
        <translation>A/上段设置</translation>
    </message>
    <message>
        <source>B/Under Band Set up</source>
        <translation>B/下段设置</translation>
    </message>
    <message>
        <source>Comprehensive Setting</source>
        <translation>综合设置</translation>
    </message>
    <message>
        <source>DTMF Groups</source>
        <translation>DTMF 组</translation>
    </message>
    <message>
        <source>Limit Frequency</source>
        <translation>频率限制</translation>
    </message>
    <message>
        <source>Block fields</source>
        <translation>数据块</translation>
    </message>
    <message>
        <source>A/Upper Band Channel</source>
        <translation>A/上段信道</translation>
    </message>
    <message>
        <source>B/Under Band Channel</source>
        <translation>B/下段信道</translation>
    </message>
    <message>
        <source>Read success!</source>
        <translation>读频成功!</translation>
    </message>
    <message>
        <source>Read Error!</source>
        <translation>读频错误!</translation>
    </message>
    <message>
        <source>Write success!</source>
        <translation>写频成功!</translation>
    </message>
    <message>
        <source>Write error!</source>
        <translation>写频错误!</translation>
    </message>
    <message>
        <source>Read Success!</source>
        <translation>读取成功!</translation>
    </message>
    <message>
        <source>Write Success!</source>
        <translation>写入成功!</translation>
    </message>
    <message>
        <source>Write Error!</source>
        <translation>写入错误!</translation>
    </message>
    <message>
        <source>Another exchange with the radio is running; wait until it has ended.</source>
        <translation>另一个与电台的通信正在进行；请等待其结束。</translation>
    </message>
    <message>
        <source>Out of memory: the last command was not completed. Save your work and close other programs.</source>
        <translation>内存不足：上一个命令未完成。请保存您的工作并关闭其他程序。</translation>
    </message>
    <message>
        <source>The new password holds a line break, a tab or another control character (pasted with it?), which could never be typed at the login. Type the password without it.</source>
        <translation>新密码含有换行符、制表符或其他控制字符（是粘贴进来的吗？），登录时永远无法输入。请输入不含这些字符的密码。</translation>
    </message>
    <message>
        <source>The company name holds a line break, a tab or another control character (pasted with it?). Type the name without it.</source>
        <translation>公司名称含有换行符、制表符或其他控制字符（是粘贴进来的吗？）。请输入不含这些字符的名称。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 条</translation>
    </message>
    <message>
        <source>not one of the column&apos;s choices</source>
        <translation>不是该列的可选值</translation>
    </message>
    <message>
        <source>the channel has no %1</source>
        <translation>该信道没有%1</translation>
    </message>
    <message>
        <source>%1, %2: &quot;%3&quot; - %4</source>
        <translation>%1，%2：“%3” - %4</translation>
    </message>
    <message>
        <source>not a frequency in MHz</source>
        <translation>不是以 MHz 为单位的频率</translation>
    </message>
    <message>
        <source>larger than the frequency</source>
        <translation>大于频率</translation>
    </message>
    <message>
        <source>not one of &quot;&quot;, +, -, split, off</source>
        <translation>不是 &quot;&quot;、+、-、split、off 之一</translation>
    </message>
    <message>
        <source>DCS code &quot;%1&quot;</source>
        <translation>DCS 码“%1”</translation>
    </message>
    <message>
        <source>CTCSS tone &quot;%1&quot;</source>
        <translation>CTCSS 亚音“%1”</translation>
    </message>
    <message>
        <source>the radio has no such tone</source>
        <translation>电台没有该亚音</translation>
    </message>
    <message>
        <source>the radio has FM (Wide) and NFM (Narrow) only</source>
        <translation>电台只有 FM（宽带）和 NFM（窄带）</translation>
    </message>
    <message>
        <source>not High, Low or watts; the default &quot;%1&quot; taken</source>
        <translation>不是 High、Low 或瓦数；已取默认值“%1”</translation>
    </message>
    <message>
        <source>characters other than printable ASCII (or , &quot; &apos;) dropped: &quot;%1&quot;</source>
        <translation>已去掉可打印 ASCII 以外的字符（及 , &quot; &apos;）：“%1”</translation>
    </message>
    <message>
        <source>cut to 7 characters: &quot;%1&quot;</source>
        <translation>已截为 7 个字符：“%1”</translation>
    </message>
    <message>
        <source>characters other than printable ASCII (or , &quot; &apos;) dropped, cut to 7 characters: &quot;%1&quot;</source>
        <translation>已去掉可打印 ASCII 以外的字符（及 , &quot; &apos;），并截为 7 个字符：“%1”</translation>
    </message>
    <message>
        <source>the smallest Location is 0: every Location counts one higher (0 is band A channel 1, %1 band B channel 1)</source>
        <translation>最小的 Location 为 0：每个 Location 都按加一计算（0 为 A 段信道 1，%1 为 B 段信道 1）</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第 %1 行数据</translation>
    </message>
    <message>
        <source>no channel left: %1 is the last</source>
        <translation>没有剩余信道：%1 是最后一个</translation>
    </message>
    <message>
        <source>not A or B</source>
        <translation>不是 A 或 B</translation>
    </message>
    <message>
        <source>not a channel from 1 to 128</source>
        <translation>不是 1 到 128 之间的信道</translation>
    </message>
    <message>
        <source>not a channel: %1 to %2 are band A, %3 to %4 band B</source>
        <translation>不是信道：%1 到 %2 为 A 段，%3 到 %4 为 B 段</translation>
    </message>
    <message>
        <source>snapped to %1 (the 2.5 and 6.25 kHz channel steps)</source>
        <translation>已对齐到 %1（2.5 和 6.25 kHz 信道步进）</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1“%2”</translation>
    </message>
    <message>
        <source>%1 MHz is outside the radio&apos;s bands (136–176, 220–250, 400–490 MHz)</source>
        <translation>%1 MHz 不在电台的频段内（136–176、220–250、400–490 MHz）</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the radio&apos;s bands (136–176, 220–250, 400–490 MHz)</source>
        <translation>发射频率 %1 MHz 不在电台的频段内（136–176、220–250、400–490 MHz）</translation>
    </message>
    <message>
        <source>%1; left empty</source>
        <translation>%1；已留空</translation>
    </message>
    <message>
        <source>%1; kept &quot;%2&quot;</source>
        <translation>%1；保留“%2”</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <translation>未保留：%1</translation>
    </message>
    <message>
        <source>the file is empty: it needs a first line naming the columns</source>
        <translation>文件为空：第一行须列出各列名称</translation>
    </message>
    <message>
        <source>line %1: no Frequency column; the first line must name the columns, e.g. %2</source>
        <translation>第 %1 行：没有 Frequency 列；第一行须列出各列名称，例如 %2</translation>
    </message>
    <message>
        <source>the channel</source>
        <translation>该信道</translation>
    </message>
    <message>
        <source>named again: this row replaces line %1</source>
        <translation>再次出现：本行取代第 %1 行</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation>第 %1 行（%2）</translation>
    </message>
    <message>
        <source>line %1, Location %2</source>
        <translation>第 %1 行，Location %2</translation>
    </message>
    <message>
        <source>line %1, Location %2 (%3)</source>
        <translation>第 %1 行，Location %2（%3）</translation>
    </message>
    <message>
        <source>%1: skipped - %2</source>
        <translation>%1：已跳过 - %2</translation>
    </message>
    <message>
        <source>%1: changed - %2</source>
        <translation>%1：已更改 - %2</translation>
    </message>
    <message>
        <source>%1: skipped - %2: %3</source>
        <translation>%1：已跳过 - %2：%3</translation>
    </message>
    <message>
        <source>%1: changed - %2: %3</source>
        <translation>%1：已更改 - %2：%3</translation>
    </message>
    <message>
        <source>not one of NN, NR, RN, RR</source>
        <translation>不是 NN、NR、RN、RR 之一</translation>
    </message>
    <message>
        <source>not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS</source>
        <translation>不是 Tone-&gt;Tone、Tone-&gt;DTCS、DTCS-&gt;Tone、-&gt;Tone、-&gt;DTCS、DTCS-&gt;、DTCS-&gt;DTCS 之一</translation>
    </message>
    <message>
        <source>not one of Tone, TSQL, DTCS, Cross or empty</source>
        <translation>不是 Tone、TSQL、DTCS、Cross 或空值之一</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed (a &quot; is missing)</source>
        <translation>第 %1 行：引号字段没有结束（缺少一个 &quot;）</translation>
    </message>
    <message>
        <source>line %1: not UTF-8 text (save the file as CSV UTF-8 and import it again)</source>
        <translation>第 %1 行：不是 UTF-8 文本（请另存为 CSV UTF-8 后再导入）</translation>
    </message>
    <message>
        <source>Band A channel %1</source>
        <translation>A 段信道 %1</translation>
    </message>
    <message>
        <source>Band B channel %1</source>
        <translation>B 段信道 %1</translation>
    </message>
    <message>
        <source>Permission denied for %1.</source>
        <translation>没有权限打开 %1。</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 正被另一个程序使用。</translation>
    </message>
    <message>
        <source>%1 does not exist (is the cable plugged in?).</source>
        <translation>%1 不存在（写频线插好了吗？）。</translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <translation>%1 不是串口。</translation>
    </message>
    <message>
        <source>unplug the cable and plug it in again</source>
        <translation>拔下写频线再重新插上</translation>
    </message>
    <message>
        <source>Permission denied: the group %1 may open %2, and you are not in it.</source>
        <translation>没有权限：用户组 %1 可以打开 %2，而您不在该组中。</translation>
    </message>
    <message>
        <source>%1   (then log out and in again)</source>
        <translation>%1   （然后注销并重新登录）</translation>
    </message>
    <message>
        <source>Permission denied: you joined the group %1 after this session began.</source>
        <translation>没有权限：您是在本次登录之后才加入用户组 %1 的。</translation>
    </message>
    <message>
        <source>%1   (in this terminal; or log out and in again)</source>
        <translation>%1   （在此终端中执行；或注销并重新登录）</translation>
    </message>
    <message>
        <source>Permission denied: only root may open %1; no group may.</source>
        <translation>没有权限：只有 root 可以打开 %1，没有用户组可以。</translation>
    </message>
    <message>
        <source>%1   (until the device comes again)</source>
        <translation>%1   （在设备重新接入之前有效）</translation>
    </message>
    <message>
        <source>%1 is open in another program: %2.</source>
        <translation>%1 已被另一个程序打开：%2。</translation>
    </message>
    <message>
        <source>%1 is busy programming a radio: %2.</source>
        <translation>%1 正在为电台写频：%2。</translation>
    </message>
    <message>
        <source>wait until that transfer ends, then try again</source>
        <translation>等该传输结束后再试</translation>
    </message>
    <message>
        <source>ModemManager runs and may send modem commands to %1.</source>
        <translation>ModemManager 正在运行，可能会向 %1 发送调制解调器命令。</translation>
    </message>
    <message>
        <source>%1 Fix: %2</source>
        <translation>%1 解决方法：%2</translation>
    </message>
    <message>
        <source>Plugged in: %1.</source>
        <translation>已插入：%1。</translation>
    </message>
    <message>
        <source>Pulled out: %1.</source>
        <translation>已拔出：%1。</translation>
    </message>
    <message>
        <source>Pulled out: %1; the port is closed.</source>
        <translation>已拔出：%1；端口已关闭。</translation>
    </message>
    <message>
        <source>the port given on the command line</source>
        <translation>命令行指定的端口</translation>
    </message>
    <message>
        <source>the port used last time</source>
        <translation>上次使用的端口</translation>
    </message>
    <message>
        <source>the first port listed</source>
        <translation>列表中的第一个端口</translation>
    </message>
    <message>
        <source>the cable just plugged in</source>
        <translation>刚插入的写频线</translation>
    </message>
    <message>
        <source>Chose %1, %2.</source>
        <translation>已选择 %1（%2）。</translation>
    </message>
    <message>
        <source>Write cancelled: the radio is unchanged.</source>
        <translation>写频已取消：电台未被更改。</translation>
    </message>
    <message>
        <source>Write cancelled: the radio now holds part of the new configuration. What it held before is in the &quot;before-write&quot; backup:</source>
        <translation>写频已取消：电台现在含有部分新配置。原有内容在“before-write”备份中：</translation>
    </message>
    <message>
        <source>Write cancelled: the radio now holds part of the new configuration. What it held before was not kept.</source>
        <translation>写频已取消：电台现在含有部分新配置。原有内容未保存。</translation>
    </message>
    <message>
        <source>Write cancelled: the radio holds the new configuration; it was not verified.</source>
        <translation>写频已取消：电台已含有新配置，但未经校验。</translation>
    </message>
    <message>
        <source>not a channel&apos;s cell</source>
        <translation>不是信道的单元格</translation>
    </message>
    <message>
        <source>no pick empties a choice cell</source>
        <translation>选项单元格不能清空</translation>
    </message>
    <message>
        <source>the rules would make it &quot;%1&quot;</source>
        <translation>按规则会变为“%1”</translation>
    </message>
    <message>
        <source>no page edits this setting</source>
        <translation>没有页面可编辑此设置</translation>
    </message>
    <message>
        <source>not one of the list&apos;s entries</source>
        <translation>不是列表中的选项</translation>
    </message>
    <message>
        <source>the entry cannot be stored</source>
        <translation>无法保存该选项</translation>
    </message>
    <message>
        <source>only bytes the editor does not show differ</source>
        <translation>只有编辑器不显示的字节不同</translation>
    </message>
    <message>
        <source>no page holds these bytes</source>
        <translation>没有页面包含这些字节</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; - %3</source>
        <translation>%1：“%2” - %3</translation>
    </message>
    <message>
        <source>The next %1 is up to %2 decimal digits, not &quot;%3&quot;.</source>
        <translation>下一个%1最多为 %2 位十进制数字，而不是“%3”。</translation>
    </message>
    <message>
        <source>The next %1 would be %2, more than the %3 digits it holds.</source>
        <translation>下一个%1将是 %2，超出了它所能容纳的 %3 位数字。</translation>
    </message>
    <message>
        <source>Native ID</source>
        <translation>本机 ID</translation>
    </message>
    <message>
        <source>Identity code</source>
        <translation>身份码</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>命名管道</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Reading the radio first failed: %1; nothing was written</source>
        <translation>先读取电台失败：%1；未写入任何内容</translation>
    </message>
    <message>
        <source>cannot open the log %1: %2</source>
        <translation>无法打开日志 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation>无法写入日志 %1：%2</translation>
    </message>
    <message>
        <source>the log %1 is %2, not a file; choose a file</source>
        <translation>日志 %1 是%2，不是文件；请选择一个文件</translation>
    </message>
    <message>
        <source>the log %1 is in use by another duoband; wait until it ends or choose another log</source>
        <translation>日志 %1 正被另一个 duoband 使用；请等它结束，或选择另一个日志</translation>
    </message>
    <message>
        <source>%1 is not a station log: %2</source>
        <translation>%1 不是批量写频日志：%2</translation>
    </message>
    <message>
        <source>%1 is not a station log: its first line has no %2 column</source>
        <translation>%1 不是批量写频日志：第一行没有 %2 列</translation>
    </message>
    <message>
        <source>%1, line %2: the %3 &quot;%4&quot; is not a number of up to %5 digits; correct it or choose another log</source>
        <translation>%1，第 %2 行：%3“%4”不是最多 %5 位的数字；请改正，或选择另一个日志</translation>
    </message>
    <message>
        <source>The radio is unchanged.</source>
        <translation>电台未被更改。</translation>
    </message>
    <message>
        <source>The radio now holds part of the new configuration. What it held before is in the &quot;before-write&quot; backup:</source>
        <translation>电台现在含有部分新配置。原有内容在“before-write”备份中：</translation>
    </message>
    <message>
        <source>The radio now holds part of the new configuration. What it held before was not kept.</source>
        <translation>电台现在含有部分新配置。原有内容未保存。</translation>
    </message>
    <message>
        <source>The radio holds the new configuration.</source>
        <translation>电台已含有新配置。</translation>
    </message>
    <message>
        <source>The backup was not kept: %1</source>
        <translation>备份未能保存：%1</translation>
    </message>
    <message>
        <source>The backup was not kept: every name of that second in %1 is taken.</source>
        <translation>备份未能保存：%1 中该秒的所有文件名都已被占用。</translation>
    </message>
    <message>
        <source>Not a backup: %1</source>
        <translation>不是备份：%1</translation>
    </message>
    <message>
        <source>The backup was not relabelled: %1 exists</source>
        <translation>备份未能重新标记：%1 已存在</translation>
    </message>
    <message>
        <source>The backup was not relabelled: %1</source>
        <translation>备份未能重新标记：%1</translation>
    </message>
    <message>
        <source>cannot keep the job&apos;s record in %1: %2</source>
        <translation>无法将该作业的记录保存到 %1：%2</translation>
    </message>
    <message>
        <source>the register address is not a PostgreSQL address</source>
        <translation>登记库地址不是 PostgreSQL 地址</translation>
    </message>
    <message>
        <source>the register address holds a password; it is not used. Put the password in ~/.pgpass (mode 0600) or PGPASSWORD, and give the address without it.</source>
        <translation>登记库地址中含有密码，未被使用。请将密码放入 ~/.pgpass（权限 0600）或 PGPASSWORD，并给出不含密码的地址。</translation>
    </message>
    <message>
        <source>the register on %1 is reached without sslmode=verify-full: the server&apos;s identity is not checked. Add ?sslmode=verify-full to the address.</source>
        <translation>访问 %1 上的登记库时未使用 sslmode=verify-full：服务器身份未经验证。请在地址后加上 ?sslmode=verify-full。</translation>
    </message>
    <message>
        <source>the register %1: %2</source>
        <translation>登记库 %1：%2</translation>
    </message>
    <message>
        <source>the register %1 is of version %2, made by a newer duoband; this one knows versions up to %3. Use the newer duoband with it.</source>
        <translation>登记库 %1 的版本为 %2，由较新的 duoband 创建；本程序只认识到版本 %3。请使用较新的 duoband。</translation>
    </message>
    <message>
        <source>the register holds no fleet %1 (see &quot;fleet list&quot;)</source>
        <translation>登记库中没有电台组 %1（见“fleet list”）</translation>
    </message>
    <message>
        <source>the register holds a fleet %1 already</source>
        <translation>登记库中已有电台组 %1</translation>
    </message>
    <message>
        <source>the fleet %1 holds a radio with native ID %2 already</source>
        <translation>电台组 %1 中已有本机 ID 为 %2 的电台</translation>
    </message>
    <message>
        <source>the fleet %1 has no planned radio left and no numbering; import a roster or add a fleet with --number</source>
        <translation>电台组 %1 已没有计划中的电台，也没有编号；请导入名单，或用 --number 添加电台组</translation>
    </message>
    <message>
        <source>the fleet %1 has given every %2 its %3 digits can hold</source>
        <translation>电台组 %1 已用完 %3 位数字所能容纳的全部%2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not up to %3 decimal digits</source>
        <translation>%1“%2”不是最多 %3 位的十进制数字</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a boot message line: up to %2 characters of letters, digits, spaces and signs, without , &quot; and &apos;</source>
        <translation>“%1”不是开机信息行：最多 %2 个字母、数字、空格和符号，不能含 , &quot; 和 &apos;</translation>
    </message>
    <message>
        <source>the roster is empty</source>
        <translation>名单为空</translation>
    </message>
    <message>
        <source>the roster&apos;s header names a column &quot;%1&quot;; it may name native-id, identity-code, boot-line-1, boot-line-2, label and notes</source>
        <translation>名单的标题行有一列“%1”；只能是 native-id、identity-code、boot-line-1、boot-line-2、label 和 notes</translation>
    </message>
    <message>
        <source>native ID %1 is in the fleet or the roster already</source>
        <translation>本机 ID %1 已在电台组或名单中</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the register %1 is on a network file system, where SQLite cannot share it safely in WAL mode; it uses a rollback journal. For several benches, use a PostgreSQL register (--register postgresql://...).</source>
        <translation>登记库 %1 位于网络文件系统上，SQLite 无法在 WAL 模式下安全共享；改用回滚日志。多个工作台共用时，请使用 PostgreSQL 登记库（--register postgresql://...）。</translation>
    </message>
    <message>
        <source>the radio is no longer in the register</source>
        <translation>该电台已不在登记库中</translation>
    </message>
    <message>
        <source>Not written: stopped before its first frame.</source>
        <translation>未写入：在第一帧之前已停止。</translation>
    </message>
    <message>
        <source>transmits on %1 but has no receiving frequency</source>
        <translation>在 %1 发射，但没有接收频率</translation>
    </message>
    <message>
        <source>the same as channel %1</source>
        <translation>与信道 %1 相同</translation>
    </message>
    <message>
        <source>the name %1 is also channel %2&apos;s</source>
        <translation>名称 %1 也是信道 %2 的名称</translation>
    </message>
    <message>
        <source>%1 is outside the limits on &quot;Limit Frequency&quot; (%2)</source>
        <translation>%1 超出“频段限制”的范围（%2）</translation>
    </message>
    <message>
        <source>%1 MHz is above &quot;%2&quot;, %3 MHz</source>
        <translation>%1 MHz 高于“%2”，%3 MHz</translation>
    </message>
    <message>
        <source>%1 sends DTMF group %2, which is empty</source>
        <translation>%1 发送 DTMF 组 %2，但该组为空</translation>
    </message>
    <message>
        <source>%1 sends the identity code, but &quot;%2&quot; is empty</source>
        <translation>%1 发送身份码，但“%2”为空</translation>
    </message>
    <message>
        <source>empty, so the radio gets none of Power, Wide / Narrow, Compandor and Scrambler</source>
        <translation>为空，因此电台收不到功率、宽 / 窄、压扩和加密中的任何一项</translation>
    </message>
    <message>
        <source>a repeater split of %1 MHz, not a usual one for its band</source>
        <translation>中继差频为 %1 MHz，不是该频段常用的差频</translation>
    </message>
    <message>
        <source>channel %1 is shown at power-on but has no receiving frequency</source>
        <translation>开机时显示信道 %1，但它没有接收频率</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of MHz</source>
        <translation>“%1”不是以 MHz 为单位的数字</translation>
    </message>
    <message>
        <source>the series goes below 0 MHz</source>
        <translation>序列低于 0 MHz</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: write the number as {n}, or {n:02} for two digits</source>
        <translation>“%1”：数字请写作 {n}，两位数字写作 {n:02}</translation>
    </message>
    <message>
        <source>no receiving frequency to shift</source>
        <translation>没有可偏移的接收频率</translation>
    </message>
    <message>
        <source>%1: %2 channels moved.</source>
        <translation>%1：移动了 %2 个信道。</translation>
    </message>
    <message>
        <source>Channel No.: %1 shows the same channel as before.</source>
        <translation>信道号：%1 显示的信道与之前相同。</translation>
    </message>
    <message>
        <source>Channel No.: %1 now shows the channel that was %2 before the sort.</source>
        <translation>信道号：%1 现在显示排序前的信道 %2。</translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation>未写入：%1</translation>
    </message>
    <message>
        <source>the radio on %1 holds native ID %2, as the radio on %3 does; give one of them another ID by hand.</source>
        <translation>%1 上的电台的本机 ID 为 %2，与 %3 上的电台相同；请手动为其中一台指定另一个 ID。</translation>
    </message>
    <message>
        <source>Not written: the radio could not be read first (%1)</source>
        <translation>未写入：无法先读取电台（%1）</translation>
    </message>
    <message>
        <source>1 job record kept in %1 while the register could not be reached is stored in %2 now.</source>
        <translation>登记库无法访问时保存在 %1 中的 1 条作业记录，现已存入 %2。</translation>
    </message>
    <message>
        <source>%1 job records kept in %2 while the register could not be reached are stored in %3 now.</source>
        <translation>登记库无法访问时保存在 %2 中的 %1 条作业记录，现已存入 %3。</translation>
    </message>
    <message>
        <source>the register cannot take the job&apos;s record (%1); it is kept in %2 and stored when the register answers again.</source>
        <translation>登记库无法接收该作业的记录（%1）；它被保存在 %2 中，待登记库恢复响应后再存入。</translation>
    </message>
</context>
<context>
    <name>pages::SettingsControls</name>
    <message>
        <source>Change %1</source>
        <translation>更改 %1</translation>
    </message>
</context>
</TS>
