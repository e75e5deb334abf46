#pragma once

#include <string>

// Texts the analysis puts into its results, in UTF-8. The window program maps them to its
// string table; the command-line tool prints them as they are.
namespace AnalysisTexts {

inline const std::string kCorrelationLabel = "相关系数";                    // string 57797
inline const std::string kDistributionCentre = "分布中心";                  // string 57798
inline const std::string kSystolicBelowDiastolic = "收缩压必须大于舒张压."; // string 57618
inline const std::string kThresholdOutOfRange = "数值设置错误.";            // string 57619

} // namespace AnalysisTexts
