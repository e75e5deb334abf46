#pragma once

#include <QString>
#include <string>

// The one place where record and configuration bytes (GBK) meet the user interface's QString.
QString FromGbk(const std::string& bytes);
// Characters GBK cannot hold become "?".
std::string ToGbk(const QString& text);
