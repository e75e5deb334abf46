<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AmbulatoryPlanDialog</name>
    <message>
        <source>上传参数</source>
        <translation>Upload settings</translation>
    </message>
    <message>
        <source>病人姓名</source>
        <translation>Patient name</translation>
    </message>
    <message>
        <source>病人 ID</source>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>当前时间</source>
        <translation>Current time</translation>
    </message>
    <message>
        <source>测量开始时间</source>
        <translation>Measurement start</translation>
    </message>
    <message>
        <source>最大压力值</source>
        <translation>Maximum pressure</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>开始键</source>
        <translation>Start key</translation>
    </message>
    <message>
        <source>状态选择</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>间隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>非睡眠</source>
        <translation>Awake</translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation>Asleep</translation>
    </message>
    <message>
        <source>特殊事件开始</source>
        <translation>Special period start</translation>
    </message>
    <message>
        <source>特殊事件结束</source>
        <translation>Special period end</translation>
    </message>
    <message>
        <source>测量时段</source>
        <translation>Measurement periods</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>%1 分钟</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>动态血压</source>
        <translation>Ambulatory BP</translation>
    </message>
    <message>
        <source>监护</source>
        <translation>Monitoring</translation>
    </message>
</context>
<context>
    <name>CAbpmApp</name>
    <message>
        <source>病例文件路径</source>
        <translation>Patient file folder</translation>
    </message>
    <message>
        <source>病例文件路径不存在：
%1
将使用当前文件夹。</source>
        <translation>The patient file folder does not exist:
%1
The current folder is used instead.</translation>
    </message>
    <message>
        <source>无法读取病历文件：
%1</source>
        <translation>Cannot read the patient record:
%1</translation>
    </message>
    <message>
        <source>病历文件中的血氧数据已损坏，未能读取：
%1</source>
        <translation>The SpO2 data of this record is damaged and was not read:
%1</translation>
    </message>
    <message>
        <source>病历文件大于 64 MB，不能打开：
%1</source>
        <translation>The record file is larger than 64 MB and cannot be opened:
%1</translation>
    </message>
    <message>
        <source>病历文件记有 %1 个读数，只读取了前 %2 个：
%3</source>
        <translation>The record file lists %1 readings; only the first %2 were read:
%3</translation>
    </message>
</context>
<context>
    <name>CComputerSettingsPage</name>
    <message>
        <source>总是使用默认路径</source>
        <translation>Always use the default folder</translation>
    </message>
    <message>
        <source>连接设置</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>端口</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>病例文件路径</source>
        <translation>Patient file folder</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CConfigDialog</name>
    <message>
        <source>配置</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>报告</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>CCurrentMedicProp</name>
    <message>
        <source>目前用药情况</source>
        <translation>Current medication</translation>
    </message>
</context>
<context>
    <name>CEditPatientDataDlg</name>
    <message>
        <source>病人信息</source>
        <translation>Patient information</translation>
    </message>
    <message>
        <source>目前用药情况</source>
        <translation>Current medication</translation>
    </message>
    <message>
        <source>诊断</source>
        <translation>Interpretation</translation>
    </message>
    <message>
        <source>医生信息</source>
        <translation>Physicians</translation>
    </message>
</context>
<context>
    <name>CInterprationProp</name>
    <message>
        <source>诊断</source>
        <translation>Interpretation</translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>选择语言</source>
        <translation>Choose language</translation>
    </message>
    <message>
        <source>确定(&amp;0)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>输入用户名(&amp;U)...</source>
        <translation>Enter &amp;user name...</translation>
    </message>
    <message>
        <source>睡眠时期(&amp;S)...</source>
        <translation>&amp;Sleep periods...</translation>
    </message>
    <message>
        <source>统计数据(&amp;T)...</source>
        <translation>S&amp;tatistics...</translation>
    </message>
    <message>
        <source>AMU配置信息(&amp;A)...</source>
        <translation>Recorder configur&amp;ation...</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>下载(&amp;D)</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>报告(&amp;R)</source>
        <translation>&amp;Report</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>显示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>导出测量数据(CSV)(&amp;R)...</source>
        <translation>Export &amp;readings (CSV)...</translation>
    </message>
    <message>
        <source>另存为PDF(&amp;F)...</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
</context>
<context>
    <name>CPageSelectionTab</name>
    <message>
        <source>患者统计页</source>
        <translation>Patient data page</translation>
    </message>
    <message>
        <source>摘要统计页</source>
        <translation>Summary statistics page</translation>
    </message>
    <message>
        <source>动态血压总结页</source>
        <translation>Ambulatory BP summary page</translation>
    </message>
    <message>
        <source>图形页</source>
        <translation>Graph page</translation>
    </message>
    <message>
        <source>条状图页</source>
        <translation>Bar graph page</translation>
    </message>
    <message>
        <source>柱状图页</source>
        <translation>Histogram page</translation>
    </message>
    <message>
        <source>饼图页</source>
        <translation>Pie chart page</translation>
    </message>
    <message>
        <source>拟合线页</source>
        <translation>Fit line page</translation>
    </message>
    <message>
        <source>频率柱状图页</source>
        <translation>Frequency histogram page</translation>
    </message>
    <message>
        <source>HR/MAP/PP柱状图页</source>
        <translation>HR/MAP/PP histogram page</translation>
    </message>
    <message>
        <source>测量数据页</source>
        <translation>Measurement data pages</translation>
    </message>
    <message>
        <source>临床摘要页</source>
        <translation>Clinical summary page</translation>
    </message>
    <message>
        <source>概要报告</source>
        <translation>Summary report</translation>
    </message>
    <message>
        <source>全面分析报告</source>
        <translation>Full analysis report</translation>
    </message>
    <message>
        <source>血氧定量分析报告</source>
        <translation>Quantitative SpO2 analysis report</translation>
    </message>
    <message>
        <source>带柱状图表报告</source>
        <translation>Report with histogram charts</translation>
    </message>
    <message>
        <source>血氧报告</source>
        <translation>SpO2 report</translation>
    </message>
    <message>
        <source>报告名称</source>
        <translation>Report name</translation>
    </message>
    <message>
        <source>血压报告页</source>
        <translation>Blood-pressure pages</translation>
    </message>
</context>
<context>
    <name>CPatientInfoProp</name>
    <message>
        <source>病人 ID</source>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>病人姓名</source>
        <translation>Patient name</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>电话</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>民族</source>
        <translation>Ethnic group</translation>
    </message>
    <message>
        <source>性别</source>
        <translation>Gender</translation>
    </message>
    <message>
        <source>出生日期</source>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>身高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>体重</source>
        <translation>Weight</translation>
    </message>
</context>
<context>
    <name>CPhysicianProp</name>
    <message>
        <source>助理医生</source>
        <translation>Assistant physician</translation>
    </message>
    <message>
        <source>主治医生</source>
        <translation>Attending physician</translation>
    </message>
    <message>
        <source>医生诊断</source>
        <translation>Physician's comments</translation>
    </message>
