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

void CPatientInfoProp::load(const CIniDocument& doc) {
    using PatientFields::Show;
    const std::string section = RecordFile::kPatientSection;
    Show(m_id, doc, section, "ID");
    Show(m_name, doc, section, "Name");
    PatientFields::ShowLines(m_address, doc, section, "Addr Count", "Addr");
    Show(m_phone, doc, section, "Phone");
    Show(m_race, doc, section, "Race");
    Show(m_gender, doc, section, "Gender");
    Show(m_birthday, doc, section, "Birthday");
    Show(m_height, doc, section, "Height");
    Show(m_weight, doc, section, "Weight");
}

void CPatientInfoProp::save(CIniDocument& doc) const {
    using PatientFields::Store;
    const std::string section = RecordFile::kPatientSection;
    Store(m_id, doc, section, "ID");
    Store(m_name, doc, section, "Name");
    PatientFields::StoreLines(m_address, doc, section, "Addr Count", "Addr");
    Store(m_phone, doc, section, "Phone");
    Store(m_race, doc, section, "Race");
    Store(m_gender, doc, section, "Gender");
    Store(m_birthday, doc, section, "Birthday");
    Store(m_height, doc, section, "Height");
    Store(m_weight, doc, section, "Weight");
}
