#include "DeviceConfigurationDialog.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "CIniDocument.h"
#include "DeviceMessages.h"
#include "GbkText.h"
#include "StringTable.h"

using DeviceMessages::Format;

DeviceConfigurationDialog::DeviceConfigurationDialog(const QString& text, QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setWindowTitle(tr("AMU配置信息"));
    m_text->setReadOnly(true);
    m_text->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(420, 300);
}

QString DeviceConfigurationDialog::shownText() const {
    return m_text->toPlainText();
}

QString DeviceConfigurationDialog::BuildText(const std::string& recordPath) {
    const CIniDocument doc(recordPath);
    const std::string test = "TEST " + doc.GetString("PATIENT DATA", "Test Count", "no string");
    const auto number = [&](const char* key) { return doc.GetInt(test, key, 0); };
    const auto onOff = [&](const char* key) {
        return StringTable::label(doc.GetInt(test, key, 1) == 1 ? 57712 : 57713).toUtf8();
    };
    const std::string amu = doc.GetString(test, "AMU", "");
    const QByteArray type =
        amu.empty() ? StringTable::label(57710).toUtf8() : FromGbk(amu).toUtf8();
    const QString end = QStringLiteral("\r\n");

    QString text;
    text += Format(57709, type) + end;
    text += Format(57711, onOff("IsDisplay")) + end;
    text += Format(57714, onOff("AutoMode")) + end;
    text += Format(57715, number("AwakeHour"), number("AwakeMin")) +
            Format(57719, number("AwakeDuration")) + end;
    text += Format(57716, number("AsleepHour"), number("AsleepMin")) +
            Format(57719, number("AsleepDuration")) + end;
    text += Format(57717, number("SpecialHourStart"), number("AsleepMinStart")) + end;
    text += Format(57718, number("SpecialHourEnd"), number("SpecialMinEnd")) + end;
    // The record file has no key for the special interval; the recorder's tool shows the
    // asleep one here.
    text += Format(57719, number("AsleepDuration")) + end;
    return text;
}
