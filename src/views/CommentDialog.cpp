#include "CommentDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

CommentDialog::CommentDialog(const QString& comment, QWidget* parent)
    : QDialog(parent), m_edit(new QLineEdit(this)) {
    setWindowTitle(tr("注释"));
    // A longer comment from the file is shown whole; typing cannot make it longer.
    m_edit->setMaxLength(std::max(kMaxLength, static_cast<int>(comment.size())));
    m_edit->setText(comment);
    m_edit->selectAll();
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CommentDialog::helpRequested);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
}

QString CommentDialog::comment() const {
    return m_edit->text();
}