</context>
<context>
    <name>CRecordFileDialog</name>
    <message>
        <source>选择需要打开的文件</source>
        <translation>Choose the record to open</translation>
    </message>
    <message>
        <source>选择需要复制的文件</source>
        <translation>Choose the records to copy</translation>
    </message>
    <message>
        <source>选择需要删除的文件</source>
        <translation>Choose the records to delete</translation>
    </message>
    <message>
        <source>当前路径 :</source>
        <translation>Current folder :</translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Copy failed</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Delete failed</translation>
    </message>
</context>
<context>
    <name>CReportGraphTab</name>
    <message>
        <source>线性图形</source>
        <translation>Line graph</translation>
    </message>
    <message>
        <source>条状图形</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>与显示相同</source>
        <translation>Same as the display</translation>
    </message>
    <message>
        <source>12 小时</source>
        <translation>12 hours</translation>
    </message>
    <message>
        <source>24 小时</source>
        <translation>24 hours</translation>
    </message>
    <message>
        <source>48 小时</source>
        <translation>48 hours</translation>
    </message>
    <message>
        <source>52 小时</source>
        <translation>52 hours</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>图形类型</source>
        <translation>Graph type</translation>
    </message>
    <message>
        <source>图形尺度</source>
        <translation>Graph scale</translation>
    </message>
</context>
<context>
    <name>CReportLayoutDialog</name>
    <message>
        <source>打印页</source>
        <translation>Print pages</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>图形</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CReportPage</name>
    <message>
        <source>删除报告</source>
        <translation>Delete report</translation>
    </message>
    <message>
        <source>编辑报告</source>
        <translation>Edit report</translation>
    </message>
    <message>
        <source>增加报告</source>
        <translation>Add report</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CReportTitleTab</name>
    <message>
        <source>报告标题</source>
        <translation>Report title</translation>
    </message>
</context>
<context>
    <name>CTargetFolderDialog</name>
    <message>
        <source>选择目标路径</source>
        <translation>Choose the target folder</translation>
    </message>
    <message>
        <source>当前路径 :</source>
        <translation>Current folder :</translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CThresholdsPage</name>
    <message>
        <source>非睡眠</source>
        <translation>Awake</translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation>Asleep</translation>
    </message>
    <message>
        <source>收缩压</source>
        <translation>Systolic</translation>
    </message>
    <message>
        <source>舒张压</source>
        <translation>Diastolic</translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>默认值</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>基准值</source>
        <translation>Thresholds</translation>
    </message>
    <message>
        <source>临床摘要诊断指南(&amp;G)</source>
        <translation>&amp;Guideline of the clinical summary</translation>
    </message>
</context>
<context>
    <name>CUserNameDialog</name>
    <message>
        <source>输入用户名</source>
        <translation>Enter user name</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>删除所有(&amp;D)</source>
        <translation>Delete a&amp;ll</translation>
    </message>
    <message>
        <source>用户名不能包含 [ ] / \ 或控制字符。</source>
        <translation>A user name cannot contain [ ] / \ or control characters.</translation>
    </message>
    <message>
        <source>无法删除配置文件：
%1</source>
        <translation>Cannot delete the configuration file:
%1</translation>
    </message>
</context>
<context>
    <name>ClinicalTexts</name>
    <message>
        <source>24小时</source>
        <translation>24 hours</translation>
    </message>
    <message>
        <source>白天</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>24小时平均血压</source>
        <translation>24-hour mean</translation>
    </message>
    <message>
        <source>白天平均血压</source>
        <translation>Daytime mean</translation>
    </message>
    <message>
        <source>夜间平均血压</source>
        <translation>Night-time mean</translation>
    </message>
    <message>
        <source>达到或高于阈值</source>
        <translation>at or above</translation>
    </message>
    <message>
        <source>低于阈值</source>
        <translation>below</translation>
    </message>
    <message>
        <source>有效</source>
        <translation>valid</translation>
    </message>
    <message>
        <source>无效</source>
        <translation>not valid</translation>
    </message>
    <message>
        <source>读数 %1，失败 %2，成功 %3 %，白天 %4，夜间 %5：%6</source>
        <translation>Readings %1, failed %2, successful %3 %, day %4, night %5: %6</translation>
    </message>
    <message>
        <source>记录中没有读数。</source>
        <translation>The recording holds no readings.</translation>
    </message>
    <message>
        <source>记录有效：%1 个读数中 %2 个成功 (%3 %)，白天 %4 个、夜间 %5 个读数。</source>
        <translation>Valid recording: %2 of %1 readings successful (%3 %), %4 day and %5 night readings.</translation>
    </message>
    <message>
        <source>记录无效：%1 个读数中 %2 个成功 (%3 %)，白天 %4 个、夜间 %5 个读数；有效记录需要至少 %6 % 的成功读数、白天 %7 个和夜间 %8 个读数。</source>
        <translation>Recording not valid: %2 of %1 readings successful (%3 %), %4 day and %5 night readings; a valid recording needs at least %6 % successful readings, %7 day and %8 night readings.</translation>
    </message>
    <message>
        <source>%1 %2 mmHg 达到或高于 %3 阈值 %4 mmHg。</source>
        <translation>%1 %2 mmHg is at or above the %3 threshold of %4 mmHg.</translation>
    </message>
    <message>
        <source>%1 %2 mmHg 低于 %3 阈值 %4 mmHg。</source>
        <translation>%1 %2 mmHg is below the %3 threshold of %4 mmHg.</translation>
    </message>
    <message>
        <source>单纯夜间高血压。</source>
        <translation>Isolated nocturnal hypertension.</translation>
    </message>
    <message>
        <source>夜间收缩压下降 %1 %：%2。</source>
        <translation>Systolic night-time dip %1 %: %2.</translation>
    </message>
    <message>
        <source>无法评估夜间血压下降：白天或夜间没有读数。</source>
        <translation>The night-time dip cannot be assessed: the day or the night has no readings.</translation>
    </message>
    <message>
        <source>收缩压晨峰：比夜间谷值高 %1 mmHg，比觉醒前两小时高 %2 mmHg。</source>
        <translation>Systolic morning surge: %1 mmHg above the night-time trough and %2 mmHg above the two hours before waking.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>two sentences in a row</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>ACC/AHA 2017</source>
        <translation>ACC/AHA 2017</translation>
    </message>
    <message>
        <source>ESH 2023</source>
        <translation>ESH 2023</translation>
    </message>
    <message>
        <source>反勺型</source>
        <translation>reverse dipper</translation>
    </message>
    <message>
        <source>非勺型</source>
        <translation>non-dipper</translation>
    </message>
    <message>
        <source>勺型</source>
        <translation>dipper</translation>
    </message>
    <message>
        <source>超勺型</source>
        <translation>extreme dipper</translation>
    </message>
    <message>
        <source>临床摘要</source>
        <translation>Clinical summary</translation>
    </message>
    <message>
        <source>诊断指南：%1</source>
        <translation>Guideline: %1</translation>
    </message>
    <message>
        <source>时段</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>读数</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>平均血压[mmHg]</source>
        <translation>Mean [mmHg]</translation>
    </message>
    <message>
        <source>心率[BPM]</source>
        <translation>Heart rate [BPM]</translation>
    </message>
    <message>
        <source>阈值[mmHg]</source>
        <translation>Threshold [mmHg]</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>夜间下降：收缩压 %1 %，舒张压 %2 %，夜/昼收缩压比值 %3，%4</source>
        <translation>Night-time dip: systolic %1 %, diastolic %2 %, night/day systolic ratio %3, %4</translation>
    </message>
    <message>
        <source>收缩压晨峰：睡眠谷值 %1 mmHg，觉醒前 %2 mmHg</source>
        <translation>Systolic morning surge: sleep-trough %1 mmHg, pre-waking %2 mmHg</translation>
    </message>
    <message>
        <source>24小时标准差</source>
        <translation>SD 24 h</translation>
    </message>
    <message>
        <source>白天标准差</source>
        <translation>SD day</translation>
    </message>
    <message>
        <source>夜间标准差</source>
        <translation>SD night</translation>
    </message>
    <message>
        <source>24小时变异系数[%]</source>
        <translation>CV 24 h [%]</translation>
    </message>
    <message>
        <source>加权标准差</source>
        <translation>wSD</translation>
    </message>
    <message>
        <source>平均真实变异</source>
        <translation>ARV</translation>
    </message>
    <message>
        <source>收缩压[mmHg]</source>
        <translation>Systolic [mmHg]</translation>
    </message>
    <message>
        <source>舒张压[mmHg]</source>
        <translation>Diastolic [mmHg]</translation>
    </message>
    <message>
        <source>动态动脉硬化指数 (AASI)：%1</source>
        <translation>Ambulatory arterial stiffness index (AASI): %1</translation>
    </message>
    <message>
        <source>结论</source>
        <translation>Interpretation</translation>
    </message>
