#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "BpStatistics.h"
#include "ChartSettings.h"
#include "ClinicalSummary.h"
#include "PageTable.h"
#include "PatientRecord.h"
#include "ReadingSets.h"
#include "ReportStyle.h"

class Spo2Analysis;
struct Spo2Series;

// The texts of the record file that the pages print, read once per print run (missing keys
// read as empty texts and as no lines).
struct ReportRecordTexts {
    // Section "PATIENT DATA".
    QString name, id;
    QStringList address; // "Addr Count" entries; missing keys are empty lines
    QString phone, race, birthday, gender, height, weight;
    // The loaded test's section.
    QStringList medications;
    QString interpretingPhysician, referringPhysician;
    QStringList comments;
    QStringList clinicalInterpretation;
};

// The texts of the record file at path for the test of section testSection. A missing file
// gives empty texts and is not created.
ReportRecordTexts ReadReportRecordTexts(const std::string& path, const std::string& testSection);

// Everything a page routine may use. Pages are pure functions of it: the same context draws
// the preview, the printer and a PDF file alike.
struct ReportContext {
    const PatientRecord& record;
    const ReadingSets& sets; // classified for this run
    const BpStatistics& stats;
    ReportRecordTexts texts{};
    QString title{};                                 // title of the current report layout
    std::vector<const BpReading*> dataReadings{};    // what the data pages list
    PageTable pages{};                               // the kinds of this run, in page order
    ReportStyle style{};                             // for the resolution of the device
    ChartPeriod chartPeriod = ChartPeriod::All;      // chart pages
    ChartBands chartBands{};                         // pie chart page
    ClinicalGuideline guideline = kDefaultGuideline; // clinical summary page
    const Spo2Series* spo2 = nullptr;                // SpO2 pages
    const Spo2Analysis* spo2Analysis = nullptr;
    int spo2Window = 600; // seconds per strip of the SpO2 strip and full reports
};
