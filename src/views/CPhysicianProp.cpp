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
    PatientFields::Show(m_referring, doc, testSection, "ReferringPhys");
    PatientFields::Show(m_interpreting, doc, testSection, "InterprettingPhys");
    PatientFields::ShowLines(m_comments, doc, testSection, "Comments Count", "Comments");
}

void CPhysicianProp::save(CIniDocument& doc, const std::string& testSection) const {
    PatientFields::Store(m_referring, doc, testSection, "ReferringPhys");
    PatientFields::Store(m_interpreting, doc, testSection, "InterprettingPhys");
    PatientFields::StoreLines(m_comments, doc, testSection, "Comments Count", "Comments");
}
