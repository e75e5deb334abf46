#pragma once

#include <QByteArray>
#include <QString>

// Qt's PDF writer maps every glyph back to the lowest code point the font shows with it. CJK
// fonts draw many ideographs with the glyph of a radical of the same shape (血 and the Kangxi
// radical ⾎), so the text a reader copies or searches would hold the radical. These rewrite
// such entries of the files' ToUnicode tables to the ideograph. Entries keep their length, so
// the file's offsets stay valid.
QByteArray RestoreIdeographs(QByteArray pdf);

// Checks that the file is a complete PDF and restores its text layer in place. False, with
// the reason in *error, when it is not complete or cannot be rewritten.
bool RestorePdfTextLayer(const QString& path, QString* error);
