#pragma once

#include <string>

class QWidget;

// Tells the user that a file could not be saved, naming it, so no change is taken for stored
// when it is not.
void ShowSaveFailed(QWidget* parent, const std::string& filePath);
