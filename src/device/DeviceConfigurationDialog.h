#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

// "AMU配置信息" (dialog 240): the recorder settings a record file carries, read only.
class DeviceConfigurationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DeviceConfigurationDialog(const QString& text, QWidget* parent = nullptr);

    // The lines of the view for a record file, each ended by "\r\n": recorder type, the two
    // switches, the period starts with their intervals. Missing keys show their defaults.
    static QString BuildText(const std::string& recordPath);

    QString shownText() const;

  private:
    QPlainTextEdit* m_text;
};
