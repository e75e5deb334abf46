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
    using PatientFields::ReadText;
    const std::string section = RecordFile::kPatientSection;
    m_id->setText(ReadText(doc, section, "ID"));
    m_name->setText(ReadText(doc, section, "Name"));
    m_address->setLines(PatientFields::ReadLines(doc, section, "Addr Count", "Addr"));
    m_phone->setText(ReadText(doc, section, "Phone"));
    m_race->setText(ReadText(doc, section, "Race"));
    m_gender->setText(ReadText(doc, section, "Gender"));
    m_birthday->setText(ReadText(doc, section, "Birthday"));
    m_height->setText(ReadText(doc, section, "Height"));
    m_weight->setText(ReadText(doc, section, "Weight"));
}

void CPatientInfoProp::save(CIniDocument& doc) const {
    using PatientFields::WriteText;
    const std::string section = RecordFile::kPatientSection;
    WriteText(doc, section, "ID", m_id->text());
    WriteText(doc, section, "Name", m_name->text());
    PatientFields::WriteLines(doc, section, "Addr Count", "Addr", m_address->lines());
    WriteText(doc, section, "Phone", m_phone->text());
    WriteText(doc, section, "Race", m_race->text());
    WriteText(doc, section, "Gender", m_gender->text());
    WriteText(doc, section, "Birthday", m_birthday->text());
    WriteText(doc, section, "Height", m_height->text());
    WriteText(doc, section, "Weight", m_weight->text());
}
