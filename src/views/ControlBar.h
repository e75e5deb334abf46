#pragma once

#include <QWidget>
#include <map>

class QAbstractButton;
class QButtonGroup;
class QLabel;

// The bar along the bottom of the main view: the BP trend button, the SpO2 trend and
// parameter buttons, the four window lengths and the four paging buttons of the SpO2 trend.
// Every button reports its command id.
class ControlBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kHeight = 40;
    enum Command {
        BpTrend = 1016,
        Spo2Trend = 1167,
        Spo2Parameters = 1168,
        OneMinute = 2001,
        TenMinutes = 2002,
        OneHour = 2003,
        ManualLength = 2004,
        PageLeft = 2005,
        StepLeft = 2006,
        StepRight = 2007,
        PageRight = 2008,
    };

    explicit ControlBar(QWidget* parent = nullptr);

    QAbstractButton* button(int id) const;
    // The SpO2 buttons act only where an SpO2 display exists to take their commands.
    void setSpo2Enabled(bool enabled);
    // Shows which window length is chosen: 0 one minute, 1 ten minutes, 2 one hour, 3 manual.
    void setLengthSelector(int selector);
    void retranslate();

  signals:
    void commandTriggered(int id);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QAbstractButton* addButton(int id, bool checkable);

    std::map<int, QAbstractButton*> m_buttons;
    QButtonGroup* m_lengths;
    QLabel* m_kind;
};