</context>
<context>
    <name>CommentDialog</name>
    <message>
        <source>注释</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>ControlBar</name>
    <message>
        <source>图形类型</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>血氧趋势</source>
        <translation>SpO2 trend</translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation>Parameters</translation>
    </message>
</context>
<context>
    <name>DeviceChoiceDialog</name>
    <message>
        <source>设备状态选择</source>
        <translation>Recorder mode</translation>
    </message>
</context>
<context>
    <name>DeviceConfigurationDialog</name>
    <message>
        <source>AMU配置信息</source>
        <translation>Recorder configuration</translation>
    </message>
</context>
<context>
    <name>DeviceMessages</name>
    <message>
        <source>串口 %1 不存在。</source>
        <translation>The port %1 does not exist.</translation>
    </message>
    <message>
        <source>串口 %1 正被另一个程序使用，请先关闭该程序。</source>
        <translation>The port %1 is in use by another program; close that program first.</translation>
    </message>
    <message>
        <source>串口 %1 正被另一个程序使用（%2），请先关闭该程序。</source>
        <translation>The port %1 is in use by another program (%2); close that program first.</translation>
    </message>
    <message>
        <source>没有使用串口 %1 的权限。</source>
        <translation>You have no permission to use the port %1.</translation>
    </message>
    <message>
        <source>串口 %1 上的设备没有回应命令（收到 %2）。</source>
        <translation>The device on the port %1 did not echo the command (it sent %2).</translation>
    </message>
    <message>
        <source>请排除上述问题后重试。</source>
        <translation>Remove the cause above, then retry.</translation>
    </message>
</context>
<context>
    <name>DownloadProgressDialog</name>
    <message>
        <source>下载中.....</source>
        <translation>Downloading.....</translation>
    </message>
    <message>
        <source>用户%1没有血压数据</source>
        <translation>User %1 has no blood-pressure data</translation>
    </message>
    <message>
        <source>%1 条测量数据未完整接收，已保存为失败的测量。</source>
        <translation>%1 readings did not arrive completely and were stored as failed measurements.</translation>
    </message>
    <message>
        <source>无法写入文件 "%1"。
下载的数据仍然保留，请选择另一个文件夹保存。</source>
        <translation>Cannot write the file "%1".
The downloaded readings are kept; choose another folder to save them.</translation>
    </message>
    <message>
        <source>选择保存文件夹</source>
        <translation>Choose a folder to save in</translation>
    </message>
    <message>
        <source>用户%1的数据传输受损：收到未知的用户字节 %2。
后续数据可能错位，受损的测量将保存为失败的测量。</source>
        <translation>The transfer of user %1's memory is damaged: unknown user byte %2.
What follows may be out of step; damaged readings will be stored as failed measurements.</translation>
    </message>
    <message>
        <source>用户%1的 %2 条测量数据没有一条完整无误地到达，未保存文件。请重新下载。</source>
        <translation>None of the %2 readings of user %1 arrived intact; no file was written. Please download again.</translation>
    </message>
    <message>
        <source>记录仪发送的数据多于其声明的数量：传输已错位。
以上结果可能有误，请重新下载。</source>
        <translation>The recorder sent more data than it announced: the transfer was out of step.
The results above may be wrong; please download again.</translation>
    </message>
    <message>
        <source>记录仪停止发送数据。</source>
        <translation>The recorder stopped sending.</translation>
    </message>
    <message>
        <source>记录仪停止发送数据：用户%1 只收到 %2 / %3 条测量数据。</source>
        <translation>The recorder stopped sending: user %1, only %2 of %3 readings received.</translation>
    </message>
    <message>
        <source>以下用户的数据未下载：%1</source>
        <translation>The data of these users was not downloaded: %1</translation>
    </message>
    <message>
        <source>串口关闭!</source>
        <translation>Port closed!</translation>
    </message>
    <message>
        <source>%1 条测量数据传输错位（时间不可能），已保存为失败的测量。</source>
        <translation>%1 readings arrived out of step (impossible times) and were stored as failed measurements.</translation>
    </message>
    <message>
        <source>用户%1的 %2 条测量数据尚未保存。
放弃这些数据吗？选择“否”将重新选择保存文件夹。</source>
        <translation>The %2 readings of user %1 have not been saved.
Discard them? Choose No to pick a folder again.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>找不到帮助文件：
%1</source>
        <translation>The help file was not found:
%1</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>没有可用的浏览器。请用浏览器打开：
%1</source>
        <translation>No web browser is available. Please open this page in a browser:
%1</translation>
    </message>
</context>
<context>
    <name>MonitoringPlanDialog</name>
    <message>
        <source>上传参数</source>
        <translation>Upload settings</translation>
    </message>
    <message>
        <source>病人姓名</source>
        <translation>Patient name</translation>
    </message>
    <message>
        <source>病人 ID</source>
        <translation>Patient ID</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>ReadingsTableDialog</name>
    <message>
        <source>编辑血压数据</source>
        <translation>Edit BP data</translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>RecordEdits</name>
    <message>
        <source>病历文件</source>
        <translation>Patient record</translation>
    </message>
    <message>
        <source>无法写入病历文件 %1，修改没有保存。</source>
        <translation>Cannot write the patient record %1; the change was not saved.</translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>报告中没有可打印的页。
请在报告配置中选择要打印的页。</source>
        <translation>The report has no page to print.
