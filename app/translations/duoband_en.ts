<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About duoband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The licence&apos;s own words, which alone are binding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>duoband %1
Programs a dual-band handheld two-way radio over a serial port.

%2

Data folder (password, company name, background):
%3

Preferences (window, last port, last folder):
%4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelSheet</name>
    <message>
        <source>No programmed channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1 &amp;nbsp;&amp;nbsp; Printed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, with changes not saved in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>Enter or F2 edits the cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, channel %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelTablePage</name>
    <message>
        <source>Channel %1: tone, power and flags set to their defaults — Ctrl+Z restores them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells were not pasted:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The paste stopped at channel %1; %2 rows were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells beyond the Name column were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel %1 is not empty and will be dropped. Insert?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move channels up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move channels down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill series in %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeater offset on %1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 values were not taken:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompanyNameDialog</name>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Company Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; on &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not compared</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The file %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FillSeriesDialog</name>
    <message>
        <source>Fill Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the selected channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills the %1 selected channels in order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Step (MHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{n} &amp;from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First values:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tart (MHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindReplaceDialog</name>
    <message>
        <source>Find and Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W&amp;hole cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every &amp;column, not only the names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportStartDialog</name>
    <message>
        <source>Import channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The file names no channels. Its %n row(s) go one after the other from:</source>
        <translation>
            <numerusform>The file names no channels. Its row goes to:</numerusform>
            <numerusform>The file names no channels. Its %n rows go one after the other from:</numerusform>
        </translation>
    </message>
    <message>
        <source>A/Upper Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/Under Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LimitFrequencyPage</name>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Boot Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Boot Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Limits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>Cannot open the picture %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a JPEG picture: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels as &amp;CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel sheet as &amp;PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels from &amp;CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A/Upper Band Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;B/Under Band Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert empty channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amend &amp;Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  New  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Open  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Save   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings file (*.bc);;Radio image (*.img)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More tool bar buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to New?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some cells hold a text that is not one of their list&apos;s entries. Pick an entry in each before writing:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A settings file cannot hold this configuration:
%1

Save it as the image %2 instead?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export channels as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) exported to %1.</source>
        <translation>
            <numerusform>%n channel exported to %1.</numerusform>
            <numerusform>%n channels exported to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not everything could go into the file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) imported from %1.</source>
        <translation>
            <numerusform>%n channel imported from %1.</numerusform>
            <numerusform>%n channels imported from %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rows skipped and values changed (Undo takes the import back):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export channel sheet as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel sheet saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet for a &amp;Customer (No Remote Codes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>untitled (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the backup %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in the backup folder, which keeps only the backups of reads and writes. Choose another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of a read from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep What Arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With &amp;File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Bac&amp;kup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program &amp;Many Radios…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Ra&amp;dio…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take Other Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta&amp;ke All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many Radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer there: it was moved, renamed or deleted. It is taken off the Open Recent list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel differs from %1 in bytes no column shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the backup %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This configuration cannot be compared: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Other Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 value was not taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 values were not taken:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jobs are recorded in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cell holds &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No channel name holds &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace %1 cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 cell replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cells replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Re&amp;gister…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill &amp;Series…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repeater Offset…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ort…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find and Re&amp;place…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Channel Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio &amp;Register…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Amend Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanCheckPanel</name>
    <message>
        <source>no problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, 1 note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel plan problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the channel plan check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Float the channel plan check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel plan: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanProblemsDialog</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel plan has 1 problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel plan has %1 problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the radio anyway, or cancel and correct it (Channels &gt; Check Channel Plan lists the problems)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Channel Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortChoice</name>
    <message>
        <source>The serial port of the programming cable; the list follows the cables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cable of %1 was pulled out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by the station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the station is open, it has every port; closing it gives the port back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortStatus</name>
    <message>
        <source>COM Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port is used!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No port!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(cannot be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1 of channel %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadDialog</name>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read cancelled: nothing was changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 steps arrived. Keep What Arrived puts them on the start-up configuration as a new, untitled configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep What Arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterSettingsDialog</name>
    <message>
        <source>Radio Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register every job is recorded in: a SQLite &amp;file, or a postgresql:// address shared by several benches. Empty: %1. The password of a server goes in ~/.pgpass or PGPASSWORD, never in the address.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegisterWindow</name>
    <message>
        <source>Native ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1&apos;s label and notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fleet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter the radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text in any column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Fleet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Fleet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import &amp;Roster…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radios of the fleet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;adios (Label and Notes can be edited):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jobs of the chosen radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jobs of the chosen radio, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare With Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Register status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (1 radio; numbering: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 radios; numbering: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The register holds no fleet yet: New Fleet… adds one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label and notes kept in the register.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label and notes not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fleet name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;umbering (FIELD=START, none or more):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the fleet a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fleet %1 not added: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fleet %1 added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the fleet the roster is for first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 radio planned in fleet %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 radios planned in fleet %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing imported from %1; correct the rows named below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing imported from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 radio exported to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 radios exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>programmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RepeaterOffsetDialog</name>
    <message>
        <source>Repeater Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Frequency of the selected channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Frequency &amp;minus the offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Frequency &amp;plus the offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simplex: the same as the Receiving Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usual offsets: 0.6 MHz (2 m), 5 MHz or 7.6 MHz (70 cm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offset (MHz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmallDialogs</name>
    <message>
        <source>Amend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SortDialog</name>
    <message>
        <source>Sort Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;selected channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;whole band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty channels go last. The channel numbers stay; the channels move.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Many Radios — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read the radio first and keep what it held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start when a radio is plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program Listed Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station log (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping: each radio stops after its current frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbering of the %1 continues at %2, past the numbers the log holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1    Failed: %2    Running: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n radio(s) are being written. Stop them after their current frame and close the station?</source>
        <translation>
            <numerusform>%n radio is being written. Stop it after its current frame and close the station?</numerusform>
            <numerusform>%n radios are being written. Stop them after their current frame and close the station?</numerusform>
        </translation>
    </message>
    <message>
        <source>Stop and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep each radio&apos;s identity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each radio is read first: one the fleet knows by its native ID gets its own values again, another one the fleet&apos;s next radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fl&amp;eet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fleet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not started: the channel plan has problems not answered &quot;Write Anyway&quot; (Program Listed Ports asks again).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taking the fleet&apos;s next radio from the register…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped before it started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No radio of the fleet %1 was taken: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>Stop writing? The radio will hold a mix of old and new settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the radio first and keep what it held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio first failed: %1
Write all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading what the radio holds: %v of %m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing: %v of %m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying: %v of %m</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>duoband</name>
    <message>
        <source>Is the radio switched on, in range of the cable and set to this port?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line went away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio sent more data than any answer holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is this the radio&apos;s programming cable, with no other device sending on it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the acknowledgement came too late</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the answer came too late</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again; if it keeps coming late, check the cable and its adapter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing came back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio refused the frame (NAK, 0x15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 byte came back instead of the acknowledgement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes came back instead of the acknowledgement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 byte of %2 came back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes of %2 came back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2: %3 on %4. %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a frequency! Enter MHz as digits with one point, e.g. 145.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Frequency 88~108MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter only these characters:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number! Enter MHz as digits with one point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency must lie in 0~42949.67294MHZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify failed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF1+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF2+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF3+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF4+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF5+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF6+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF7+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF8+Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT+Signaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QT/DQT+ Signaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrow Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/upper Band </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/Under Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working Mode :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel No.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Frequency: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving CTCSS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission CTCSS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Signaling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit end Signaling:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide/Narrow Band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compandor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrambler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference frequency direction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit Offset Frequency(MHZ):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency Step:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional Main Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby Backlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Backlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit  Backlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backlight Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibration Ring Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy Channel Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Over Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Signaling choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Transmitting Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeater Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF5:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF7:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF8:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native ID Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Control ID Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity Display Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revive Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Stun Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Kill Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Information 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Information 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit VHF Band (Low):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit VHF Band (High):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit UHF Band (Low):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit UHF Band (High):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit Frequency Band Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving CTCSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiving Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission CTCSS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Signaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit end Signaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide / Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compandor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/Upper Band Set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/Under Band Set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comprehensive Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A/Upper Band Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/Under Band Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Success!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another exchange with the radio is running; wait until it has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: the last command was not completed. Save your work and close other programs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new password holds a line break, a tab or another control character (pasted with it?), which could never be typed at the login. Type the password without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The company name holds a line break, a tab or another control character (pasted with it?). Type the name without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of the column&apos;s choices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel has no %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: &quot;%3&quot; - %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a frequency in MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than the frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of &quot;&quot;, +, -, split, off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS code &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS tone &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio has no such tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio has FM (Wide) and NFM (Narrow) only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not High, Low or watts; the default &quot;%1&quot; taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters other than printable ASCII (or , &quot; &apos;) dropped: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut to 7 characters: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters other than printable ASCII (or , &quot; &apos;) dropped, cut to 7 characters: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the smallest Location is 0: every Location counts one higher (0 is band A channel 1, %1 band B channel 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no channel left: %1 is the last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not A or B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a channel from 1 to 128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a channel: %1 to %2 are band A, %3 to %4 band B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snapped to %1 (the 2.5 and 6.25 kHz channel steps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is outside the radio&apos;s bands (136–176, 220–250, 400–490 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz is outside the radio&apos;s bands (136–176, 220–250, 400–490 MHz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; left empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; kept &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty: it needs a first line naming the columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: no Frequency column; the first line must name the columns, e.g. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>named again: this row replaces line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, Location %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, Location %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: skipped - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: changed - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: skipped - %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: changed - %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of NN, NR, RN, RR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of Tone-&gt;Tone, Tone-&gt;DTCS, DTCS-&gt;Tone, -&gt;Tone, -&gt;DTCS, DTCS-&gt;, DTCS-&gt;DTCS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of Tone, TSQL, DTCS, Cross or empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed (a &quot; is missing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: not UTF-8 text (save the file as CSV UTF-8 and import it again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band A channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band B channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist (is the cable plugged in?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplug the cable and plug it in again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: the group %1 may open %2, and you are not in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   (then log out and in again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: you joined the group %1 after this session began.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   (in this terminal; or log out and in again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: only root may open %1; no group may.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   (until the device comes again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open in another program: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is busy programming a radio: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wait until that transfer ends, then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModemManager runs and may send modem commands to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Fix: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugged in: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulled out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulled out: %1; the port is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port given on the command line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port used last time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first port listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cable just plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chose %1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: the radio is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: the radio now holds part of the new configuration. What it held before is in the &quot;before-write&quot; backup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: the radio now holds part of the new configuration. What it held before was not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write cancelled: the radio holds the new configuration; it was not verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a channel&apos;s cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pick empties a choice cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rules would make it &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page edits this setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not one of the list&apos;s entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry cannot be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only bytes the editor does not show differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no page holds these bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; - %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next %1 is up to %2 decimal digits, not &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next %1 would be %2, more than the %3 digits it holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identity code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the radio first failed: %1; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the log %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the log %1 is %2, not a file; choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the log %1 is in use by another duoband; wait until it ends or choose another log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a station log: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a station log: its first line has no %2 column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: the %3 &quot;%4&quot; is not a number of up to %5 digits; correct it or choose another log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio now holds part of the new configuration. What it held before is in the &quot;before-write&quot; backup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio now holds part of the new configuration. What it held before was not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio holds the new configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was not kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was not kept: every name of that second in %1 is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a backup: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was not relabelled: %1 exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was not relabelled: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot keep the job&apos;s record in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register address is not a PostgreSQL address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register address holds a password; it is not used. Put the password in ~/.pgpass (mode 0600) or PGPASSWORD, and give the address without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register on %1 is reached without sslmode=verify-full: the server&apos;s identity is not checked. Add ?sslmode=verify-full to the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register %1 is of version %2, made by a newer duoband; this one knows versions up to %3. Use the newer duoband with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register holds no fleet %1 (see &quot;fleet list&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register holds a fleet %1 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fleet %1 holds a radio with native ID %2 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fleet %1 has no planned radio left and no numbering; import a roster or add a fleet with --number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the fleet %1 has given every %2 its %3 digits can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not up to %3 decimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a boot message line: up to %2 characters of letters, digits, spaces and signs, without , &quot; and &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the roster is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the roster&apos;s header names a column &quot;%1&quot;; it may name native-id, identity-code, boot-line-1, boot-line-2, label and notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>native ID %1 is in the fleet or the roster already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register %1 is on a network file system, where SQLite cannot share it safely in WAL mode; it uses a rollback journal. For several benches, use a PostgreSQL register (--register postgresql://...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio is no longer in the register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: stopped before its first frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmits on %1 but has no receiving frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same as channel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name %1 is also channel %2&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is outside the limits on &quot;Limit Frequency&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz is above &quot;%2&quot;, %3 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sends DTMF group %2, which is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sends the identity code, but &quot;%2&quot; is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty, so the radio gets none of Power, Wide / Narrow, Compandor and Scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a repeater split of %1 MHz, not a usual one for its band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>channel %1 is shown at power-on but has no receiving frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the series goes below 0 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: write the number as {n}, or {n:02} for two digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no receiving frequency to shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 channels moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel No.: %1 shows the same channel as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel No.: %1 now shows the channel that was %2 before the sort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the radio on %1 holds native ID %2, as the radio on %3 does; give one of them another ID by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written: the radio could not be read first (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 job record kept in %1 while the register could not be reached is stored in %2 now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 job records kept in %2 while the register could not be reached are stored in %3 now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the register cannot take the job&apos;s record (%1); it is kept in %2 and stored when the register answers again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pages::SettingsControls</name>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
