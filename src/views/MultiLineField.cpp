#include "MultiLineField.h"

#include <QRegularExpression>
#include <QTextCursor>

MultiLineField::MultiLineField(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength) {
    setTabChangesFocus(true);
    if (m_maxLength > 0)
        connect(this, &QPlainTextEdit::textChanged, this, &MultiLineField::enforceLimit);
}

void MultiLineField::setLines(const QStringList& lines) {
    setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList MultiLineField::lines() const {
    const QString text = toPlainText();
    if (text.isEmpty()) return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

// Typing or pasting past the limit keeps the first maxLength characters, as a limited edit
// field refuses the rest.
void MultiLineField::enforceLimit() {
    const QString text = toPlainText();
    if (text.size() <= m_maxLength) return;
    QTextCursor cursor = textCursor();
    const int position = std::min(cursor.position(), m_maxLength);
    const QSignalBlocker block(this);
    setPlainText(text.left(m_maxLength));
    cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
}
