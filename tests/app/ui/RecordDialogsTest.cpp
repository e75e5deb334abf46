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

TEST(RecordDialogs, ColumnsComeFromMessage57623) {
    const auto columns = CRecordFileDialog::ParseColumns(StringTable::text(57623));
    ASSERT_EQ(columns.size(), 4);
    EXPECT_EQ(columns[0].second, 121);
    EXPECT_EQ(columns[1].first, QStringLiteral("病人 ID"));
    EXPECT_EQ(columns[3].first, QStringLiteral(" 文件名")); // the leading blank stays
    EXPECT_EQ(columns[3].second, 125);
}

TEST(RecordDialogs, OpenWithoutARowAsksForAFile) {
    TempDir dir; // no records
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Open, Q(dir.path()));
    EXPECT_EQ(dlg.fileList()->topLevelItemCount(), 0);
    ModalAnswerer answer(QMessageBox::Ok);
    dlg.show();
    ClickOk(dlg);
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_EQ(answer.texts[0], StringTable::text(57617));
    EXPECT_TRUE(dlg.isVisible()); // the dialog stays
}

TEST(RecordDialogs, FileWithoutPatientDataShowsTheMissingTexts) {
    TempDir dir;
    WriteFileBytes(dir.file("x.awp"), "[TEST 1]\r\nCount=0\r\n");
    CRecordFileDialog open(CRecordFileDialog::Mode::Open, Q(dir.path()));
    ASSERT_EQ(open.fileList()->topLevelItemCount(), 1);
    QTreeWidgetItem* row = open.fileList()->topLevelItem(0);
    EXPECT_EQ(row->text(0), QStringLiteral("no string"));
    EXPECT_EQ(row->text(1), QStringLiteral("no string"));
    EXPECT_EQ(row->text(2), QStringLiteral("no String"));
    EXPECT_EQ(row->text(3), QStringLiteral("x.awp"));
    CRecordFileDialog del(CRecordFileDialog::Mode::Delete, Q(dir.path()));
    EXPECT_EQ(del.fileList()->topLevelItem(0)->text(0), QStringLiteral("Null"));
}

TEST(RecordDialogs, CopyOntoAnExistingNameReplacesIt) {
    TempDir dir;
    WriteFileBytes(dir.file("a.awp"), "[PATIENT DATA]\r\nName=new\r\n");
    WriteFileBytes(dir.file("b.awp"), "[PATIENT DATA]\r\nName=b\r\n");
    TempDir target;
    WriteFileBytes(target.file("a.awp"), "[PATIENT DATA]\r\nName=old\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    // Cancelling the target folder copies nothing and keeps the dialog.
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Copy, Q(dir.path()));
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

TEST(RecordDialogs, DeletingThreeSelectedFilesLeavesTheOthers) {
    TempDir dir;
    for (const char* n : {"1.awp", "2.awp", "3.awp", "4.awp", "5.awp"})
        WriteFileBytes(dir.file(n), "");
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Delete, Q(dir.path()));
    Select(dlg.fileList(), {0, 2, 4});
    ModalAnswerer answer(QMessageBox::Yes);
    ClickOk(dlg);
    ASSERT_EQ(answer.texts.size(), 1);
    EXPECT_EQ(answer.texts[0], StringTable::text(57612));
    EXPECT_FALSE(FileExists(dir.file("1.awp")));
    EXPECT_TRUE(FileExists(dir.file("2.awp")));
    EXPECT_FALSE(FileExists(dir.file("3.awp")));
    EXPECT_TRUE(FileExists(dir.file("4.awp")));
    EXPECT_FALSE(FileExists(dir.file("5.awp")));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST(RecordDialogs, AnsweringNoDeletesNothingAndCloses) {
    TempDir dir;
    WriteFileBytes(dir.file("1.awp"), "");
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Delete, Q(dir.path()));
    dlg.show();
    Select(dlg.fileList(), {0});
    ModalAnswerer answer(QMessageBox::No);
    ClickOk(dlg);
    EXPECT_TRUE(FileExists(dir.file("1.awp")));
    EXPECT_FALSE(dlg.isVisible());
}
