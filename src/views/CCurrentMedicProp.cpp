#include "CCurrentMedicProp.h"

#include <QLabel>
#include <QVBoxLayout>

#include "MultiLineField.h"
#include "PatientFields.h"

CCurrentMedicProp::CCurrentMedicProp(QWidget* parent)
    : QWidget(parent), m_medication(new MultiLineField(1024, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("目前用药情况"), this));
    layout->addWidget(m_medication);
}

void CCurrentMedicProp::load(const CIniDocument& doc, const std::string& testSection) {
    PatientFields::ShowLines(m_medication, doc, testSection, "Medications Count", "Medications");
}

void CCurrentMedicProp::save(CIniDocument& doc, const std::string& testSection) const {
    PatientFields::StoreLines(m_medication, doc, testSection, "Medications Count", "Medications");
}
