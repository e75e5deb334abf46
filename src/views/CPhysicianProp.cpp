#include "CPhysicianProp.h"

#include <QFormLayout>
#include <QLineEdit>

#include "MultiLineField.h"
#include "PatientFields.h"

CPhysicianProp::CPhysicianProp(QWidget* parent)
    : QWidget(parent), m_referring(new QLineEdit(this)), m_interpreting(new QLineEdit(this)),
      m_comments(new MultiLineField(0, this)) {
    auto* form = new QFormLayout(this);
    form->addRow(tr("助理医生"), m_referring);
    form->addRow(tr("主治医生"), m_interpreting);
    form->addRow(tr("医生诊断"), m_comments);
}

void CPhysicianProp::load(const CIniDocument& doc, const std::string& testSection) {
    m_referring->setText(PatientFields::ReadText(doc, testSection, "ReferringPhys"));
    m_interpreting->setText(PatientFields::ReadText(doc, testSection, "InterprettingPhys"));
    m_comments->setLines(PatientFields::ReadLines(doc, testSection, "Comments Count", "Comments"));
}

void CPhysicianProp::save(CIniDocument& doc, const std::string& testSection) const {
    PatientFields::WriteText(doc, testSection, "ReferringPhys", m_referring->text());
    PatientFields::WriteText(doc, testSection, "InterprettingPhys", m_interpreting->text());
    PatientFields::WriteLines(doc, testSection, "Comments Count", "Comments", m_comments->lines());
}
