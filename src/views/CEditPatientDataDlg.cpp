#include "CEditPatientDataDlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CCurrentMedicProp.h"
#include "CIniDocument.h"
#include "CInterprationProp.h"
#include "CPatientInfoProp.h"
#include "CPhysicianProp.h"
#include "GbkText.h"
#include "RecordEdits.h"
#include "RecordFile.h"

CEditPatientDataDlg::CEditPatientDataDlg(PatientRecord& record, QWidget* parent)
    : QDialog(parent), m_record(record), m_tabs(new QTabWidget(this)),
      m_patient(new CPatientInfoProp(this)), m_medication(new CCurrentMedicProp(this)),
      m_interpretation(new CInterprationProp(this)), m_physician(new CPhysicianProp(this)) {
    m_tabs->addTab(m_patient, tr("病人信息"));
    m_tabs->addTab(m_medication, tr("目前用药情况"));
    m_tabs->addTab(m_interpretation, tr("诊断"));
    m_tabs->addTab(m_physician, tr("医生信息"));

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    m_help = buttons->addButton(QString(), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CEditPatientDataDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &CEditPatientDataDlg::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    loadPages();
}

// Every page reads its values before the sheet is shown, so saving never writes a field that
// was not read first.
void CEditPatientDataDlg::loadPages() {
    const std::unique_ptr<CIniDocument> doc = RecordEdits::OpenRecord(m_record.filePath);
    if (!doc) return;
    const std::string& testSection = m_record.test.section;
    const std::string patient = RecordFile::kPatientSection;
    const std::string name = doc->GetString(patient, "Name", "");
    const std::string id = doc->GetString(patient, "ID", "");
    const std::string start = doc->GetString(testSection, "TestBeginDate", "");
    setWindowTitle(FromGbk(name + " " + id + " " + start));
    m_patient->load(*doc);
    m_medication->load(*doc, testSection);
    m_interpretation->load(*doc, testSection);
    m_physician->load(*doc, testSection);
}

void CEditPatientDataDlg::showEvent(QShowEvent* event) {
    m_ok->setText(QStringLiteral("&Okay"));
    m_cancel->setText(QStringLiteral("&Cancel"));
    m_help->setText(QStringLiteral("&Help"));
    m_help->setEnabled(true);
    QDialog::showEvent(event);
}

bool CEditPatientDataDlg::savePages() const {
    const std::unique_ptr<CIniDocument> doc = RecordEdits::OpenRecord(m_record.filePath);
    if (!doc) return false;
    const std::string& testSection = m_record.test.section;
    m_patient->save(*doc);
    m_medication->save(*doc, testSection);
    m_physician->save(*doc, testSection);
    m_interpretation->save(*doc, testSection);
    return doc->Save();
}

void CEditPatientDataDlg::accept() {
    if (!savePages()) {
        RecordEdits::ReportWriteFailure(this, m_record.filePath);
        return;
    }
    // The status bar and the window title show the loaded name and ID; keep them as stored.
    m_record.patientName = CutGbk(ToGbk(m_patient->nameEdit()->text()), kMaxNameBytes);
    m_record.patientId = CutGbk(ToGbk(m_patient->idEdit()->text()), kMaxIdBytes);
    QDialog::accept();
}
