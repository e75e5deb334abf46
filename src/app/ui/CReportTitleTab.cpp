#include "CReportTitleTab.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "GbkText.h"
#include "ReportConfig.h"

CReportTitleTab::CReportTitleTab(const std::string& title, QWidget* parent)
    : QWidget(parent), m_edit(new QPlainTextEdit(FromGbk(title), this)),
      m_accepted(m_edit->toPlainText()), m_loaded(title), m_loadedText(m_accepted) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("报告标题"), this));
    m_edit->setTabChangesFocus(true);
    setFocusProxy(m_edit);
    layout->addWidget(m_edit, 1);
    connect(m_edit, &QPlainTextEdit::textChanged, this, &CReportTitleTab::limitLength);
}

void CReportTitleTab::limitLength() {
    const QString text = m_edit->toPlainText();
    // Only what is typed or pasted is held back; a longer title from the file stays whole.
    if (text.size() > qsizetype(ReportConfig::kMaxTitleLength) && text.size() > m_accepted.size()) {
        const int position = m_edit->textCursor().position() - int(text.size() - m_accepted.size());
        const QSignalBlocker block(m_edit);
        m_edit->setPlainText(m_accepted);
        QTextCursor cursor = m_edit->textCursor();
        cursor.setPosition(qBound(0, position, int(m_accepted.size())));
        m_edit->setTextCursor(cursor);
        return;
    }
    m_accepted = text;
}

std::string CReportTitleTab::title() const {
    QString text = m_edit->toPlainText();
    // A title left as it was goes back byte for byte.
    if (text == m_loadedText) return m_loaded;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return ToGbk(text);
}