Choose the pages to print in the report configuration.</translation>
    </message>
    <message>
        <source>打印机无法启动，报告未打印。</source>
        <translation>The printer could not be started; the report was not printed.</translation>
    </message>
    <message>
        <source>另存为PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>无法写入PDF文件：
%1
%2</source>
        <translation>The PDF file could not be written:
%1
%2</translation>
    </message>
    <message>
        <source>导出测量数据</source>
        <translation>Export readings</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>无法写入CSV文件：
%1
%2</source>
        <translation>The CSV file could not be written:
%1
%2</translation>
    </message>
</context>
<context>
    <name>SaveFailed</name>
    <message>
        <source>保存失败</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>无法保存文件：
%1</source>
        <translation>Cannot save the file:
%1</translation>
    </message>
</context>
<context>
    <name>SleepPeriodDialog</name>
    <message>
        <source>睡眠时期</source>
        <translation>Sleep periods</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>非睡眠</source>
        <translation>Awake</translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation>Asleep</translation>
    </message>
</context>
<context>
    <name>Spo2DisplaySettingsDialog</name>
    <message>
        <source>显示设置</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>全部数据</source>
        <translation>All data</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>(时-分)</source>
        <translation>(hours-minutes)</translation>
    </message>
</context>
<context>
    <name>Spo2ParametersDialog</name>
    <message>
        <source>分析参数</source>
        <translation>Analysis parameters</translation>
    </message>
    <message>
        <source>血氧参数</source>
        <translation>SpO2 parameters</translation>
    </message>
    <message>
        <source>事件的血氧下降（%）</source>
        <translation>SpO2 drop for an event (%)</translation>
    </message>
    <message>
        <source>最小事件时长（秒）</source>
        <translation>Minimum event duration (s)</translation>
    </message>
    <message>
        <source>饱和危机水平（%）</source>
        <translation>Critical saturation level (%)</translation>
    </message>
    <message>
        <source>脉率参数</source>
        <translation>Pulse parameters</translation>
    </message>
    <message>
        <source>事件的脉率变化（bpm）</source>
        <translation>Pulse change for an event (bpm)</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Spo2ReportPages</name>
    <message>
        <source>饱和事件：血氧下降至少%%1，持续时间至少%2秒</source>
        <translation>Desaturation event: SpO2 falls by at least %1% for at least %2 s</translation>
    </message>
    <message>
        <source>脉搏事件：脉率变化至少%1bpm，持续时间至少%2秒</source>
        <translation>Pulse event: pulse rate changes by at least %1 bpm for at least %2 s</translation>
    </message>
</context>
<context>
    <name>Spo2TrendPainter</name>
    <message>
        <source>SPO2</source>
        <translation>SPO2</translation>
    </message>
    <message>
        <source>PULSE</source>
        <translation>PULSE</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>非睡眠</source>
        <translation>Awake</translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation>Asleep</translation>
    </message>
    <message>
        <source>总数</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>血压读取</source>
        <translation>BP readings</translation>
    </message>
    <message>
        <source>次数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>血压[mmHg]</source>
        <translation>BP [mmHg]</translation>
    </message>
    <message>
        <source>心率[BPM]</source>
        <translation>Heart rate [BPM]</translation>
    </message>
    <message>
        <source>压差[mmHg]</source>
        <translation>Pulse pressure [mmHg]</translation>
    </message>
    <message>
        <source>收缩压%</source>
        <translation>Systolic %</translation>
    </message>
    <message>
        <source>舒张压 %</source>
        <translation>Diastolic %</translation>
    </message>
    <message>
        <source>基准值</source>
        <translation>Thresholds</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>删除数据(&amp;D)</source>
        <extracomment>32772</extracomment>
        <translation>&amp;Delete data</translation>
    </message>
    <message>
        <source>复制数据(&amp;C)</source>
        <extracomment>32773</extracomment>
        <translation>&amp;Copy data</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <extracomment>32779</extracomment>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>设定文件路径(&amp;S)</source>
        <extracomment>32780</extracomment>
        <translation>&amp;Set file path</translation>
    </message>
    <message>
        <source>报告配置(&amp;C)</source>
        <extracomment>32785</extracomment>
        <translation>Report &amp;configuration</translation>
    </message>
    <message>
        <source>病人数据(&amp;P)</source>
        <extracomment>32788</extracomment>
        <translation>&amp;Patient data</translation>
    </message>
    <message>
        <source>基准值</source>
        <extracomment>32790</extracomment>
        <translation>Thresholds</translation>
    </message>
    <message>
        <source>
 上传采集计划</source>
        <extracomment>32795</extracomment>
        <translation>
 Upload measurement plan</translation>
    </message>
    <message>
        <source>打印预览(&amp;P)</source>
        <extracomment>32809</extracomment>
        <translation>Print pre&amp;view</translation>
    </message>
    <message>
        <source>开始下载(&amp;D)</source>
        <extracomment>32812</extracomment>
        <translation>Start &amp;download</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <extracomment>32818</extracomment>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>打开数据(&amp;O)</source>
        <extracomment>32901</extracomment>
        <translation>&amp;Open data</translation>
    </message>
    <message>
        <source>血压数据(&amp;B)</source>
        <extracomment>32904</extracomment>
        <translation>&amp;BP data</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <extracomment>32908</extracomment>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>选择打印机(&amp;S)</source>
        <extracomment>57606</extracomment>
        <translation>Choose printer (&amp;S)</translation>
    </message>
    <message>
        <source>你必须输入一个用户名!</source>
        <extracomment>57609</extracomment>
        <translation>You must enter a user name!</translation>
    </message>
    <message>
        <source>删除用户</source>
        <extracomment>57610</extracomment>
        <translation>Delete user </translation>
    </message>
    <message>
        <source>删除所有用户?</source>
        <extracomment>57611</extracomment>
        <translation>Delete all users?</translation>
    </message>
    <message>
        <source>确定删除?</source>
        <extracomment>57612</extracomment>
        <translation>Really delete?</translation>
    </message>
    <message>
        <source>操作完成!</source>
        <extracomment>57613</extracomment>
        <translation>Operation complete!</translation>
    </message>
    <message>
        <source>没有收到血压数据，串口关闭!</source>
        <extracomment>57616</extracomment>
        <translation>No blood-pressure data received, port closed!</translation>
    </message>
    <message>
        <source>请选择一个文件!</source>
        <extracomment>57617</extracomment>
        <translation>Please select a file!</translation>
    </message>
    <message>
        <source>收缩压必须大于舒张压.</source>
        <extracomment>57618</extracomment>
        <translation>Systolic must be greater than diastolic.</translation>
    </message>
    <message>
        <source>数值设置错误.</source>
        <extracomment>57619</extracomment>
        <translation>Value out of range.</translation>
    </message>
    <message>
        <source>必须输入一个病人姓名!</source>
        <extracomment>57620</extracomment>
        <translation>You must enter a patient name!</translation>
    </message>
    <message>
        <source>必须输入病人 ID</source>
        <extracomment>57621</extracomment>
        <translation>You must enter a patient ID</translation>
    </message>
    <message>
        <source>连接失败，串口关闭!</source>
        <extracomment>57622</extracomment>
        <translation>Connection failed, port closed!</translation>
    </message>
    <message>
        <source>病人姓名, 121;病人 ID, 111;开始时间, 130; 文件名, 125</source>
        <extracomment>57623</extracomment>
        <translation>Patient name, 121;Patient ID, 111;Start time, 130; File name, 125</translation>
    </message>
    <message>
        <source>接收盒中的数据将被覆盖! 您是否要继续?</source>
        <extracomment>57625</extracomment>
        <translation>The data in the recorder will be overwritten! Do you want to continue?</translation>
    </message>
    <message>
        <source>您需要为新建的打印报告标记一个名字!</source>
        <extracomment>57626</extracomment>
        <translation>You need to give the new report a name!</translation>
    </message>
    <message>
        <source>打印报告至少应包含一页!</source>
        <extracomment>57627</extracomment>
        <translation>A report must contain at least one page!</translation>
    </message>
    <message>
        <source>未能发现相关设备,请您检查设备是否
