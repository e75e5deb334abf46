#pragma once

#include <QString>

class QWidget;

// Opens "Help/NAME/index.html" beside the program for the stored language, with the desktop's
// browser. A missing manual is reported with its path.
void OpenHelp(QWidget* parent);

// The stored language of the program folder's "OblCofig.ini" ("Language" in "Previous
// Config"), or defaultName when it is missing.
QString StoredLanguage(const QString& programFolder, const QString& defaultName);

// Adds a "帮助(&H)" button to a dialog's button box that opens the manual.
class QDialogButtonBox;
void AddHelpButton(QDialogButtonBox* box, QWidget* dialog);
