#pragma once

#include <QList>
#include <QString>

// Every user-visible message of the program by its numeric id, in the current language.
// The built-in texts are Simplified Chinese; language packs translate them in the
// "StringTable" context.
namespace StringTable {

// The text as stored, translated; formats keep their "%%" escapes. Empty for an unknown id.
QString text(int id);
// The text for showing as a label: "%%" becomes "%".
QString label(int id);
// The untranslated built-in text, or nullptr.
const char* source(int id);
QList<int> ids();

} // namespace StringTable