已正确连接到电脑上，然后重试!</source>
        <extracomment>57629</extracomment>
        <translation>No recorder was found. Please check that it is
connected to the computer, then retry!</translation>
    </message>
    <message>
        <source>时间段不能为空! </source>
        <extracomment>57631</extracomment>
        <translation>The time periods cannot be empty! </translation>
    </message>
    <message>
        <source>分析参数不能有空值!</source>
        <extracomment>57632</extracomment>
        <translation>The analysis parameters cannot be empty!</translation>
    </message>
    <message>
        <source>当前病历文件中没有血氧数据!</source>
        <extracomment>57633</extracomment>
        <translation>The current record holds no SpO2 data!</translation>
    </message>
    <message>
        <source>该报告名已存在!</source>
        <extracomment>57634</extracomment>
        <translation>A report of this name already exists!</translation>
    </message>
    <message>
        <source>动态血压总结</source>
        <extracomment>57635</extracomment>
        <translation>ABPM summary</translation>
    </message>
    <message>
        <source>测量时间: </source>
        <extracomment>57636
----------
57705</extracomment>
        <translation>Measurement time: </translation>
    </message>
    <message>
        <source>测量次数: </source>
        <extracomment>57637</extracomment>
        <translation>Number of readings: </translation>
    </message>
    <message>
        <source>血压上传</source>
        <extracomment>57638</extracomment>
        <translation>BP load</translation>
    </message>
    <message>
        <source>非睡眠时收缩压基准值：</source>
        <extracomment>57639</extracomment>
        <translation>Awake systolic threshold: </translation>
    </message>
    <message>
        <source>超过基准值的：</source>
        <extracomment>57640</extracomment>
        <translation>Above threshold: </translation>
    </message>
    <message>
        <source>非睡眠时舒张压基准值：</source>
        <extracomment>57641</extracomment>
        <translation>Awake diastolic threshold: </translation>
    </message>
    <message>
        <source>睡眠时收缩压基准值：</source>
        <extracomment>57642</extracomment>
        <translation>Asleep systolic threshold: </translation>
    </message>
    <message>
        <source>睡眠时舒张压基准值：</source>
        <extracomment>57643</extracomment>
        <translation>Asleep diastolic threshold: </translation>
    </message>
    <message>
        <source>平均值</source>
        <extracomment>57644</extracomment>
        <translation>Mean</translation>
    </message>
    <message>
        <source>非睡眠血压</source>
        <extracomment>57645</extracomment>
        <translation>Awake BP</translation>
    </message>
    <message>
        <source>非睡眠高低压差</source>
        <extracomment>57646</extracomment>
        <translation>Awake pulse pressure</translation>
    </message>
    <message>
        <source>非睡眠心率</source>
        <extracomment>57647</extracomment>
        <translation>Awake heart rate</translation>
    </message>
    <message>
        <source>睡眠血压</source>
        <extracomment>57648</extracomment>
        <translation>Asleep BP</translation>
    </message>
    <message>
        <source>睡眠高低压差</source>
        <extracomment>57649</extracomment>
        <translation>Asleep pulse pressure</translation>
    </message>
    <message>
        <source>睡眠心率</source>
        <extracomment>57650</extracomment>
        <translation>Asleep heart rate</translation>
    </message>
    <message>
        <source>诊断及治疗</source>
        <extracomment>57651</extracomment>
        <translation>Interpretation and treatment</translation>
    </message>
    <message>
        <source>数据信息</source>
        <extracomment>57652</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>编号</source>
        <extracomment>57653</extracomment>
        <translation>No.</translation>
    </message>
    <message>
        <source>时间</source>
        <extracomment>57654
