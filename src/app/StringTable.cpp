#include "StringTable.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    int id;
    const char* text;
};

// The built-in texts, by the ids the program has always used. Sorted by id.
// Texts that serve as formats keep their printf escapes ("%%").
constexpr Entry kEntries[] = {
    //: 32772
    {32772, QT_TRANSLATE_NOOP("StringTable", "删除数据(&D)")},
    //: 32773
    {32773, QT_TRANSLATE_NOOP("StringTable", "复制数据(&C)")},
    //: 32779
    {32779, QT_TRANSLATE_NOOP("StringTable", "退出(&E)")},
    //: 32780
    {32780, QT_TRANSLATE_NOOP("StringTable", "设定文件路径(&S)")},
    //: 32785
    {32785, QT_TRANSLATE_NOOP("StringTable", "报告配置(&C)")},
    //: 32788
    {32788, QT_TRANSLATE_NOOP("StringTable", "病人数据(&P)")},
    //: 32790
    {32790, QT_TRANSLATE_NOOP("StringTable", "基准值")},
    //: 32795
    {32795, QT_TRANSLATE_NOOP("StringTable", "\n 上传采集计划")},
    //: 32809
    {32809, QT_TRANSLATE_NOOP("StringTable", "打印预览(&P)")},
    //: 32812
    {32812, QT_TRANSLATE_NOOP("StringTable", "开始下载(&D)")},
    //: 32818
    {32818, QT_TRANSLATE_NOOP("StringTable", "语言(&L)")},
    //: 32901
    {32901, QT_TRANSLATE_NOOP("StringTable", "打开数据(&O)")},
    //: 32904
    {32904, QT_TRANSLATE_NOOP("StringTable", "血压数据(&B)")},
    //: 32908
    {32908, QT_TRANSLATE_NOOP("StringTable", "打印(&P)")},
    //: 57606
    {57606, QT_TRANSLATE_NOOP("StringTable", "选择打印机(&S)")},
    //: 57609
    {57609, QT_TRANSLATE_NOOP("StringTable", "你必须输入一个用户名!")},
    //: 57610
    {57610, QT_TRANSLATE_NOOP("StringTable", "删除用户")},
    //: 57611
    {57611, QT_TRANSLATE_NOOP("StringTable", "删除所有用户?")},
    //: 57612
    {57612, QT_TRANSLATE_NOOP("StringTable", "确定删除?")},
    //: 57613
    {57613, QT_TRANSLATE_NOOP("StringTable", "操作完成!")},
    //: 57616
    {57616, QT_TRANSLATE_NOOP("StringTable", "没有收到血压数据，串口关闭!")},
    //: 57617
    {57617, QT_TRANSLATE_NOOP("StringTable", "请选择一个文件!")},
    //: 57618
    {57618, QT_TRANSLATE_NOOP("StringTable", "收缩压必须大于舒张压.")},
    //: 57619
    {57619, QT_TRANSLATE_NOOP("StringTable", "数值设置错误.")},
    //: 57620
    {57620, QT_TRANSLATE_NOOP("StringTable", "必须输入一个病人姓名!")},
    //: 57621
    {57621, QT_TRANSLATE_NOOP("StringTable", "必须输入病人 ID")},
    //: 57622
    {57622, QT_TRANSLATE_NOOP("StringTable", "连接失败，串口关闭!")},
    //: 57623
    {57623,
     QT_TRANSLATE_NOOP("StringTable", "病人姓名, 121;病人 ID, 111;开始时间, 130; 文件名, 125")},
    //: 57625
    {57625, QT_TRANSLATE_NOOP("StringTable", "接收盒中的数据将被覆盖! 您是否要继续?")},
    //: 57626
    {57626, QT_TRANSLATE_NOOP("StringTable", "您需要为新建的打印报告标记一个名字!")},
    //: 57627
    {57627, QT_TRANSLATE_NOOP("StringTable", "打印报告至少应包含一页!")},
    //: 57629
    {57629, QT_TRANSLATE_NOOP("StringTable",
                              "未能发现相关设备,请您检查设备是否\n已正确连接到电脑上，然后重试!")},
    //: 57631
    {57631, QT_TRANSLATE_NOOP("StringTable", "时间段不能为空! ")},
    //: 57632
    {57632, QT_TRANSLATE_NOOP("StringTable", "分析参数不能有空值!")},
    //: 57633
    {57633, QT_TRANSLATE_NOOP("StringTable", "当前病历文件中没有血氧数据!")},
    //: 57634
    {57634, QT_TRANSLATE_NOOP("StringTable", "该报告名已存在!")},
    //: 57635
    {57635, QT_TRANSLATE_NOOP("StringTable", "动态血压总结")},
    //: 57636
    {57636, QT_TRANSLATE_NOOP("StringTable", "测量时间: ")},
    //: 57637
    {57637, QT_TRANSLATE_NOOP("StringTable", "测量次数: ")},
    //: 57638
    {57638, QT_TRANSLATE_NOOP("StringTable", "血压上传")},
    //: 57639
    {57639, QT_TRANSLATE_NOOP("StringTable", "非睡眠时收缩压基准值：")},
    //: 57640
    {57640, QT_TRANSLATE_NOOP("StringTable", "超过基准值的：")},
    //: 57641
    {57641, QT_TRANSLATE_NOOP("StringTable", "非睡眠时舒张压基准值：")},
    //: 57642
    {57642, QT_TRANSLATE_NOOP("StringTable", "睡眠时收缩压基准值：")},
    //: 57643
    {57643, QT_TRANSLATE_NOOP("StringTable", "睡眠时舒张压基准值：")},
    //: 57644
    {57644, QT_TRANSLATE_NOOP("StringTable", "平均值")},
    //: 57645
    {57645, QT_TRANSLATE_NOOP("StringTable", "非睡眠血压")},
    //: 57646
    {57646, QT_TRANSLATE_NOOP("StringTable", "非睡眠高低压差")},
    //: 57647
    {57647, QT_TRANSLATE_NOOP("StringTable", "非睡眠心率")},
    //: 57648
    {57648, QT_TRANSLATE_NOOP("StringTable", "睡眠血压")},
    //: 57649
    {57649, QT_TRANSLATE_NOOP("StringTable", "睡眠高低压差")},
    //: 57650
    {57650, QT_TRANSLATE_NOOP("StringTable", "睡眠心率")},
    //: 57651
    {57651, QT_TRANSLATE_NOOP("StringTable", "诊断及治疗")},
    //: 57652
    {57652, QT_TRANSLATE_NOOP("StringTable", "数据信息")},
    //: 57653
    {57653, QT_TRANSLATE_NOOP("StringTable", "编号")},
    //: 57654
    {57654, QT_TRANSLATE_NOOP("StringTable", "时间")},
    //: 57655
    {57655, QT_TRANSLATE_NOOP("StringTable", "收缩压/舒张压")},
    //: 57656
    {57656, QT_TRANSLATE_NOOP("StringTable", "心率")},
    //: 57657
    {57657, QT_TRANSLATE_NOOP("StringTable", "平均压")},
    //: 57658
    {57658, QT_TRANSLATE_NOOP("StringTable", "高低压差")},
    //: 57659
    {57659, QT_TRANSLATE_NOOP("StringTable", "注释")},
    //: 57660
    {57660, QT_TRANSLATE_NOOP("StringTable", "血压 vs. 时间")},
    //: 57661
    {57661, QT_TRANSLATE_NOOP("StringTable", "患者统计")},
    //: 57662
    {57662, QT_TRANSLATE_NOOP("StringTable", "患者姓名: ")},
    //: 57663
    {57663, QT_TRANSLATE_NOOP("StringTable", "患者编号: ")},
    //: 57664
    {57664, QT_TRANSLATE_NOOP("StringTable", "住址")},
    //: 57665
    {57665, QT_TRANSLATE_NOOP("StringTable", "电话")},
    //: 57666
    {57666, QT_TRANSLATE_NOOP("StringTable", "民族")},
    //: 57667
    {57667, QT_TRANSLATE_NOOP("StringTable", "出生日期")},
    //: 57668
    {57668, QT_TRANSLATE_NOOP("StringTable", "性别")},
    //: 57669
    {57669, QT_TRANSLATE_NOOP("StringTable", "身高")},
    //: 57670
    {57670, QT_TRANSLATE_NOOP("StringTable", "体重")},
    //: 57671
    {57671, QT_TRANSLATE_NOOP("StringTable", "目前用药情况")},
    //: 57672
    {57672, QT_TRANSLATE_NOOP("StringTable", "医师诊断")},
    //: 57673
    {57673, QT_TRANSLATE_NOOP("StringTable", "主治医师")},
    //: 57674
    {57674, QT_TRANSLATE_NOOP("StringTable", "助理医师")},
    //: 57675
    {57675, QT_TRANSLATE_NOOP("StringTable", "摘要统计")},
    //: 57676
    {57676, QT_TRANSLATE_NOOP("StringTable", "分析次数/测量总次数: ")},
    //: 57677
    {57677, QT_TRANSLATE_NOOP("StringTable", "血压统计")},
    //: 57678
    {57678, QT_TRANSLATE_NOOP("StringTable", "全部统计测量次数: ")},
    //: 57679
    {57679, QT_TRANSLATE_NOOP("StringTable", "最高值")},
    //: 57680
    {57680, QT_TRANSLATE_NOOP("StringTable", "最低值")},
    //: 57681
    {57681, QT_TRANSLATE_NOOP("StringTable", "非睡眠统计测量次数: ")},
    //: 57682
    {57682, QT_TRANSLATE_NOOP("StringTable", "非睡眠血压上传: ")},
    //: 57683
    {57683, QT_TRANSLATE_NOOP("StringTable", "% 收缩压 > ")},
    //: 57684
    {57684, QT_TRANSLATE_NOOP("StringTable", "% 舒张压 > ")},
    //: 57685
    {57685, QT_TRANSLATE_NOOP("StringTable", "睡眠统计测量次数: ")},
    //: 57686
    {57686, QT_TRANSLATE_NOOP("StringTable", "睡眠血压上传: ")},
    //: 57687
    {57687, QT_TRANSLATE_NOOP("StringTable", "全部血压上传")},
    //: 57692
    {57692, QT_TRANSLATE_NOOP("StringTable", "频率柱状图")},
    //: 57693
    {57693, QT_TRANSLATE_NOOP("StringTable", "非睡眠收缩压(N = ")},
    //: 57694
    {57694, QT_TRANSLATE_NOOP("StringTable", "% 读入 > ")},
    //: 57695
    {57695, QT_TRANSLATE_NOOP("StringTable", "非睡眠舒张压(N = ")},
    //: 57696
    {57696, QT_TRANSLATE_NOOP("StringTable", "睡眠收缩压(N = ")},
    //: 57697
    {57697, QT_TRANSLATE_NOOP("StringTable", "睡眠舒张压(N = ")},
    //: 57698
    {57698, QT_TRANSLATE_NOOP("StringTable", "心率(N = ")},
    //: 57699
    {57699, QT_TRANSLATE_NOOP("StringTable", "平均压(N = ")},
    //: 57700
    {57700, QT_TRANSLATE_NOOP("StringTable", "高低压差(N = ")},
    //: 57701
    {57701, QT_TRANSLATE_NOOP("StringTable", "动态血压报告")},
    //: 57702
    {57702, QT_TRANSLATE_NOOP("StringTable", "宋体")},
    //: 57703
    {57703, QT_TRANSLATE_NOOP("StringTable", "测量开始时间: ")},
    //: 57705
    {57705, QT_TRANSLATE_NOOP("StringTable", "测量时间: ")},
    //: 57707
    {57707, QT_TRANSLATE_NOOP("StringTable", "被排除!")},
    //: 57708
    {57708, QT_TRANSLATE_NOOP("StringTable", "没有病历被选中!")},
    //: 57709
    {57709, QT_TRANSLATE_NOOP("StringTable", "AMU 类型: %s")},
    //: 57710
    {57710, QT_TRANSLATE_NOOP("StringTable", "未知")},
    //: 57711
    {57711, QT_TRANSLATE_NOOP("StringTable", "显示 （开/关）: %s")},
    //: 57712
    {57712, QT_TRANSLATE_NOOP("StringTable", "开")},
    //: 57713
    {57713, QT_TRANSLATE_NOOP("StringTable", "关")},
    //: 57714
    {57714, QT_TRANSLATE_NOOP("StringTable", "开始键 （开/关）: %s")},
    //: 57715
    {57715, QT_TRANSLATE_NOOP("StringTable", "非睡眠时间: %02d:%02d  ")},
    //: 57716
    {57716, QT_TRANSLATE_NOOP("StringTable", "睡眠时间: %02d:%02d  ")},
    //: 57717
    {57717, QT_TRANSLATE_NOOP("StringTable", "特殊事件开始时间: %02d:%02d  ")},
    //: 57718
    {57718, QT_TRANSLATE_NOOP("StringTable", "特殊事件结束时间: %02d:%02d  ")},
    //: 57719
    {57719, QT_TRANSLATE_NOOP("StringTable", "间隔: %d")},
    //: 57720
    {57720, QT_TRANSLATE_NOOP("StringTable", "动态血压")},
    //: 57721
    {57721, QT_TRANSLATE_NOOP("StringTable", "病人监护")},
    //: 57722
    {57722, QT_TRANSLATE_NOOP("StringTable", "请选择设备状态!")},
    //: 57723
    {57723, QT_TRANSLATE_NOOP("StringTable", "您真的要删除该报告吗?")},
    //: 57724
    {57724,
     QT_TRANSLATE_NOOP("StringTable", "*xx/xx,150; "
                                      "编号,65;时间,60;日期,90;血压(mmHg),94;心率(BPM),90;平均压("
                                      "mmHg),93;压差(mmHg),93;TC错误代号,50; 注释, 230")},
    //: 57725
    {57725, QT_TRANSLATE_NOOP("StringTable", "日期")},
    //: 57726
    {57726, QT_TRANSLATE_NOOP("StringTable", "收缩压")},
    //: 57727
    {57727, QT_TRANSLATE_NOOP("StringTable", "舒张压")},
    //: 57728
    {57728, QT_TRANSLATE_NOOP("StringTable", "左移一页")},
    //: 57729
    {57729, QT_TRANSLATE_NOOP("StringTable", "左移一格")},
    //: 57730
    {57730, QT_TRANSLATE_NOOP("StringTable", "右移一格")},
    //: 57731
    {57731, QT_TRANSLATE_NOOP("StringTable", "右移一页")},
    //: 57732
    {57732, QT_TRANSLATE_NOOP("StringTable", "一分钟趋势")},
    //: 57733
    {57733, QT_TRANSLATE_NOOP("StringTable", "十分钟趋势")},
    //: 57734
    {57734, QT_TRANSLATE_NOOP("StringTable", "一小时趋势")},
    //: 57735
    {57735, QT_TRANSLATE_NOOP("StringTable", "手动设置趋势长度")},
    //: 57736
    {57736, QT_TRANSLATE_NOOP("StringTable", "事件数据")},
    //: 57737
    {57737, QT_TRANSLATE_NOOP("StringTable", "血氧")},
    //: 57738
    {57738, QT_TRANSLATE_NOOP("StringTable", "脉搏")},
    //: 57739
    {57739, QT_TRANSLATE_NOOP("StringTable", "事件总数")},
    //: 57740
    {57740, QT_TRANSLATE_NOOP("StringTable", "事件总时长(分)")},
    //: 57741
    {57741, QT_TRANSLATE_NOOP("StringTable", "平均事件时长(秒)")},
    //: 57742
    {57742, QT_TRANSLATE_NOOP("StringTable", "指数(1/小时)")},
    //: 57743
    {57743, QT_TRANSLATE_NOOP("StringTable", "%%人为现象")},
    //: 57744
    {57744, QT_TRANSLATE_NOOP("StringTable", "调整指数(1/小时)")},
    //: 57745
    {57745, QT_TRANSLATE_NOOP("StringTable", "%%血氧数据")},
    //: 57746
    {57746, QT_TRANSLATE_NOOP("StringTable", "血氧 平均(%%)")},
    //: 57747
    {57747, QT_TRANSLATE_NOOP("StringTable", "时长(分钟) < 88%%")},
    //: 57748
    {57748, QT_TRANSLATE_NOOP("StringTable", "事件 <88%%")},
    //: 57749
    {57749, QT_TRANSLATE_NOOP("StringTable", "血氧最小值")},
    //: 57750
    {57750, QT_TRANSLATE_NOOP("StringTable", "低血氧平均(%%)")},
    //: 57751
    {57751, QT_TRANSLATE_NOOP("StringTable", "低血氧平均 < 88%%")},
    //: 57752
    {57752, QT_TRANSLATE_NOOP("StringTable", "事件")},
    //: 57753
    {57753, QT_TRANSLATE_NOOP("StringTable", "脉搏事件")},
    //: 57754
    {57754, QT_TRANSLATE_NOOP("StringTable", "平均脉搏(bpm)")},
    //: 57755
    {57755, QT_TRANSLATE_NOOP("StringTable", "最低脉搏(bpm)")},
    //: 57756
    {57756, QT_TRANSLATE_NOOP("StringTable", "解读医师")},
    //: 57757
    {57757, QT_TRANSLATE_NOOP("StringTable", "日期")},
    //: 57758
    {57758, QT_TRANSLATE_NOOP("StringTable", "分析参数")},
    //: 57759
    {57759, QT_TRANSLATE_NOOP("StringTable", "饱和事件：血氧下降至少%%4，持续时间至少10秒")},
    //: 57760
    {57760, QT_TRANSLATE_NOOP("StringTable", "脉搏事件：脉率变化至少6bpm，持续时间至少8秒")},
    //: 57762
    {57762, QT_TRANSLATE_NOOP("StringTable", "时间")},
    //: 57763
    {57763, QT_TRANSLATE_NOOP("StringTable", "血氧概要分析报告")},
    //: 57764
    {57764, QT_TRANSLATE_NOOP("StringTable", "梗概图")},
    //: 57765
    {57765, QT_TRANSLATE_NOOP("StringTable", "血氧 (%%10每格)")},
    //: 57766
    {57766, QT_TRANSLATE_NOOP("StringTable", "脉率 (10bpm 每格)")},
    //: 57767
    {57767, QT_TRANSLATE_NOOP("StringTable", "血氧定量分析报告")},
    //: 57768
    {57768, QT_TRANSLATE_NOOP("StringTable", "带状图表报告")},
    //: 57769
    {57769, QT_TRANSLATE_NOOP("StringTable", "全面分析报告")},
    //: 57770
    {57770, QT_TRANSLATE_NOOP("StringTable", "%%血氧水平")},
    //: 57771
    {57771, QT_TRANSLATE_NOOP("StringTable", "小于(%%)")},
    //: 57772
    {57772, QT_TRANSLATE_NOOP("StringTable", "时间(%%)")},
    //: 57773
    {57773, QT_TRANSLATE_NOOP("StringTable", "血氧分布(%%时间)")},
    //: 57774
    {57774, QT_TRANSLATE_NOOP("StringTable", "血氧事件分布")},
    //: 57775
    {57775, QT_TRANSLATE_NOOP("StringTable", "全部")},
    //: 57776
    {57776, QT_TRANSLATE_NOOP("StringTable", "白天")},
    //: 57777
    {57777, QT_TRANSLATE_NOOP("StringTable", "晚上")},
    //: 57778
    {57778, QT_TRANSLATE_NOOP("StringTable", "以上")},
    //: 57779
    {57779, QT_TRANSLATE_NOOP("StringTable", "以下")},
    //: 57780
    {57780, QT_TRANSLATE_NOOP("StringTable", "佩戴")},
    //: 57781
    {57781, QT_TRANSLATE_NOOP("StringTable", "上传")},
    //: 57782
    {57782, QT_TRANSLATE_NOOP("StringTable", "下载")},
    //: 57783
    {57783, QT_TRANSLATE_NOOP("StringTable", "打开病历")},
    //: 57784
    {57784, QT_TRANSLATE_NOOP("StringTable", "编辑")},
    //: 57785
    {57785, QT_TRANSLATE_NOOP("StringTable", "血压趋势")},
    //: 57787
    {57787, QT_TRANSLATE_NOOP("StringTable", "柱状图")},
    //: 57788
    {57788, QT_TRANSLATE_NOOP("StringTable", "饼图")},
    //: 57789
    {57789, QT_TRANSLATE_NOOP("StringTable", "拟合线")},
    //: 57790
    {57790, QT_TRANSLATE_NOOP("StringTable", "打印")},
    //: 57793
    {57793, QT_TRANSLATE_NOOP("StringTable", "帮助")},
    //: 57794
    {57794, QT_TRANSLATE_NOOP("StringTable", "退出")},
    //: 57795
    {57795, QT_TRANSLATE_NOOP("StringTable", "收缩压对舒张压的依赖关系")},
    //: 57796
    {57796, QT_TRANSLATE_NOOP("StringTable", "舒张压对收缩压的依赖关系")},
    //: 57797
    {57797, QT_TRANSLATE_NOOP("StringTable", "相关系数")},
    //: 57798
    {57798, QT_TRANSLATE_NOOP("StringTable", "分布中心")},
    //: 57800
    {57800, QT_TRANSLATE_NOOP("StringTable", "弱信号")},
    //: 57801
    {57801, QT_TRANSLATE_NOOP("StringTable", "过分运动")},
    //: 57802
    {57802, QT_TRANSLATE_NOOP("StringTable", "超时")},
    //: 57803
    {57803, QT_TRANSLATE_NOOP("StringTable", "导气管堵塞")},
    //: 57804
    {57804, QT_TRANSLATE_NOOP("StringTable", "按键停止")},
    //: 57805
    {57805, QT_TRANSLATE_NOOP("StringTable", "漏气")},
    //: 57806
    {57806, QT_TRANSLATE_NOOP("StringTable", "安全暂停")},
    //: 57807
    {57807, QT_TRANSLATE_NOOP("StringTable", "超过压力范围")},
    //: 57808
    {57808, QT_TRANSLATE_NOOP("StringTable", "电池电量低")},
    //: 57809
    {57809, QT_TRANSLATE_NOOP("StringTable", "自检失败")},
    //: 57810
    {57810, QT_TRANSLATE_NOOP("StringTable", "超出测量范围")},
    //: 57811
    {57811, QT_TRANSLATE_NOOP("StringTable", "系统错误")},
    //: 57813 wearing instructions: placing the cuff
    {57813,
     QT_TRANSLATE_NOOP("StringTable", "将袖带缠在非惯用手的上臂，袖带下缘在肘窝上方约两指处，松紧以"
                                      "能插入一指为宜；导气管朝上，沿手臂内侧走向。\n\n")},
    //: 57814 wearing instructions: the tube and the recorder
    {57814, QT_TRANSLATE_NOOP("StringTable",
                              "把记录仪放进腰带上的背包里，导气管绕过颈后，不要打结或折弯。\n\n")},
    //: 57815 wearing instructions: keep the arm still
    {57815, QT_TRANSLATE_NOOP(
                "StringTable",
                "袖带开始充气时，请停止活动，手臂放松下垂、保持不动，直到袖带完全放气。\n\n")},
    //: 57816 wearing instructions: keep the recorder on at night
    {57816,
     QT_TRANSLATE_NOOP("StringTable",
                       "夜间请保持记录仪开机，可放在枕边；睡觉时注意不要压住记录仪或导气管。\n\n")},
    //: 57817 wearing instructions: extra reading
    {57817,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "感到头晕、心慌等不适时，可按一下开始键进行一次额外测量，并记下当时的时间和情况。\n\n")},
    //: 57818 wearing instructions: removal
    {57818, QT_TRANSLATE_NOOP(
                "StringTable",
                "记录结束后，关闭记录仪，取下袖带，将记录仪和袖带一并交回诊所下载数据。\n\n")},
    //: 57820
    {57820, QT_TRANSLATE_NOOP("StringTable", "标准差")},
    //: 57822
    {57822, QT_TRANSLATE_NOOP("StringTable", "病人姓名:")},
    //: 57823
    {57823, QT_TRANSLATE_NOOP("StringTable", "病人ID:")},
    //: 57824
    {57824, QT_TRANSLATE_NOOP("StringTable", "测量时间:")},
};

constexpr bool SortedById() {
    for (std::size_t i = 1; i < std::size(kEntries); ++i)
        if (kEntries[i - 1].id >= kEntries[i].id) return false;
    return true;
}
static_assert(SortedById(), "the lookup needs the entries sorted by id");

} // namespace

namespace StringTable {

const char* source(int id) {
    const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                     [](const Entry& e, int v) { return e.id < v; });
    if (it == std::end(kEntries) || it->id != id) return nullptr;
    return it->text;
}

QString text(int id) {
    const char* s = source(id);
    if (!s) return QString();
    return QCoreApplication::translate("StringTable", s);
}

QString label(int id) {
    return text(id).replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QList<int> ids() {
    QList<int> out;
    for (const Entry& e : kEntries)
        out.append(e.id);
    return out;
}

} // namespace StringTable
