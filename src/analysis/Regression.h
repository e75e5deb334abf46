#pragma once

#include <string>

#include "AnalysisTexts.h"
#include "ReadingSets.h"

// Correlation of diastolic (y) with systolic (x) and the two regression lines drawn by the
// fit-line chart. The sums run over the awake and then the asleep set; n is the number of
// included readings.
struct Regression {
    int n = 0;
    double sumX = 0, sumY = 0, sumXY = 0, sumXX = 0, sumYY = 0;

    bool correlationDefined = false;
    double r = 0;

    bool yOnXDefined = false; // y = b1 x + a1
    double b1 = 0, a1 = 0;
    bool xOnYDefined = false; // x = b2 y + a2
    double b2 = 0, a2 = 0;

    bool centreDefined = false; // where the two lines cross
    int centreX = 0, centreY = 0;
};

Regression ComputeRegression(const ReadingSets& sets);

// "<label>: r = %0.6f  r*r = %0.6f"; empty when there are no readings, "<label>:" when the
// coefficient is undefined (all systolic or all diastolic values equal).
std::string CorrelationText(const Regression& reg,
                            const std::string& label = AnalysisTexts::kCorrelationLabel);
// "  y = f(x): y = ..." in one of its four forms; the bare prefix when the line is undefined.
std::string YOnXText(const Regression& reg);
// "  x = f(y): x = ..." likewise.
std::string XOnYText(const Regression& reg);
// "<label>  S(x,y)"; "<label>:" when the crossing is undefined.
std::string CentreText(const Regression& reg,
                       const std::string& label = AnalysisTexts::kDistributionCentre);
