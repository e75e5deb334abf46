#pragma once

#include <QObject>
#include <QRect>
#include <array>

class QButtonGroup;
class QLabel;
class QPainter;
class QRadioButton;
class QSpinBox;
class QWidget;
struct AppState;

// The bar charts, pie charts and fit line of the main view with their controls: the period
// radio buttons (1001-1003) and the pie bands' spin boxes (1013-1018, upper and lower limit
// of systolic, diastolic and heart rate) with their labels. The controls are children of the
// view, shown only with the chart they belong to, and keep their values while another display
// is shown. Period and bands live in the application state, so printed charts use them too.
class ChartDisplay : public QObject {
    Q_OBJECT
  public:
    enum class Chart { None, Bars, Pies, FitLine };

    ChartDisplay(QWidget* view, AppState& state);

    // Shows the controls of chart (bars: the radio buttons; pies: radio buttons and band
    // controls; fit line and None: nothing) and places them.
    void setChart(Chart chart);
    Chart chart() const { return m_chart; }
    // Places the controls for the view's present size and font.
    void relayout();
    // The controls take the period and bands of the state, as after opening a record.
    void syncFromState();
    // Draws the current chart from the current sets over the whole view.
    void paint(QPainter& painter);
    // What a band edit repaints: the pies and their texts.
    QRect pieArea() const;

    QRadioButton* periodButton(int id) const;
    QSpinBox* bandField(int id) const;
    // 0 systolic, 1 diastolic, 2 heart rate.
    QLabel* bandLabel(int index) const;

  signals:
    void repaintRequested(const QRect& area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr int kFirstPeriodId = 1001;
    static constexpr int kFirstFieldId = 1013;

    void createControls();
    void retranslate();
    void onPeriodClicked(int id);
    void onFieldChanged(int id);
    void showBandLabel(int index);
    void placePeriodButtons();
    void placeBandControls();

    QWidget* m_view;
    AppState& m_state;
    Chart m_chart = Chart::None;
    QButtonGroup* m_periods = nullptr;
    std::array<QRadioButton*, 3> m_periodButtons{};
    std::array<QSpinBox*, 6> m_fields{};
    std::array<QLabel*, 6> m_fieldLabels{};
    std::array<QLabel*, 3> m_bandLabels{};
};
