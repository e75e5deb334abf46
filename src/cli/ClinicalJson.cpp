#include "ClinicalJson.h"

#include <QJsonArray>

namespace {

constexpr std::array<ClinicalPeriod, kClinicalPeriodCount> kPeriods = {
    ClinicalPeriod::AllDay, ClinicalPeriod::Day, ClinicalPeriod::Night};

template <typename T> QJsonValue Value(const std::optional<T>& value) {
    if (!value) return QJsonValue::Null;
    return QJsonValue(*value);
}

QJsonObject VariabilityJson(const Variability& v) {
    return {{"sd24h", Value(v.sd24h)}, {"sdDay", Value(v.sdDay)}, {"sdNight", Value(v.sdNight)},
            {"cv24h", Value(v.cv24h)}, {"wsd", Value(v.wsd)},     {"arv", Value(v.arv)}};
}

} // namespace

QJsonObject ClinicalJson(const ClinicalSummary& s) {
    QJsonObject means, thresholds, hypertension;
    for (ClinicalPeriod p : kPeriods) {
        const auto i = static_cast<std::size_t>(p);
        const PeriodMeans& m = s.means[i];
        means[PeriodKey(p)] = QJsonObject{{"count", m.count},
                                          {"systolic", Value(m.systolic)},
                                          {"diastolic", Value(m.diastolic)},
                                          {"heartRate", Value(m.heartRate)}};
        thresholds[PeriodKey(p)] = QJsonArray{s.thresholds[i].systolic, s.thresholds[i].diastolic};
        hypertension[PeriodKey(p)] = Value(s.hypertensive[i]);
    }
    hypertension["isolatedNocturnal"] = Value(s.isolatedNocturnal);
    const Dipping& d = s.dipping;
    const QJsonValue dippingClass =
        d.dippingClass ? QJsonValue(DippingClassKey(*d.dippingClass)) : QJsonValue::Null;
    return {{"guideline", GuidelineKey(s.guideline)},
            {"totalCount", s.totalCount},
            {"failedCount", s.failedCount},
            {"successPercent", Value(s.successPercent)},
            {"valid", s.valid},
            {"means", means},
            {"thresholds", thresholds},
            {"hypertension", hypertension},
            {"dipping", QJsonObject{{"systolicPercent", Value(d.systolicPercent)},
                                    {"diastolicPercent", Value(d.diastolicPercent)},
                                    {"systolicRatio", Value(d.systolicRatio)},
                                    {"class", dippingClass}}},
            {"morningSurge", QJsonObject{{"sleepTrough", Value(s.morningSurge.sleepTrough)},
                                         {"prewaking", Value(s.morningSurge.prewaking)}}},
            {"variability", QJsonObject{{"systolic", VariabilityJson(s.systolic)},
                                        {"diastolic", VariabilityJson(s.diastolic)}}},
            {"aasi", Value(s.aasi)}};
}
