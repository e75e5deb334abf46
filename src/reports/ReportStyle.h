#pragma once

#include <QFont>
#include <QPen>
#include <QStringList>

// The pens and fonts every report page draws with, made for one printer resolution. Widths
// and heights scale with the printer's resolution over the screen's, so a page keeps its
// proportions on paper, in the preview and in a PDF file.
struct ReportStyle {
    double printerDpi = 96.0;
    double screenDpi = 96.0;
    int lineWidth = 1; // the basic width, (int)(printer resolution / screen resolution)
    QPen black, blue, yellow, grey;
    QFont regular, semiBold, large, title;

    // cjkFirst puts the CJK face before the Latin one (see ReportFontFamilies).
    static ReportStyle ForResolution(double printerDpi, double screenDpi, bool cjkFirst = false);
    // A line k times the basic width: (printer resolution * k) / screen resolution.
    int scaledWidth(int k) const;
};

// The CJK face of the report fonts.
inline constexpr const char* kReportCjkFamily = "Noto Serif CJK SC";

// A Latin face first, so that digits and Latin letters keep their text in a PDF file, then
// the CJK face for Chinese, then the face the language names (for systems without Noto).
// The print preview records pages as pictures, and a picture replays a fallback face smaller
// and lower than the line it stands in; there the CJK face, which has Latin letters and
// digits too, comes first so that every glyph of a line is drawn with one face.
QStringList ReportFontFamilies(bool cjkFirst = false);
