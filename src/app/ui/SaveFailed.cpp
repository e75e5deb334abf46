#include "SaveFailed.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

void ShowSaveFailed(QWidget* parent, const std::string& filePath) {
    QMessageBox::warning(parent, QCoreApplication::translate("SaveFailed", "保存失败"),
                         QCoreApplication::translate("SaveFailed", "无法保存文件：\n%1")
                             .arg(QDir::toNativeSeparators(QString::fromStdString(filePath))));
}