----------
57762</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>收缩压/舒张压</source>
        <extracomment>57655</extracomment>
        <translation>Sys/Dia</translation>
    </message>
    <message>
        <source>心率</source>
        <extracomment>57656</extracomment>
        <translation>Heart rate</translation>
    </message>
    <message>
        <source>平均压</source>
        <extracomment>57657</extracomment>
        <translation>MAP</translation>
    </message>
    <message>
        <source>高低压差</source>
        <extracomment>57658</extracomment>
        <translation>Pulse pressure</translation>
    </message>
    <message>
        <source>注释</source>
        <extracomment>57659</extracomment>
        <translation>Comment</translation>
    </message>
    <message>
        <source>血压 vs. 时间</source>
        <extracomment>57660</extracomment>
        <translation>BP vs. time</translation>
    </message>
    <message>
        <source>患者统计</source>
        <extracomment>57661</extracomment>
        <translation>Patient data</translation>
    </message>
    <message>
        <source>患者姓名: </source>
        <extracomment>57662</extracomment>
        <translation>Patient name: </translation>
    </message>
    <message>
        <source>患者编号: </source>
        <extracomment>57663</extracomment>
        <translation>Patient ID: </translation>
    </message>
    <message>
        <source>住址</source>
        <extracomment>57664</extracomment>
        <translation>Address</translation>
    </message>
    <message>
        <source>电话</source>
        <extracomment>57665</extracomment>
        <translation>Phone</translation>
    </message>
    <message>
        <source>民族</source>
        <extracomment>57666</extracomment>
        <translation>Ethnic group</translation>
    </message>
    <message>
        <source>出生日期</source>
        <extracomment>57667</extracomment>
        <translation>Date of birth</translation>
    </message>
    <message>
        <source>性别</source>
        <extracomment>57668</extracomment>
        <translation>Gender</translation>
    </message>
    <message>
        <source>身高</source>
        <extracomment>57669</extracomment>
        <translation>Height</translation>
    </message>
    <message>
        <source>体重</source>
        <extracomment>57670</extracomment>
        <translation>Weight</translation>
    </message>
    <message>
        <source>目前用药情况</source>
        <extracomment>57671</extracomment>
        <translation>Current medication</translation>
    </message>
    <message>
        <source>医师诊断</source>
        <extracomment>57672</extracomment>
        <translation>Physician's comments</translation>
    </message>
    <message>
        <source>主治医师</source>
        <extracomment>57673</extracomment>
        <translation>Attending physician</translation>
    </message>
    <message>
        <source>助理医师</source>
        <extracomment>57674</extracomment>
        <translation>Assistant physician</translation>
    </message>
    <message>
        <source>摘要统计</source>
        <extracomment>57675</extracomment>
        <translation>Summary statistics</translation>
    </message>
    <message>
        <source>分析次数/测量总次数: </source>
        <extracomment>57676</extracomment>
        <translation>Analysed/total readings: </translation>
    </message>
    <message>
        <source>血压统计</source>
        <extracomment>57677</extracomment>
        <translation>BP statistics</translation>
    </message>
    <message>
        <source>全部统计测量次数: </source>
        <extracomment>57678</extracomment>
        <translation>Readings, whole day: </translation>
    </message>
    <message>
        <source>最高值</source>
        <extracomment>57679</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>最低值</source>
        <extracomment>57680</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>非睡眠统计测量次数: </source>
        <extracomment>57681</extracomment>
        <translation>Readings, awake: </translation>
    </message>
    <message>
        <source>非睡眠血压上传: </source>
        <extracomment>57682</extracomment>
        <translation>Awake BP load: </translation>
    </message>
    <message>
        <source>% 收缩压 &gt; </source>
        <extracomment>57683</extracomment>
        <translation>% Sys &gt; </translation>
    </message>
    <message>
        <source>% 舒张压 &gt; </source>
        <extracomment>57684</extracomment>
        <translation>% Dia &gt; </translation>
    </message>
    <message>
        <source>睡眠统计测量次数: </source>
        <extracomment>57685</extracomment>
        <translation>Readings, asleep: </translation>
    </message>
    <message>
        <source>睡眠血压上传: </source>
        <extracomment>57686</extracomment>
        <translation>Asleep BP load: </translation>
    </message>
    <message>
        <source>全部血压上传</source>
        <extracomment>57687</extracomment>
        <translation>Whole-day BP load</translation>
    </message>
    <message>
        <source>频率柱状图</source>
        <extracomment>57692</extracomment>
        <translation>Frequency histograms</translation>
    </message>
    <message>
        <source>非睡眠收缩压(N = </source>
        <extracomment>57693</extracomment>
        <translation>Awake systolic (N = </translation>
    </message>
    <message>
        <source>% 读入 &gt; </source>
        <extracomment>57694</extracomment>
        <translation>% Readings &gt; </translation>
    </message>
    <message>
        <source>非睡眠舒张压(N = </source>
        <extracomment>57695</extracomment>
        <translation>Awake diastolic (N = </translation>
    </message>
    <message>
        <source>睡眠收缩压(N = </source>
        <extracomment>57696</extracomment>
        <translation>Asleep systolic (N = </translation>
    </message>
    <message>
        <source>睡眠舒张压(N = </source>
        <extracomment>57697</extracomment>
        <translation>Asleep diastolic (N = </translation>
    </message>
    <message>
        <source>心率(N = </source>
        <extracomment>57698</extracomment>
        <translation>Heart rate (N = </translation>
    </message>
    <message>
        <source>平均压(N = </source>
        <extracomment>57699</extracomment>
        <translation>MAP (N = </translation>
    </message>
    <message>
        <source>高低压差(N = </source>
        <extracomment>57700</extracomment>
        <translation>Pulse pressure (N = </translation>
    </message>
    <message>
        <source>动态血压报告</source>
        <extracomment>57701</extracomment>
        <translation>Ambulatory blood-pressure report</translation>
    </message>
    <message>
        <source>宋体</source>
        <extracomment>57702</extracomment>
        <translation>Serif</translation>
    </message>
    <message>
        <source>测量开始时间: </source>
        <extracomment>57703</extracomment>
        <translation>Measurement start: </translation>
    </message>
    <message>
        <source>被排除!</source>
        <extracomment>57707</extracomment>
        <translation>Excluded!</translation>
    </message>
    <message>
        <source>没有病历被选中!</source>
        <extracomment>57708</extracomment>
        <translation>No record is selected!</translation>
    </message>
    <message>
        <source>AMU 类型: %s</source>
        <extracomment>57709</extracomment>
        <translation>Recorder type: %s</translation>
    </message>
    <message>
        <source>未知</source>
        <extracomment>57710</extracomment>
        <translation>unknown</translation>
    </message>
    <message>
        <source>显示 （开/关）: %s</source>
        <extracomment>57711</extracomment>
        <translation>Display (on/off): %s</translation>
    </message>
    <message>
        <source>开</source>
        <extracomment>57712</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>关</source>
        <extracomment>57713</extracomment>
        <translation>Off</translation>
    </message>
    <message>
        <source>开始键 （开/关）: %s</source>
        <extracomment>57714</extracomment>
        <translation>Start key (on/off): %s</translation>
    </message>
    <message>
        <source>非睡眠时间: %02d:%02d  </source>
        <extracomment>57715</extracomment>
        <translation>Awake: %02d:%02d  </translation>
    </message>
    <message>
        <source>睡眠时间: %02d:%02d  </source>
        <extracomment>57716</extracomment>
        <translation>Asleep: %02d:%02d  </translation>
    </message>
    <message>
        <source>特殊事件开始时间: %02d:%02d  </source>
        <extracomment>57717</extracomment>
        <translation>Special period start: %02d:%02d  </translation>
    </message>
    <message>
        <source>特殊事件结束时间: %02d:%02d  </source>
        <extracomment>57718</extracomment>
        <translation>Special period end: %02d:%02d  </translation>
    </message>
    <message>
        <source>间隔: %d</source>
        <extracomment>57719</extracomment>
        <translation>Interval: %d</translation>
    </message>
    <message>
        <source>动态血压</source>
        <extracomment>57720</extracomment>
        <translation>Ambulatory BP</translation>
    </message>
    <message>
        <source>病人监护</source>
        <extracomment>57721</extracomment>
        <translation>Patient monitoring</translation>
    </message>
    <message>
        <source>请选择设备状态!</source>
        <extracomment>57722</extracomment>
        <translation>Please choose the recorder mode!</translation>
    </message>
    <message>
        <source>您真的要删除该报告吗?</source>
        <extracomment>57723</extracomment>
        <translation>Do you really want to delete this report?</translation>
    </message>
    <message>
        <source>*xx/xx,150; 编号,65;时间,60;日期,90;血压(mmHg),94;心率(BPM),90;平均压(mmHg),93;压差(mmHg),93;TC错误代号,50; 注释, 230</source>
        <extracomment>57724</extracomment>
        <translation>*xx/xx,150; No.,65;Time,60;Date,90;BP (mmHg),94;HR (BPM),90;MAP (mmHg),93;PP (mmHg),93;TC error,50; Comment, 230</translation>
    </message>
    <message>
        <source>日期</source>
        <extracomment>57725
----------
57757</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>收缩压</source>
        <extracomment>57726</extracomment>
        <translation>Systolic</translation>
    </message>
    <message>
        <source>舒张压</source>
        <extracomment>57727</extracomment>
        <translation>Diastolic</translation>
    </message>
    <message>
        <source>左移一页</source>
        <extracomment>57728</extracomment>
        <translation>Page left</translation>
    </message>
    <message>
        <source>左移一格</source>
        <extracomment>57729</extracomment>
        <translation>Step left</translation>
    </message>
    <message>
        <source>右移一格</source>
        <extracomment>57730</extracomment>
        <translation>Step right</translation>
    </message>
    <message>
        <source>右移一页</source>
        <extracomment>57731</extracomment>
        <translation>Page right</translation>
    </message>
    <message>
        <source>一分钟趋势</source>
        <extracomment>57732</extracomment>
        <translation>1-minute trend</translation>
    </message>
    <message>
        <source>十分钟趋势</source>
        <extracomment>57733</extracomment>
        <translation>10-minute trend</translation>
    </message>
    <message>
        <source>一小时趋势</source>
        <extracomment>57734</extracomment>
        <translation>1-hour trend</translation>
    </message>
    <message>
        <source>手动设置趋势长度</source>
        <extracomment>57735</extracomment>
        <translation>Custom trend length</translation>
    </message>
    <message>
        <source>事件数据</source>
        <extracomment>57736</extracomment>
        <translation>Event data</translation>
    </message>
    <message>
        <source>血氧</source>
        <extracomment>57737</extracomment>
        <translation>SpO2</translation>
    </message>
    <message>
        <source>脉搏</source>
        <extracomment>57738</extracomment>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>事件总数</source>
        <extracomment>57739</extracomment>
        <translation>Total events</translation>
    </message>
    <message>
        <source>事件总时长(分)</source>
        <extracomment>57740</extracomment>
        <translation>Total event time (min)</translation>
    </message>
    <message>
        <source>平均事件时长(秒)</source>
        <extracomment>57741</extracomment>
        <translation>Mean event duration (s)</translation>
    </message>
    <message>
        <source>指数(1/小时)</source>
        <extracomment>57742</extracomment>
        <translation>Index (1/h)</translation>
    </message>
    <message>
        <source>%%人为现象</source>
        <extracomment>57743</extracomment>
        <translation>%% artefact</translation>
    </message>
    <message>
        <source>调整指数(1/小时)</source>
        <extracomment>57744</extracomment>
        <translation>Adjusted index (1/h)</translation>
    </message>
    <message>
        <source>%%血氧数据</source>
        <extracomment>57745</extracomment>
        <translation>%% SpO2 data</translation>
    </message>
    <message>
        <source>血氧 平均(%%)</source>
        <extracomment>57746</extracomment>
        <translation>SpO2 mean (%%)</translation>
    </message>
    <message>
        <source>时长(分钟) &lt; 88%%</source>
        <extracomment>57747</extracomment>
        <translation>Time (min) &lt; 88%%</translation>
    </message>
    <message>
        <source>事件 &lt;88%%</source>
        <extracomment>57748</extracomment>
        <translation>Events &lt;88%%</translation>
    </message>
    <message>
        <source>血氧最小值</source>
        <extracomment>57749</extracomment>
        <translation>SpO2 minimum</translation>
    </message>
    <message>
        <source>低血氧平均(%%)</source>
        <extracomment>57750</extracomment>
        <translation>Low SpO2 mean (%%)</translation>
    </message>
    <message>
        <source>低血氧平均 &lt; 88%%</source>
        <extracomment>57751</extracomment>
        <translation>Low SpO2 mean &lt; 88%%</translation>
    </message>
    <message>
        <source>事件</source>
        <extracomment>57752</extracomment>
        <translation>Events</translation>
    </message>
    <message>
        <source>脉搏事件</source>
        <extracomment>57753</extracomment>
        <translation>Pulse events</translation>
    </message>
    <message>
        <source>平均脉搏(bpm)</source>
        <extracomment>57754</extracomment>
        <translation>Mean pulse (bpm)</translation>
    </message>
    <message>
        <source>最低脉搏(bpm)</source>
        <extracomment>57755</extracomment>
        <translation>Lowest pulse (bpm)</translation>
    </message>
    <message>
        <source>解读医师</source>
        <extracomment>57756</extracomment>
        <translation>Interpreting physician</translation>
    </message>
    <message>
        <source>分析参数</source>
        <extracomment>57758</extracomment>
        <translation>Analysis parameters</translation>
    </message>
    <message>
        <source>饱和事件：血氧下降至少%%4，持续时间至少10秒</source>
        <extracomment>57759</extracomment>
        <translation>Desaturation event: SpO2 falls by at least %%4 for at least 10 s</translation>
    </message>
    <message>
        <source>脉搏事件：脉率变化至少6bpm，持续时间至少8秒</source>
        <extracomment>57760</extracomment>
        <translation>Pulse event: pulse rate changes by at least 6 bpm for at least 8 s</translation>
    </message>
    <message>
        <source>血氧概要分析报告</source>
        <extracomment>57763</extracomment>
        <translation>SpO2 summary report</translation>
    </message>
    <message>
        <source>梗概图</source>
        <extracomment>57764</extracomment>
        <translation>Overview</translation>
    </message>
    <message>
        <source>血氧 (%%10每格)</source>
        <extracomment>57765</extracomment>
        <translation>SpO2 (%%10 per division)</translation>
    </message>
    <message>
        <source>脉率 (10bpm 每格)</source>
        <extracomment>57766</extracomment>
        <translation>Pulse (10 bpm per division)</translation>
    </message>
    <message>
        <source>血氧定量分析报告</source>
        <extracomment>57767</extracomment>
        <translation>SpO2 quantitative report</translation>
    </message>
    <message>
        <source>带状图表报告</source>
        <extracomment>57768</extracomment>
        <translation>Strip chart report</translation>
    </message>
    <message>
        <source>全面分析报告</source>
        <extracomment>57769</extracomment>
        <translation>Full analysis report</translation>
    </message>
    <message>
        <source>%%血氧水平</source>
        <extracomment>57770</extracomment>
        <translation>%% SpO2 level</translation>
    </message>
    <message>
        <source>小于(%%)</source>
        <extracomment>57771</extracomment>
        <translation>Below (%%)</translation>
    </message>
    <message>
        <source>时间(%%)</source>
        <extracomment>57772</extracomment>
        <translation>Time (%%)</translation>
    </message>
    <message>
        <source>血氧分布(%%时间)</source>
        <extracomment>57773</extracomment>
        <translation>SpO2 distribution (%% time)</translation>
    </message>
    <message>
        <source>血氧事件分布</source>
        <extracomment>57774</extracomment>
        <translation>SpO2 event distribution</translation>
    </message>
    <message>
        <source>全部</source>
        <extracomment>57775</extracomment>
        <translation>All</translation>
    </message>
    <message>
        <source>白天</source>
        <extracomment>57776</extracomment>
        <translation>Day</translation>
    </message>
    <message>
        <source>晚上</source>
        <extracomment>57777</extracomment>
        <translation>Night</translation>
    </message>
    <message>
        <source>以上</source>
        <extracomment>57778</extracomment>
        <translation>Above</translation>
    </message>
    <message>
        <source>以下</source>
        <extracomment>57779</extracomment>
        <translation>Below</translation>
    </message>
    <message>
        <source>佩戴</source>
        <extracomment>57780</extracomment>
        <translation>Wear</translation>
    </message>
    <message>
        <source>上传</source>
        <extracomment>57781</extracomment>
        <translation>Upload</translation>
    </message>
    <message>
        <source>下载</source>
        <extracomment>57782</extracomment>
        <translation>Download</translation>
    </message>
    <message>
        <source>打开病历</source>
        <extracomment>57783</extracomment>
        <translation>Open</translation>
    </message>
    <message>
        <source>编辑</source>
        <extracomment>57784</extracomment>
        <translation>Edit</translation>
    </message>
    <message>
        <source>血压趋势</source>
        <extracomment>57785</extracomment>
        <translation>BP trend</translation>
    </message>
    <message>
        <source>柱状图</source>
        <extracomment>57787</extracomment>
        <translation>Bars</translation>
    </message>
    <message>
        <source>饼图</source>
        <extracomment>57788</extracomment>
        <translation>Pies</translation>
    </message>
    <message>
        <source>拟合线</source>
        <extracomment>57789</extracomment>
        <translation>Fit line</translation>
    </message>
    <message>
        <source>打印</source>
        <extracomment>57790</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>帮助</source>
        <extracomment>57793</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>退出</source>
        <extracomment>57794</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>收缩压对舒张压的依赖关系</source>
        <extracomment>57795</extracomment>
        <translation>Systolic as a function of diastolic</translation>
    </message>
    <message>
        <source>舒张压对收缩压的依赖关系</source>
        <extracomment>57796</extracomment>
        <translation>Diastolic as a function of systolic</translation>
    </message>
    <message>
        <source>相关系数</source>
        <extracomment>57797</extracomment>
        <translation>Correlation</translation>
    </message>
    <message>
        <source>分布中心</source>
        <extracomment>57798</extracomment>
        <translation>Distribution centre</translation>
    </message>
    <message>
        <source>弱信号</source>
        <extracomment>57800</extracomment>
        <translation>Weak signal</translation>
    </message>
    <message>
        <source>过分运动</source>
        <extracomment>57801</extracomment>
        <translation>Excessive motion</translation>
    </message>
    <message>
        <source>超时</source>
        <extracomment>57802</extracomment>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>导气管堵塞</source>
        <extracomment>57803</extracomment>
        <translation>Air tube blocked</translation>
    </message>
    <message>
        <source>按键停止</source>
        <extracomment>57804</extracomment>
        <translation>Stopped by key</translation>
    </message>
    <message>
        <source>漏气</source>
        <extracomment>57805</extracomment>
        <translation>Air leak</translation>
    </message>
    <message>
        <source>安全暂停</source>
        <extracomment>57806</extracomment>
        <translation>Safety pause</translation>
    </message>
    <message>
        <source>超过压力范围</source>
        <extracomment>57807</extracomment>
        <translation>Pressure range exceeded</translation>
    </message>
    <message>
        <source>电池电量低</source>
        <extracomment>57808</extracomment>
        <translation>Battery low</translation>
    </message>
    <message>
        <source>自检失败</source>
        <extracomment>57809</extracomment>
        <translation>Self-test failed</translation>
    </message>
    <message>
        <source>超出测量范围</source>
        <extracomment>57810</extracomment>
        <translation>Out of measuring range</translation>
    </message>
    <message>
        <source>系统错误</source>
        <extracomment>57811</extracomment>
        <translation>System error</translation>
    </message>
    <message>
        <source>将袖带缠在非惯用手的上臂，袖带下缘在肘窝上方约两指处，松紧以能插入一指为宜；导气管朝上，沿手臂内侧走向。

</source>
        <extracomment>57813 wearing instructions: placing the cuff</extracomment>
        <translation>Wrap the cuff around the upper arm of the non-dominant side, its lower edge about two fingers above the elbow crease, loose enough for one finger to slip under it; the air tube points upwards along the inside of the arm.

</translation>
    </message>
    <message>
        <source>把记录仪放进腰带上的背包里，导气管绕过颈后，不要打结或折弯。

</source>
        <extracomment>57814 wearing instructions: the tube and the recorder</extracomment>
        <translation>Put the recorder in its pouch on the belt and lead the air tube around the back of the neck; do not knot or kink it.

</translation>
    </message>
    <message>
        <source>袖带开始充气时，请停止活动，手臂放松下垂、保持不动，直到袖带完全放气。

</source>
        <extracomment>57815 wearing instructions: keep the arm still</extracomment>
        <translation>When the cuff starts to inflate, stop moving, let the arm hang relaxed and keep it still until the cuff has deflated completely.

</translation>
    </message>
    <message>
        <source>夜间请保持记录仪开机，可放在枕边；睡觉时注意不要压住记录仪或导气管。

</source>
        <extracomment>57816 wearing instructions: keep the recorder on at night</extracomment>
        <translation>Keep the recorder switched on at night; it can lie beside the pillow. Take care not to lie on the recorder or the air tube.

</translation>
    </message>
    <message>
        <source>感到头晕、心慌等不适时，可按一下开始键进行一次额外测量，并记下当时的时间和情况。

</source>
        <extracomment>57817 wearing instructions: extra reading</extracomment>
        <translation>If you feel dizzy, have palpitations or feel unwell, press the start key once for an extra measurement and note the time and what happened.

</translation>
    </message>
    <message>
        <source>记录结束后，关闭记录仪，取下袖带，将记录仪和袖带一并交回诊所下载数据。

</source>
        <extracomment>57818 wearing instructions: removal</extracomment>
        <translation>When the recording is over, switch the recorder off, remove the cuff and bring both back to the clinic for the download.

</translation>
    </message>
    <message>
        <source>标准差</source>
        <extracomment>57820</extracomment>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>病人姓名:</source>
        <extracomment>57822</extracomment>
        <translation>Patient name:</translation>
    </message>
    <message>
        <source>病人ID:</source>
        <extracomment>57823</extracomment>
        <translation>Patient ID:</translation>
    </message>
    <message>
        <source>测量时间:</source>
        <extracomment>57824</extracomment>
        <translation>Test date:</translation>
    </message>
</context>
<context>
    <name>UploadProgressDialog</name>
    <message>
        <source>上传中......</source>
        <translation>Uploading......</translation>
    </message>
</context>
<context>
    <name>UserSelectionDialog</name>
    <message>
        <source>选择用户</source>
        <translation>Choose user</translation>
    </message>
    <message>
        <source>用户1</source>
        <translation>User 1</translation>
    </message>
    <message>
        <source>用户2</source>
        <translation>User 2</translation>
    </message>
    <message>
        <source>用户3</source>
        <translation>User 3</translation>
    </message>
    <message>
        <source>全部用户</source>
        <translation>All users</translation>
    </message>
    <message>
        <source>用户</source>
        <translation>User</translation>
    </message>
</context>
<context>
    <name>WearingInstructionsDialog</name>
    <message>
        <source>佩戴</source>
        <translation>Wear</translation>
    </message>
</context>
<context>
    <name>WearingPicture</name>
    <message>
        <source>袖带</source>
        <translation>Cuff</translation>
    </message>
    <message>
        <source>记录仪</source>
        <translation>Recorder</translation>
    </message>
</context>
</TS>