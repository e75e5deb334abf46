#pragma once

#include <QWidget>

class QRadioButton;

// Tab 247 of the layout editor: the graph type and scale of the printed trend. Only the line
// graph with the automatic scale is offered; nothing of this tab is stored.
class CReportGraphTab : public QWidget {
    Q_OBJECT
  public:
    explicit CReportGraphTab(QWidget* parent);

    const QList<QRadioButton*>& radios() const { return m_radios; }

  private:
    QList<QRadioButton*> m_radios;
};
