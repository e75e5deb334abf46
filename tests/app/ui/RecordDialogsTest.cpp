#include <gtest/gtest.h>

#include "QtPrinters.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "CRecordFileDialog.h"
#include "ModalAnswerer.h"
#include "StringTable.h"
#include "TempDir.h"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

void ClickOk(QDialog& dlg) {
    for (QPushButton* b : dlg.findChildren<QPushButton*>())
        if (b->text() == CRecordFileDialog::tr("确认(&O)")) b->click();
}

void Select(QTreeWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int r : rows)
        list->topLevelItem(r)->setSelected(true);
}

} // namespace

TEST(RecordDialogs, OpenWithoutARowAsksForAFile) {
    TempDir dir; // no records
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Open, Q(dir.path()));
    EXPECT_EQ(dlg.fileList()->topLevelItemCount(), 0);
    ModalAnswerer answer(QMessageBox::Ok);
    dlg.show();
    ClickOk(dlg);
    EXPECT_EQ(answer.texts, QStringList{StringTable::text(57617)});
    EXPECT_TRUE(dlg.isVisible()); // the dialog stays
}

TEST(RecordDialogs, CopyOntoAnExistingNameReplacesIt) {
    TempDir dir;
    WriteFileBytes(dir.file("a.awp"), "[PATIENT DATA]\r\nName=new\r\n");
    WriteFileBytes(dir.file("b.awp"), "[PATIENT DATA]\r\nName=b\r\n");
    TempDir target;
    WriteFileBytes(target.file("a.awp"), "[PATIENT DATA]\r\nName=old\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Copy, Q(dir.path()));
    EXPECT_EQ(dlg.fileList()->topLevelItem(0)->text(3), QStringLiteral("a.awp"));
    // Cancelling the target folder copies nothing and keeps the dialog.
    dlg.show();
    dlg.setTargetChooser([] { return std::optional<QString>(); });
    Select(dlg.fileList(), {0});
    ClickOk(dlg);
    EXPECT_EQ(ReadFileBytes(target.file("a.awp")), "[PATIENT DATA]\r\nName=old\r\n");
    EXPECT_TRUE(dlg.isVisible());

    dlg.setTargetChooser([&] { return std::optional<QString>(Q(target.path())); });
    ClickOk(dlg);
    EXPECT_EQ(ReadFileBytes(target.file("a.awp")), "[PATIENT DATA]\r\nName=new\r\n");
    EXPECT_FALSE(FileExists(target.file("b.awp")));
    EXPECT_TRUE(answer.texts.isEmpty()); // no failure to report
}

TEST(RecordDialogs, DeleteAsksAndRemovesOnlyTheSelectedFilesOnYes) {
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        SCOPED_TRACE(button);
        TempDir dir;
        for (const char* n : {"1.awp", "2.awp", "3.awp", "4.awp", "5.awp"})
            WriteFileBytes(dir.file(n), "");
        CRecordFileDialog dlg(CRecordFileDialog::Mode::Delete, Q(dir.path()));
        dlg.show();
        Select(dlg.fileList(), {0, 2, 4});
        ModalAnswerer answer(button);
        ClickOk(dlg);
        EXPECT_EQ(answer.texts, QStringList{StringTable::text(57612)});
        const bool yes = button == QMessageBox::Yes;
        for (const char* n : {"1.awp", "3.awp", "5.awp"})
            EXPECT_EQ(FileExists(dir.file(n)), !yes) << n;
        EXPECT_TRUE(FileExists(dir.file("2.awp")));
        EXPECT_TRUE(FileExists(dir.file("4.awp")));
        EXPECT_FALSE(dlg.isVisible()); // answered No, the dialog closes all the same
        EXPECT_EQ(dlg.result(), yes ? QDialog::Accepted : QDialog::Rejected);
    }
}
