#pragma once

// The command ids of the menu, the toolbar and the view's controls. They are kept because
// translations, help pages and stored settings refer to the commands by them.
namespace Cmd {
enum : int {
    SpO2Parameters = 1168,
    FileDelete = 32772,
    FileCopy = 32773,
    NewUser = 32777,
    Exit = 32779,
    ConfigFolder = 32780,
    ReportConfig = 32785,
    PatientData = 32788,
    SleepPeriods = 32789,
    Thresholds = 32790,
    Help = 32805,
    PrintPreview = 32809,
    Download = 32812,
    RedrawAwake = 32816,
    RedrawAsleep = 32817,
    Language = 32818,
    Wearing = 32821,
    Open = 32901,
    BpTrend = 32902,
    Spo2Trend = 32903,
    EditReadings = 32904,
    BarCharts = 32905,
    PieCharts = 32906,
    FitLine = 32907,
    Print = 32908,
    Statistics = 32909,
    DeviceConfig = 32910,
    SaveAsPdf = 32930,
    ExportCsv = 32931,
    PrinterSetup = 57606,
    About = 57664,
    Upload = 65535,
};

// Commands that act on the loaded record and are greyed while none is loaded.
constexpr bool NeedsRecord(int id) {
    return id == PrintPreview || id == SleepPeriods || (id >= BpTrend && id <= DeviceConfig) ||
           id == SaveAsPdf || id == ExportCsv;
}
} // namespace Cmd
