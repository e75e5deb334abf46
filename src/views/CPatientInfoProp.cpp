#include "CPatientInfoProp.h"

#include <QFormLayout>
#include <QLineEdit>

#include "CIniDocument.h"
#include "MultiLineField.h"
#include "PatientFields.h"
#include "RecordFile.h"

namespace {

constexpr int kIdLength = 10;
constexpr int kNameLength = 29;
constexpr int kAddressLength = 500;
constexpr int kShortFieldLength = 15;

QLineEdit* Field(int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    return edit;
}

} // namespace

CPatientInfoProp::CPatientInfoProp(QWidget* parent)
    : QWidget(parent), m_id(Field(kIdLength, this)), m_name(Field(kNameLength, this)),
      m_address(new MultiLineField(kAddressLength, this)), m_phone(Field(kShortFieldLength, this)),
      m_race(Field(kShortFieldLength, this)), m_gender(Field(kShortFieldLength, this)),
      m_birthday(Field(kShortFieldLength, this)), m_height(Field(kShortFieldLength, this)),
      m_weight(Field(kShortFieldLength, this)) {
    auto* form = new QFormLayout(this);
    form->addRow(tr("病人 ID"), m_id);
    form->addRow(tr("病人姓名"), m_name);
    form->addRow(tr("地址"), m_address);
    form->addRow(tr("电话"), m_phone);
    form->addRow(tr("民族"), m_race);
    form->addRow(tr("性别"), m_gender);
    form->addRow(tr("出生日期"), m_birthday);
    form->addRow(tr("身高"), m_height);
    form->addRow(tr("体重"), m_weight);
}

// The one-line fields below the address, in the order they are written.
std::vector<std::pair<QLineEdit*, const char*>> CPatientInfoProp::lowerFields() const {
    return {{m_phone, "Phone"},       {m_race, "Race"},     {m_gender, "Gender"},
            {m_birthday, "Birthday"}, {m_height, "Height"}, {m_weight, "Weight"}};
}

void CPatientInfoProp::load(const CIniDocument& doc) {
    const std::string section = RecordFile::kPatientSection;
    PatientFields::Show(m_id, doc, section, "ID");
    PatientFields::Show(m_name, doc, section, "Name");
    PatientFields::ShowLines(m_address, doc, section, "Addr Count", "Addr");
    for (const auto& [field, key] : lowerFields())
        PatientFields::Show(field, doc, section, key);
}

void CPatientInfoProp::save(CIniDocument& doc) const {
    const std::string section = RecordFile::kPatientSection;
    PatientFields::Store(m_id, doc, section, "ID");
    PatientFields::Store(m_name, doc, section, "Name");
    PatientFields::StoreLines(m_address, doc, section, "Addr Count", "Addr");
    for (const auto& [field, key] : lowerFields())
        PatientFields::Store(field, doc, section, key);
}
