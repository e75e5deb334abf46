#pragma once

#include <QDialog>

#include "PatientRecord.h"

class CCurrentMedicProp;
class CInterprationProp;
class CPatientInfoProp;
class CPhysicianProp;
class QPushButton;
class QShowEvent;
class QTabWidget;

// The patient information sheet: demographic data of the open record and the notes of its
// loaded test, on four pages. Everything is read from the record file when the sheet opens and
// written back through one store when it is confirmed.
class CEditPatientDataDlg : public QDialog {
    Q_OBJECT
  public:
    CEditPatientDataDlg(PatientRecord& record, QWidget* parent = nullptr);

    CPatientInfoProp* patientPage() const { return m_patient; }
    CCurrentMedicProp* medicationPage() const { return m_medication; }
    CInterprationProp* interpretationPage() const { return m_interpretation; }
    CPhysicianProp* physicianPage() const { return m_physician; }
    QTabWidget* pages() const { return m_tabs; }

    // Writes every field; when the file cannot be written the user is told and the sheet
    // stays open with its values.
    void accept() override;

  signals:
    void helpRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void loadPages();
    bool savePages() const;

    PatientRecord& m_record;
    QTabWidget* m_tabs;
    CPatientInfoProp* m_patient;
    CCurrentMedicProp* m_medication;
    CInterprationProp* m_interpretation;
    CPhysicianProp* m_physician;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
