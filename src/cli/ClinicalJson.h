#pragma once

#include <QJsonObject>

#include "ClinicalSummary.h"

// The member "clinical" of abpm-cli stats: every figure as a JSON number at full precision,
// null where it cannot be computed.
QJsonObject ClinicalJson(const ClinicalSummary& summary);
