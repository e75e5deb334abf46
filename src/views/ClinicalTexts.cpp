#include "ClinicalTexts.h"

namespace {

constexpr std::array<ClinicalPeriod, kClinicalPeriodCount> kPeriods = {
    ClinicalPeriod::AllDay, ClinicalPeriod::Day, ClinicalPeriod::Night};

// By period: its name in the tables and the subject of its verdict sentence.
struct PeriodNames {
    const char* name;
    const char* mean;
};
constexpr PeriodNames kPeriodNames[] = {
    {QT_TRANSLATE_NOOP("ClinicalTexts", "24小时"),
     QT_TRANSLATE_NOOP("ClinicalTexts", "24小时平均血压")},
    {QT_TRANSLATE_NOOP("ClinicalTexts", "白天"),
     QT_TRANSLATE_NOOP("ClinicalTexts", "白天平均血压")},
    {QT_TRANSLATE_NOOP("ClinicalTexts", "夜间"),
     QT_TRANSLATE_NOOP("ClinicalTexts", "夜间平均血压")},
};

QString PeriodName(ClinicalPeriod p) {
    return ClinicalTexts::tr(kPeriodNames[static_cast<std::size_t>(p)].name);
}

// "24-hour mean".
QString PeriodMeanName(ClinicalPeriod p) {
    return ClinicalTexts::tr(kPeriodNames[static_cast<std::size_t>(p)].mean);
}

QString Pair(const std::optional<double>& systolic, const std::optional<double>& diastolic) {
    return ClinicalTexts::figure(systolic) + '/' + ClinicalTexts::figure(diastolic);
}

QString ThresholdText(const PressurePair& t) {
    return QStringLiteral("%1/%2").arg(t.systolic).arg(t.diastolic);
}

QString Verdict(const std::optional<bool>& hypertensive) {
    if (!hypertensive) return QStringLiteral("----");
    return *hypertensive ? ClinicalTexts::tr("达到或高于阈值") : ClinicalTexts::tr("低于阈值");
}

QString ValidityLine(const ClinicalSummary& s) {
    const QString verdict = s.valid ? ClinicalTexts::tr("有效") : ClinicalTexts::tr("无效");
    return ClinicalTexts::tr("读数 %1，失败 %2，成功 %3 %，白天 %4，夜间 %5：%6")
        .arg(s.totalCount)
        .arg(s.failedCount)
        .arg(ClinicalTexts::figure(s.successPercent))
        .arg(s.meansOf(ClinicalPeriod::Day).count)
        .arg(s.meansOf(ClinicalPeriod::Night).count)
        .arg(verdict);
}

QString ValiditySentence(const ClinicalSummary& s) {
    if (!s.successPercent) return ClinicalTexts::tr("记录中没有读数。");
    const QString text =
        s.valid ? ClinicalTexts::tr("记录有效：%1 个读数中 %2 个成功 (%3 %)，白天 %4 个、夜间 %5 "
                                    "个读数。")
                : ClinicalTexts::tr("记录无效：%1 个读数中 %2 个成功 (%3 %)，白天 %4 个、夜间 %5 "
                                    "个读数；有效记录需要至少 %6 % 的成功读数、白天 %7 个和夜间 "
                                    "%8 个读数。");
    QString sentence = text.arg(s.totalCount)
                           .arg(s.totalCount - s.failedCount)
                           .arg(ClinicalTexts::figure(s.successPercent))
                           .arg(s.meansOf(ClinicalPeriod::Day).count)
                           .arg(s.meansOf(ClinicalPeriod::Night).count);
    if (!s.valid)
        sentence = sentence.arg(kValidSuccessPercent).arg(kValidDayCount).arg(kValidNightCount);
    return sentence;
}

QString Interpretation(const ClinicalSummary& s) {
    QStringList sentences = {ValiditySentence(s)};
    const QString guideline = ClinicalTexts::guidelineName(s.guideline);
    for (ClinicalPeriod p : kPeriods) {
        const auto i = static_cast<std::size_t>(p);
        if (!s.hypertensive[i]) continue;
        const QString text = *s.hypertensive[i]
                                 ? ClinicalTexts::tr("%1 %2 mmHg 达到或高于 %3 阈值 %4 mmHg。")
                                 : ClinicalTexts::tr("%1 %2 mmHg 低于 %3 阈值 %4 mmHg。");
        sentences << text.arg(PeriodMeanName(p), Pair(s.means[i].systolic, s.means[i].diastolic),
                              guideline, ThresholdText(s.thresholds[i]));
    }
    if (s.isolatedNocturnal.value_or(false)) sentences << ClinicalTexts::tr("单纯夜间高血压。");
    if (s.dipping.dippingClass)
        sentences << ClinicalTexts::tr("夜间收缩压下降 %1 %：%2。")
                         .arg(ClinicalTexts::figure(s.dipping.systolicPercent),
                              ClinicalTexts::dippingClassName(*s.dipping.dippingClass));
    else
        sentences << ClinicalTexts::tr("无法评估夜间血压下降：白天或夜间没有读数。");
    const MorningSurge& m = s.morningSurge;
    if (m.sleepTrough || m.prewaking)
        sentences << ClinicalTexts::tr("收缩压晨峰：比夜间谷值高 %1 mmHg，比觉醒前两小时高 %2 "
                                       "mmHg。")
                         .arg(ClinicalTexts::figure(m.sleepTrough),
                              ClinicalTexts::figure(m.prewaking));
    // Chinese runs its sentences together; other languages put a space between them.
    QString paragraph = sentences.takeFirst();
    for (const QString& sentence : sentences)
        paragraph = ClinicalTexts::tr("%1%2", "two sentences in a row").arg(paragraph, sentence);
    return paragraph;
}

ClinicalTexts::VariabilityRow VariabilityRowOf(const QString& quantity, const Variability& v) {
    return {quantity,
            {ClinicalTexts::figure(v.sd24h), ClinicalTexts::figure(v.sdDay),
             ClinicalTexts::figure(v.sdNight), ClinicalTexts::figure(v.cv24h),
             ClinicalTexts::figure(v.wsd), ClinicalTexts::figure(v.arv)}};
}

} // namespace

