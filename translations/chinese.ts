<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AmbulatoryPlanDialog</name>
    <message>
        <source>上传参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人 ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量开始时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大压力值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始键</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状态选择</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>间隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊事件开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊事件结束</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量时段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 分钟</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态血压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>监护</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAbpmApp</name>
    <message>
        <source>病例文件路径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病例文件路径不存在：
%1
将使用当前文件夹。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取病历文件：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病历文件中的血氧数据已损坏，未能读取：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病历文件大于 64 MB，不能打开：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病历文件记有 %1 个读数，只读取了前 %2 个：
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CComputerSettingsPage</name>
    <message>
        <source>总是使用默认路径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设备</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病例文件路径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigDialog</name>
    <message>
        <source>配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报告</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCurrentMedicProp</name>
    <message>
        <source>目前用药情况</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CEditPatientDataDlg</name>
    <message>
        <source>病人信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目前用药情况</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>诊断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医生信息</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CInterprationProp</name>
    <message>
        <source>诊断</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLanguageDialog</name>
    <message>
        <source>选择语言</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>输入用户名(&amp;U)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠时期(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>统计数据(&amp;T)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMU配置信息(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报告(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出测量数据(CSV)(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为PDF(&amp;F)...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPageSelectionTab</name>
    <message>
        <source>患者统计页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>摘要统计页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态血压总结页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条状图页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>柱状图页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>饼图页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拟合线页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率柱状图页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HR/MAP/PP柱状图页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量数据页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>临床摘要页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>概要报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全面分析报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧定量分析报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>带柱状图表报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报告名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压报告页</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPatientInfoProp</name>
    <message>
        <source>病人 ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>民族</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出生日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>身高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体重</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPhysicianProp</name>
    <message>
        <source>助理医生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主治医生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医生诊断</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecordFileDialog</name>
    <message>
        <source>选择需要打开的文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择需要复制的文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择需要删除的文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前路径 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReportGraphTab</name>
    <message>
        <source>线性图形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>条状图形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与显示相同</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 小时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 小时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>48 小时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>52 小时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形尺度</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReportLayoutDialog</name>
    <message>
        <source>打印页</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标题</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReportPage</name>
    <message>
        <source>删除报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>增加报告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReportTitleTab</name>
    <message>
        <source>报告标题</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTargetFolderDialog</name>
    <message>
        <source>选择目标路径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前路径 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CThresholdsPage</name>
    <message>
        <source>非睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>舒张压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>默认值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基准值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>临床摘要诊断指南(&amp;G)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUserNameDialog</name>
    <message>
        <source>输入用户名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除所有(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户名不能包含 [ ] / \ 或控制字符。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法删除配置文件：
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClinicalTexts</name>
    <message>
        <source>24小时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白天</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夜间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24小时平均血压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白天平均血压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夜间平均血压</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>达到或高于阈值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低于阈值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无效</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读数 %1，失败 %2，成功 %3 %，白天 %4，夜间 %5：%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录中没有读数。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录有效：%1 个读数中 %2 个成功 (%3 %)，白天 %4 个、夜间 %5 个读数。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录无效：%1 个读数中 %2 个成功 (%3 %)，白天 %4 个、夜间 %5 个读数；有效记录需要至少 %6 % 的成功读数、白天 %7 个和夜间 %8 个读数。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 mmHg 达到或高于 %3 阈值 %4 mmHg。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 mmHg 低于 %3 阈值 %4 mmHg。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单纯夜间高血压。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夜间收缩压下降 %1 %：%2。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法评估夜间血压下降：白天或夜间没有读数。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压晨峰：比夜间谷值高 %1 mmHg，比觉醒前两小时高 %2 mmHg。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>two sentences in a row</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACC/AHA 2017</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESH 2023</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>反勺型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非勺型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>勺型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超勺型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>临床摘要</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>诊断指南：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均血压[mmHg]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>心率[BPM]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阈值[mmHg]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夜间下降：收缩压 %1 %，舒张压 %2 %，夜/昼收缩压比值 %3，%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压晨峰：睡眠谷值 %1 mmHg，觉醒前 %2 mmHg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24小时标准差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白天标准差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夜间标准差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24小时变异系数[%]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加权标准差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均真实变异</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压[mmHg]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>舒张压[mmHg]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态动脉硬化指数 (AASI)：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>结论</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommentDialog</name>
    <message>
        <source>注释</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlBar</name>
    <message>
        <source>图形类型</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧趋势</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数设置</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceChoiceDialog</name>
    <message>
        <source>设备状态选择</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceConfigurationDialog</name>
    <message>
        <source>AMU配置信息</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceMessages</name>
    <message>
        <source>串口 %1 不存在。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口 %1 正被另一个程序使用，请先关闭该程序。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口 %1 正被另一个程序使用（%2），请先关闭该程序。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有使用串口 %1 的权限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口 %1 上的设备没有回应命令（收到 %2）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请排除上述问题后重试。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadProgressDialog</name>
    <message>
        <source>下载中.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户%1没有血压数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条测量数据未完整接收，已保存为失败的测量。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件 &quot;%1&quot;。
下载的数据仍然保留，请选择另一个文件夹保存。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择保存文件夹</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户%1的数据传输受损：收到未知的用户字节 %2。
后续数据可能错位，受损的测量将保存为失败的测量。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户%1的 %2 条测量数据没有一条完整无误地到达，未保存文件。请重新下载。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录仪发送的数据多于其声明的数量：传输已错位。
以上结果可能有误，请重新下载。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录仪停止发送数据。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录仪停止发送数据：用户%1 只收到 %2 / %3 条测量数据。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以下用户的数据未下载：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口关闭!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 条测量数据传输错位（时间不可能），已保存为失败的测量。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户%1的 %2 条测量数据尚未保存。
放弃这些数据吗？选择“否”将重新选择保存文件夹。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>帮助</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到帮助文件：
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有可用的浏览器。请用浏览器打开：
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MonitoringPlanDialog</name>
    <message>
        <source>上传参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人姓名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人 ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备注</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingsTableDialog</name>
    <message>
        <source>编辑血压数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确认(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordEdits</name>
    <message>
        <source>病历文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入病历文件 %1，修改没有保存。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报告中没有可打印的页。
请在报告配置中选择要打印的页。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印机无法启动，报告未打印。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入PDF文件：
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出测量数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入CSV文件：
%1
%2</source>
    </message>
</context>
<context>
    <name>SaveFailed</name>
    <message>
        <source>保存失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存文件：
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepPeriodDialog</name>
    <message>
        <source>睡眠时期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spo2DisplaySettingsDialog</name>
    <message>
        <source>显示设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(时-分)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spo2ParametersDialog</name>
    <message>
        <source>分析参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件的血氧下降（%）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小事件时长（秒）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>饱和危机水平（%）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脉率参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件的脉率变化（bpm）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spo2ReportPages</name>
    <message>
        <source>饱和事件：血氧下降至少%%1，持续时间至少%2秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脉搏事件：脉率变化至少%1bpm，持续时间至少%2秒</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spo2TrendPainter</name>
    <message>
        <source>SPO2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PULSE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>非睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>总数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>统计信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压[mmHg]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>心率[BPM]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>压差[mmHg]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>舒张压 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基准值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>删除数据(&amp;D)</source>
        <extracomment>32772</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制数据(&amp;C)</source>
        <extracomment>32773</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <extracomment>32779</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设定文件路径(&amp;S)</source>
        <extracomment>32780</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>报告配置(&amp;C)</source>
        <extracomment>32785</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人数据(&amp;P)</source>
        <extracomment>32788</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>基准值</source>
        <extracomment>32790</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
 上传采集计划</source>
        <extracomment>32795</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印预览(&amp;P)</source>
        <extracomment>32809</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始下载(&amp;D)</source>
        <extracomment>32812</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <extracomment>32818</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开数据(&amp;O)</source>
        <extracomment>32901</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压数据(&amp;B)</source>
        <extracomment>32904</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <extracomment>32908</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择打印机(&amp;S)</source>
        <extracomment>57606</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>你必须输入一个用户名!</source>
        <extracomment>57609</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除用户</source>
        <extracomment>57610</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>删除所有用户?</source>
        <extracomment>57611</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定删除?</source>
        <extracomment>57612</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作完成!</source>
        <extracomment>57613</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有收到血压数据，串口关闭!</source>
        <extracomment>57616</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择一个文件!</source>
        <extracomment>57617</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压必须大于舒张压.</source>
        <extracomment>57618</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数值设置错误.</source>
        <extracomment>57619</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>必须输入一个病人姓名!</source>
        <extracomment>57620</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>必须输入病人 ID</source>
        <extracomment>57621</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连接失败，串口关闭!</source>
        <extracomment>57622</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人姓名, 121;病人 ID, 111;开始时间, 130; 文件名, 125</source>
        <extracomment>57623</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收盒中的数据将被覆盖! 您是否要继续?</source>
        <extracomment>57625</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您需要为新建的打印报告标记一个名字!</source>
        <extracomment>57626</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印报告至少应包含一页!</source>
        <extracomment>57627</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未能发现相关设备,请您检查设备是否
已正确连接到电脑上，然后重试!</source>
        <extracomment>57629</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间段不能为空! </source>
        <extracomment>57631</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分析参数不能有空值!</source>
        <extracomment>57632</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前病历文件中没有血氧数据!</source>
        <extracomment>57633</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该报告名已存在!</source>
        <extracomment>57634</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态血压总结</source>
        <extracomment>57635</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量时间: </source>
        <extracomment>57636
----------
57705</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量次数: </source>
        <extracomment>57637</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压上传</source>
        <extracomment>57638</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠时收缩压基准值：</source>
        <extracomment>57639</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超过基准值的：</source>
        <extracomment>57640</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠时舒张压基准值：</source>
        <extracomment>57641</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠时收缩压基准值：</source>
        <extracomment>57642</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠时舒张压基准值：</source>
        <extracomment>57643</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均值</source>
        <extracomment>57644</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠血压</source>
        <extracomment>57645</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠高低压差</source>
        <extracomment>57646</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠心率</source>
        <extracomment>57647</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠血压</source>
        <extracomment>57648</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠高低压差</source>
        <extracomment>57649</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠心率</source>
        <extracomment>57650</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>诊断及治疗</source>
        <extracomment>57651</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据信息</source>
        <extracomment>57652</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编号</source>
        <extracomment>57653</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间</source>
        <extracomment>57654
----------
57762</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压/舒张压</source>
        <extracomment>57655</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>心率</source>
        <extracomment>57656</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均压</source>
        <extracomment>57657</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高低压差</source>
        <extracomment>57658</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>注释</source>
        <extracomment>57659</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压 vs. 时间</source>
        <extracomment>57660</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>患者统计</source>
        <extracomment>57661</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>患者姓名: </source>
        <extracomment>57662</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>患者编号: </source>
        <extracomment>57663</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>住址</source>
        <extracomment>57664</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电话</source>
        <extracomment>57665</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>民族</source>
        <extracomment>57666</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>出生日期</source>
        <extracomment>57667</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>性别</source>
        <extracomment>57668</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>身高</source>
        <extracomment>57669</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体重</source>
        <extracomment>57670</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目前用药情况</source>
        <extracomment>57671</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>医师诊断</source>
        <extracomment>57672</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主治医师</source>
        <extracomment>57673</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>助理医师</source>
        <extracomment>57674</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>摘要统计</source>
        <extracomment>57675</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分析次数/测量总次数: </source>
        <extracomment>57676</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压统计</source>
        <extracomment>57677</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部统计测量次数: </source>
        <extracomment>57678</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最高值</source>
        <extracomment>57679</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最低值</source>
        <extracomment>57680</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠统计测量次数: </source>
        <extracomment>57681</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠血压上传: </source>
        <extracomment>57682</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% 收缩压 &gt; </source>
        <extracomment>57683</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% 舒张压 &gt; </source>
        <extracomment>57684</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠统计测量次数: </source>
        <extracomment>57685</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠血压上传: </source>
        <extracomment>57686</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部血压上传</source>
        <extracomment>57687</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>频率柱状图</source>
        <extracomment>57692</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠收缩压(N = </source>
        <extracomment>57693</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% 读入 &gt; </source>
        <extracomment>57694</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠舒张压(N = </source>
        <extracomment>57695</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠收缩压(N = </source>
        <extracomment>57696</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠舒张压(N = </source>
        <extracomment>57697</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>心率(N = </source>
        <extracomment>57698</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均压(N = </source>
        <extracomment>57699</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高低压差(N = </source>
        <extracomment>57700</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态血压报告</source>
        <extracomment>57701</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宋体</source>
        <extracomment>57702</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量开始时间: </source>
        <extracomment>57703</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>被排除!</source>
        <extracomment>57707</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有病历被选中!</source>
        <extracomment>57708</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMU 类型: %s</source>
        <extracomment>57709</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知</source>
        <extracomment>57710</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示 （开/关）: %s</source>
        <extracomment>57711</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开</source>
        <extracomment>57712</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>关</source>
        <extracomment>57713</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开始键 （开/关）: %s</source>
        <extracomment>57714</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>非睡眠时间: %02d:%02d  </source>
        <extracomment>57715</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>睡眠时间: %02d:%02d  </source>
        <extracomment>57716</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊事件开始时间: %02d:%02d  </source>
        <extracomment>57717</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊事件结束时间: %02d:%02d  </source>
        <extracomment>57718</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>间隔: %d</source>
        <extracomment>57719</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>动态血压</source>
        <extracomment>57720</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人监护</source>
        <extracomment>57721</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请选择设备状态!</source>
        <extracomment>57722</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>您真的要删除该报告吗?</source>
        <extracomment>57723</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*xx/xx,150; 编号,65;时间,60;日期,90;血压(mmHg),94;心率(BPM),90;平均压(mmHg),93;压差(mmHg),93;TC错误代号,50; 注释, 230</source>
        <extracomment>57724</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日期</source>
        <extracomment>57725
----------
57757</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压</source>
        <extracomment>57726</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>舒张压</source>
        <extracomment>57727</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左移一页</source>
        <extracomment>57728</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左移一格</source>
        <extracomment>57729</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右移一格</source>
        <extracomment>57730</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右移一页</source>
        <extracomment>57731</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一分钟趋势</source>
        <extracomment>57732</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>十分钟趋势</source>
        <extracomment>57733</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一小时趋势</source>
        <extracomment>57734</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手动设置趋势长度</source>
        <extracomment>57735</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件数据</source>
        <extracomment>57736</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧</source>
        <extracomment>57737</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脉搏</source>
        <extracomment>57738</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件总数</source>
        <extracomment>57739</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件总时长(分)</source>
        <extracomment>57740</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均事件时长(秒)</source>
        <extracomment>57741</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指数(1/小时)</source>
        <extracomment>57742</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%%人为现象</source>
        <extracomment>57743</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>调整指数(1/小时)</source>
        <extracomment>57744</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%%血氧数据</source>
        <extracomment>57745</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧 平均(%%)</source>
        <extracomment>57746</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时长(分钟) &lt; 88%%</source>
        <extracomment>57747</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件 &lt;88%%</source>
        <extracomment>57748</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧最小值</source>
        <extracomment>57749</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低血氧平均(%%)</source>
        <extracomment>57750</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>低血氧平均 &lt; 88%%</source>
        <extracomment>57751</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>事件</source>
        <extracomment>57752</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脉搏事件</source>
        <extracomment>57753</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均脉搏(bpm)</source>
        <extracomment>57754</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最低脉搏(bpm)</source>
        <extracomment>57755</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解读医师</source>
        <extracomment>57756</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分析参数</source>
        <extracomment>57758</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>饱和事件：血氧下降至少%%4，持续时间至少10秒</source>
        <extracomment>57759</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脉搏事件：脉率变化至少6bpm，持续时间至少8秒</source>
        <extracomment>57760</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧概要分析报告</source>
        <extracomment>57763</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>梗概图</source>
        <extracomment>57764</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧 (%%10每格)</source>
        <extracomment>57765</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脉率 (10bpm 每格)</source>
        <extracomment>57766</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧定量分析报告</source>
        <extracomment>57767</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>带状图表报告</source>
        <extracomment>57768</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全面分析报告</source>
        <extracomment>57769</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%%血氧水平</source>
        <extracomment>57770</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小于(%%)</source>
        <extracomment>57771</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时间(%%)</source>
        <extracomment>57772</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧分布(%%时间)</source>
        <extracomment>57773</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血氧事件分布</source>
        <extracomment>57774</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部</source>
        <extracomment>57775</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>白天</source>
        <extracomment>57776</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>晚上</source>
        <extracomment>57777</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以上</source>
        <extracomment>57778</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以下</source>
        <extracomment>57779</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>佩戴</source>
        <extracomment>57780</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上传</source>
        <extracomment>57781</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载</source>
        <extracomment>57782</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开病历</source>
        <extracomment>57783</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编辑</source>
        <extracomment>57784</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>血压趋势</source>
        <extracomment>57785</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>柱状图</source>
        <extracomment>57787</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>饼图</source>
        <extracomment>57788</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拟合线</source>
        <extracomment>57789</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <extracomment>57790</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>帮助</source>
        <extracomment>57793</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <extracomment>57794</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收缩压对舒张压的依赖关系</source>
        <extracomment>57795</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>舒张压对收缩压的依赖关系</source>
        <extracomment>57796</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相关系数</source>
        <extracomment>57797</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分布中心</source>
        <extracomment>57798</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弱信号</source>
        <extracomment>57800</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>过分运动</source>
        <extracomment>57801</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超时</source>
        <extracomment>57802</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导气管堵塞</source>
        <extracomment>57803</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按键停止</source>
        <extracomment>57804</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>漏气</source>
        <extracomment>57805</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安全暂停</source>
        <extracomment>57806</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超过压力范围</source>
        <extracomment>57807</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>电池电量低</source>
        <extracomment>57808</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自检失败</source>
        <extracomment>57809</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>超出测量范围</source>
        <extracomment>57810</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统错误</source>
        <extracomment>57811</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>将袖带缠在非惯用手的上臂，袖带下缘在肘窝上方约两指处，松紧以能插入一指为宜；导气管朝上，沿手臂内侧走向。

</source>
        <extracomment>57813 wearing instructions: placing the cuff</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把记录仪放进腰带上的背包里，导气管绕过颈后，不要打结或折弯。

</source>
        <extracomment>57814 wearing instructions: the tube and the recorder</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>袖带开始充气时，请停止活动，手臂放松下垂、保持不动，直到袖带完全放气。

</source>
        <extracomment>57815 wearing instructions: keep the arm still</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>夜间请保持记录仪开机，可放在枕边；睡觉时注意不要压住记录仪或导气管。

</source>
        <extracomment>57816 wearing instructions: keep the recorder on at night</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>感到头晕、心慌等不适时，可按一下开始键进行一次额外测量，并记下当时的时间和情况。

</source>
        <extracomment>57817 wearing instructions: extra reading</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录结束后，关闭记录仪，取下袖带，将记录仪和袖带一并交回诊所下载数据。

</source>
        <extracomment>57818 wearing instructions: removal</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标准差</source>
        <extracomment>57820</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人姓名:</source>
        <extracomment>57822</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>病人ID:</source>
        <extracomment>57823</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>测量时间:</source>
        <extracomment>57824</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UploadProgressDialog</name>
    <message>
        <source>上传中......</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserSelectionDialog</name>
    <message>
        <source>选择用户</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部用户</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用户</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WearingInstructionsDialog</name>
    <message>
        <source>佩戴</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WearingPicture</name>
    <message>
        <source>袖带</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>记录仪</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
