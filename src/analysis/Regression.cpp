#include "Regression.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace {

void AddSums(const ReadingSet& set, Regression& reg) {
    for (const BpReading& r : set) {
        const double x = r.systolic, y = r.diastolic;
        reg.sumX += x;
        reg.sumY += y;
        reg.sumXY += x * y;
        reg.sumXX += x * x;
        reg.sumYY += y * y;
    }
}

void ComputeCorrelation(Regression& reg) {
    if (reg.n <= 0) return;
    const double n = reg.n;
    const double varX = reg.sumXX / n - reg.sumX * reg.sumX / (n * n);
    const double varY = reg.sumYY / n - reg.sumY * reg.sumY / (n * n);
    const double product = varX * varY;
    // With a constant x or y the coefficient is 0 / 0: no figure, rather than "nan".
    if (!(product > 0)) return;
    reg.r = (reg.sumXY / n - reg.sumX * reg.sumY / (n * n)) / std::sqrt(product);
    reg.correlationDefined = std::isfinite(reg.r);
}

void ComputeLines(Regression& reg) {
    const double n = reg.n;
    if (n <= 0) return;
    const double covariance = n * reg.sumXY - reg.sumX * reg.sumY;
    const double spreadX = n * reg.sumXX - reg.sumX * reg.sumX;
    const double spreadY = n * reg.sumYY - reg.sumY * reg.sumY;
    if (spreadX != 0) {
        reg.b1 = covariance / spreadX;
        reg.a1 = (reg.sumY - reg.b1 * reg.sumX) / n;
        reg.yOnXDefined = true;
    }
    if (spreadY != 0) {
        reg.b2 = covariance / spreadY;
        reg.a2 = (reg.sumX - reg.b2 * reg.sumY) / n;
        reg.xOnYDefined = true;
    }
}

bool FitsInt(double v) {
    return std::isfinite(v) && v > INT_MIN - 1.0 && v < INT_MAX + 1.0;
}

void ComputeCentre(Regression& reg) {
    if (!reg.yOnXDefined || !reg.xOnYDefined) return;
    const double d = 1 - reg.b1 * reg.b2;
    if (d == 0) return;
    const double x = (reg.b2 * reg.a1 + reg.a2) / d;
    const double y = (reg.b1 * reg.a2 + reg.a1) / d;
    // Nearly parallel lines put the crossing far outside any integer: no centre then.
    if (!FitsInt(x) || !FitsInt(y)) return;
    reg.centreX = static_cast<int>(x);
    reg.centreY = static_cast<int>(y);
    reg.centreDefined = true;
}

std::string Format(const char* format, double a, double b) {
    char text[128];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string Format(const char* format, double a) {
    char text[128];
    std::snprintf(text, sizeof text, format, a);
    return text;
}

std::string LineText(bool defined, double slope, double intercept, const char* prefix,
                     char variable) {
    std::string text = prefix;
    if (!defined || (slope == 0 && intercept == 0)) return text;
    const std::string lhs = variable == 'x' ? "y = " : "x = ";
    if (slope != 0 && intercept != 0)
        return text + lhs + Format("%0.2f", slope) + variable + Format("%+0.2f", intercept);
    if (slope != 0) return text + lhs + Format("%0.2f", slope) + variable;
    return text + lhs + Format("%0.2f", intercept);
}

} // namespace

Regression ComputeRegression(const ReadingSets& sets) {
    Regression reg;
    reg.n = static_cast<int>(sets.included.size());
    AddSums(sets.awake, reg);
    AddSums(sets.asleep, reg);
    ComputeCorrelation(reg);
    ComputeLines(reg);
    ComputeCentre(reg);
    return reg;
}

std::string CorrelationText(const Regression& reg, const std::string& label) {
    if (reg.n <= 0) return {};
    if (!reg.correlationDefined) return label + ":";
    return label + Format(": r = %0.6f  r*r = %0.6f", reg.r, reg.r * reg.r);
}

std::string YOnXText(const Regression& reg) {
    return LineText(reg.yOnXDefined, reg.b1, reg.a1, "  y = f(x): ", 'x');
}

std::string XOnYText(const Regression& reg) {
    return LineText(reg.xOnYDefined, reg.b2, reg.a2, "  x = f(y): ", 'y');
}

std::string CentreText(const Regression& reg, const std::string& label) {
    if (!reg.centreDefined) return label + ":";
    char text[64];
    std::snprintf(text, sizeof text, "  S(%d,%d)", reg.centreX, reg.centreY);
    return label + text;
}