QString ClinicalTexts::guidelineName(ClinicalGuideline guideline) {
    return guideline == ClinicalGuideline::AccAha2017 ? tr("ACC/AHA 2017") : tr("ESH 2023");
}

QString ClinicalTexts::dippingClassName(DippingClass dippingClass) {
    // By class: reverse dipper, non-dipper, dipper, extreme dipper.
    constexpr const char* kNames[] = {QT_TR_NOOP("反勺型"), QT_TR_NOOP("非勺型"),
                                      QT_TR_NOOP("勺型"), QT_TR_NOOP("超勺型")};
    return tr(kNames[static_cast<std::size_t>(dippingClass)]);
}

QString ClinicalTexts::figure(const std::optional<double>& value, int decimals) {
    if (!value) return QStringLiteral("----");
    return QString::asprintf("%.*f", decimals, *value);
}

ClinicalTexts ClinicalTexts::Of(const ClinicalSummary& s) {
    ClinicalTexts t;
    t.heading = tr("临床摘要");
    t.guideline = tr("诊断指南：%1").arg(guidelineName(s.guideline));
    t.validity = ValidityLine(s);
    t.periodColumns = {tr("时段"),      tr("读数"),       tr("平均血压[mmHg]"),
                       tr("心率[BPM]"), tr("阈值[mmHg]"), tr("判定")};
    for (ClinicalPeriod p : kPeriods) {
        const auto i = static_cast<std::size_t>(p);
        const PeriodMeans& m = s.means[i];
        t.periods[i] = {
            PeriodName(p),       QString::number(m.count),       Pair(m.systolic, m.diastolic),
            figure(m.heartRate), ThresholdText(s.thresholds[i]), Verdict(s.hypertensive[i])};
    }
    const Dipping& d = s.dipping;
    t.dipping =
        tr("夜间下降：收缩压 %1 %，舒张压 %2 %，夜/昼收缩压比值 %3，%4")
            .arg(figure(d.systolicPercent), figure(d.diastolicPercent), figure(d.systolicRatio, 2),
                 d.dippingClass ? dippingClassName(*d.dippingClass) : QStringLiteral("----"));
    t.morningSurge = tr("收缩压晨峰：睡眠谷值 %1 mmHg，觉醒前 %2 mmHg")
                         .arg(figure(s.morningSurge.sleepTrough), figure(s.morningSurge.prewaking));
    t.variabilityColumns = {tr("24小时标准差"),      tr("白天标准差"), tr("夜间标准差"),
                            tr("24小时变异系数[%]"), tr("加权标准差"), tr("平均真实变异")};
    t.variability = {VariabilityRowOf(tr("收缩压[mmHg]"), s.systolic),
                     VariabilityRowOf(tr("舒张压[mmHg]"), s.diastolic)};
    t.aasi = tr("动态动脉硬化指数 (AASI)：%1").arg(figure(s.aasi, 2));
    t.interpretation = Interpretation(s);
    return t;
}
