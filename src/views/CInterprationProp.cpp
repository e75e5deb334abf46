#include "CInterprationProp.h"

#include <QLabel>
#include <QVBoxLayout>

#include "MultiLineField.h"
#include "PatientFields.h"

CInterprationProp::CInterprationProp(QWidget* parent)
    : QWidget(parent), m_interpretation(new MultiLineField(1024, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("诊断"), this));
    layout->addWidget(m_interpretation);
}

void CInterprationProp::load(const CIniDocument& doc, const std::string& testSection) {
    PatientFields::ShowLines(m_interpretation, doc, testSection, "Clinical Interp Count",
                             "Clinical Interp");
}

void CInterprationProp::save(CIniDocument& doc, const std::string& testSection) const {
    PatientFields::StoreLines(m_interpretation, doc, testSection, "Clinical Interp Count",
                              "Clinical Interp");
}
