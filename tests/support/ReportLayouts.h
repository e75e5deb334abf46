#pragma once

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

#include "ReportConfig.h"

// Saves a new layout with only the given page kinds and SpO2 report.
inline void AddLayout(const std::string& reportPath, const std::string& name,
                      std::initializer_list<int> kinds, int spo2 = 0) {
    ReportConfig layout;
    layout.name = name;
    for (int kind : kinds)
        layout.pageFlags[std::size_t(kind)] = 1;
    layout.spo2Report = spo2;
    ASSERT_TRUE(SaveReportConfig(reportPath, layout, true));
}
