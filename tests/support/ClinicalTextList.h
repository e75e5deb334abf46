#pragma once

#include <QStringList>

#include "ClinicalTexts.h"

// Every text of the clinical summary but the interpretation paragraph, in reading order: what
// the statistics dialog and the report page must both show.
inline QStringList ClinicalTextList(const ClinicalTexts& t) {
    QStringList all = {t.heading, t.guideline, t.validity};
    all << t.periodColumns;
    for (const ClinicalTexts::PeriodRow& p : t.periods)
        all << p.period << p.count << p.mean << p.heartRate << p.threshold << p.verdict;
    all << t.dipping << t.morningSurge << t.variabilityColumns;
    for (const ClinicalTexts::VariabilityRow& v : t.variability) {
        all << v.quantity;
        for (const QString& cell : v.cells)
            all << cell;
    }
    all << t.aasi;
    return all;
}
