#include "UserSelectionDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

UserSelectionDialog::UserSelectionDialog(QWidget* parent)
    : QDialog(parent), m_users(new QComboBox(this)) {
    setWindowTitle(tr("选择用户"));
    m_users->addItems({tr("用户1"), tr("用户2"), tr("用户3"), tr("全部用户")});
    m_users->setCurrentIndex(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("用户"), m_users);
    layout->addRow(buttons);
}

int UserSelectionDialog::selection() const {
    return m_users->currentIndex() + 1;
}
