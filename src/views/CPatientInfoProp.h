#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

class CIniDocument;
class MultiLineField;
class QLineEdit;

// Page 1 of the patient sheet: the demographic data of [PATIENT DATA].
class CPatientInfoProp : public QWidget {
    Q_OBJECT
  public:
    explicit CPatientInfoProp(QWidget* parent = nullptr);

    void load(const CIniDocument& doc);
    // ID and name, the address, then phone, ethnic group, gender, birthday, height, weight.
    void save(CIniDocument& doc) const;

    QLineEdit* idEdit() const { return m_id; }
    QLineEdit* nameEdit() const { return m_name; }
    MultiLineField* addressEdit() const { return m_address; }
    QLineEdit* phoneEdit() const { return m_phone; }
    QLineEdit* raceEdit() const { return m_race; }
    QLineEdit* genderEdit() const { return m_gender; }
    QLineEdit* birthdayEdit() const { return m_birthday; }
    QLineEdit* heightEdit() const { return m_height; }
    QLineEdit* weightEdit() const { return m_weight; }

  private:
    std::vector<std::pair<QLineEdit*, const char*>> lowerFields() const;

    QLineEdit* m_id;
    QLineEdit* m_name;
    MultiLineField* m_address;
    QLineEdit* m_phone;
    QLineEdit* m_race;
    QLineEdit* m_gender;
    QLineEdit* m_birthday;
    QLineEdit* m_height;
    QLineEdit* m_weight;
};
