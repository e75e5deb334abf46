#pragma once

#include <QWidget>
#include <string>

class CIniDocument;
class MultiLineField;

// Page 3 of the patient sheet: the clinical interpretation of the loaded test.
class CInterprationProp : public QWidget {
    Q_OBJECT
  public:
    explicit CInterprationProp(QWidget* parent = nullptr);

    void load(const CIniDocument& doc, const std::string& testSection);
    void save(CIniDocument& doc, const std::string& testSection) const;

    MultiLineField* interpretationEdit() const { return m_interpretation; }

  private:
    MultiLineField* m_interpretation;
};
