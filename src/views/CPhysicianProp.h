#pragma once

#include <QWidget>
#include <string>

class CIniDocument;
class MultiLineField;
class QLineEdit;

// Page 4 of the patient sheet: the physicians of the loaded test and their comments.
class CPhysicianProp : public QWidget {
    Q_OBJECT
  public:
    explicit CPhysicianProp(QWidget* parent = nullptr);

    void load(const CIniDocument& doc, const std::string& testSection);
    // Both physicians, then the comments.
    void save(CIniDocument& doc, const std::string& testSection) const;

    QLineEdit* referringEdit() const { return m_referring; }
    QLineEdit* interpretingEdit() const { return m_interpreting; }
    MultiLineField* commentsEdit() const { return m_comments; }

  private:
    QLineEdit* m_referring;
    QLineEdit* m_interpreting;
    MultiLineField* m_comments;
};
