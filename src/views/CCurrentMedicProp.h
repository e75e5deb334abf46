#pragma once

#include <QWidget>
#include <string>

class CIniDocument;
class MultiLineField;

// Page 2 of the patient sheet: the current medication, kept in the loaded test's section.
class CCurrentMedicProp : public QWidget {
    Q_OBJECT
  public:
    explicit CCurrentMedicProp(QWidget* parent = nullptr);

    void load(const CIniDocument& doc, const std::string& testSection);
    void save(CIniDocument& doc, const std::string& testSection) const;

    MultiLineField* medicationEdit() const { return m_medication; }

  private:
    MultiLineField* m_medication;
};
