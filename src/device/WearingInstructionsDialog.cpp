#include "WearingInstructionsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "StringTable.h"
#include "WearingPicture.h"

WearingInstructionsDialog::WearingInstructionsDialog(QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)) {
    setWindowTitle(tr("佩戴"));
    m_text->setReadOnly(true);
    m_text->setPlainText(InstructionText());
    auto* row = new QHBoxLayout;
    row->addWidget(new WearingPicture(this), 2);
    row->addWidget(m_text, 3);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    resize(640, 420);
}

QString WearingInstructionsDialog::InstructionText() {
    QString text;
    for (int id = 57813; id <= 57818; ++id)
        text += StringTable::label(id);
    return text;
}

QString WearingInstructionsDialog::shownText() const {
    return m_text->toPlainText();
}
