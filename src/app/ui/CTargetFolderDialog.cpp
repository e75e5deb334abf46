#include "CTargetFolderDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "FolderBrowser.h"
#include "Help.h"

CTargetFolderDialog::CTargetFolderDialog(const QString& folder, QWidget* parent)
    : QDialog(parent), m_browser(new FolderBrowser(this)) {
    setWindowTitle(tr("选择目标路径"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(new QLabel(tr("当前路径 :"), this));
    layout->addWidget(m_browser->pathLabel());
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确认(&O)"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消(&C)"), QDialogButtonBox::RejectRole);
    AddHelpButton(buttons, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_browser->setFolder(folder);
    resize(420, 420);
}

QString CTargetFolderDialog::folder() const {
    return m_browser->folder();
}
