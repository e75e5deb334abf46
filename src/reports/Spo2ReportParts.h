#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
struct ReportContext;
struct Spo2Stretch;

// The parts the SpO2 report pages are made of. Every figure printed comes from the texts of
// Spo2Summary; positions are in device pixels of the page.
namespace Spo2ReportParts {

// The tables' and charts' font: 10 points at the device's resolution.
QFont TableFont(const ReportContext& c);
// The page title centred at the top in the title font; returns the y below it.
int Title(QPainter& p, const ReportContext& c, int W, int top, const QString& title);
// Name, number, start and duration of the loaded test, one line each from (x, top); returns
// the y below the block.
int PatientBlock(QPainter& p, const ReportContext& c, int x, int top);
// The thresholds the events were found with, under the heading "分析参数".
int ParameterBlock(QPainter& p, const ReportContext& c, int x, int top);
// The event data table ("事件数据"): SpO2 and pulse columns. Returns the y below it.
int SummaryTable(QPainter& p, const ReportContext& c, const QRect& area);
// The fourteen SpO2 bands with their events, level and time below it.
int LevelTable(QPainter& p, const ReportContext& c, const QRect& area);
// Each desaturation as a bar of its depth at its time, over the whole series.
void EventChart(QPainter& p, const ReportContext& c, const QRect& area);
// SpO2 and pulse of the whole series, 10 % and 10 bpm per division.
void OverviewChart(QPainter& p, const ReportContext& c, const QRect& area);
// Share of the time with data spent in each SpO2 band.
void Spo2DistributionChart(QPainter& p, const ReportContext& c, const QRect& area);
// Desaturation events by the band their lowest value lies in.
void EventDistributionChart(QPainter& p, const ReportContext& c, const QRect& area);
// One strip of SpO2 and pulse curves.
void Strip(QPainter& p, const ReportContext& c, const QRect& area, const Spo2Stretch& stretch);
// Interpreting physician, date and time, each with a line to sign on.
void SignatureLines(QPainter& p, const ReportContext& c, int W, int y);

} // namespace Spo2ReportParts
