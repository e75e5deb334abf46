#include "MultiLineField.h"

#include <QRegularExpression>
#include <QTextCursor>

#include "GbkText.h"

MultiLineField::MultiLineField(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), m_maxLength(maxLength), m_limit(maxLength) {
    setTabChangesFocus(true);
    if (m_maxLength > 0)
        connect(this, &QPlainTextEdit::textChanged, this, &MultiLineField::enforceLimit);
}

QStringList MultiLineField::lines() const {
    const QString text = toPlainText();
    if (text.isEmpty()) return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

void MultiLineField::setStoredLines(const std::vector<std::string>& lines) {
    m_stored = lines;
    m_storedShown.clear();
    for (const std::string& line : lines)
        m_storedShown.append(FromGbk(line));
    const QString text = m_storedShown.join(QLatin1Char('\n'));
    if (m_maxLength > 0) m_limit = std::max(m_maxLength, static_cast<int>(text.size()));
    setPlainText(text);
}

std::vector<std::string> MultiLineField::linesToStore() const {
    if (toPlainText() == m_storedShown.join(QLatin1Char('\n'))) return m_stored;
    const QStringList shown = lines();
    std::vector<std::string> out;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool asRead = i < m_storedShown.size() && shown[i] == m_storedShown[i];
        out.push_back(asRead ? m_stored[static_cast<std::size_t>(i)] : ToGbk(shown[i]));
    }
    return out;
}

// Typing or pasting past the limit keeps the first characters up to it, as a limited edit
// field refuses the rest.
void MultiLineField::enforceLimit() {
    const QString text = toPlainText();
    if (text.size() <= m_limit) return;
    QTextCursor cursor = textCursor();
    const int position = std::min(cursor.position(), m_limit);
    const QSignalBlocker block(this);
    setPlainText(text.left(m_limit));
    cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
}
