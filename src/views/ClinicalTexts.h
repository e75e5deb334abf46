#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "ClinicalSummary.h"

// The clinical summary as the statistics dialog and the report page show it, in the program's
// language: figures at one decimal (the two ratios at two), "----" where a figure cannot be
// computed. Both places take their texts from here, so screen and paper never differ.
struct ClinicalTexts {
    Q_DECLARE_TR_FUNCTIONS(ClinicalTexts)

  public:
    struct PeriodRow {
        QString period, count, mean, heartRate, threshold, verdict;
    };
    struct VariabilityRow {
        QString quantity;
        std::array<QString, 6> cells; // SD 24 h, SD day, SD night, CV 24 h, wSD, ARV
    };

    QString heading;
    QString guideline; // "Guideline: ESH 2023"
    QString validity;
    QStringList periodColumns;
    std::array<PeriodRow, kClinicalPeriodCount> periods;
    QString dipping;
    QString morningSurge;
    QStringList variabilityColumns;
    std::array<VariabilityRow, 2> variability; // systolic, diastolic
    QString aasi;
    QString interpretation;

    static ClinicalTexts Of(const ClinicalSummary& summary);

    static QString guidelineName(ClinicalGuideline guideline);
    static QString dippingClassName(DippingClass dippingClass);
    // "%.1f" like every figure of the program (or with the given decimals), "----" for a
    // figure that cannot be computed.
    static QString figure(const std::optional<double>& value, int decimals = 1);
};
