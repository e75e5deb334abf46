#include <QTreeWidget>

#include "CRecordFileDialog.h"
#include "ShellFixtures.h"

namespace {

void ClickOk(QDialog& dlg) {
    ClickButton(&dlg, CRecordFileDialog::tr("确认(&O)"));
}

void Select(QTreeWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int r : rows)
        list->topLevelItem(r)->setSelected(true);
}

} // namespace

TEST(RecordDialogs, CopyOntoAnExistingNameReplacesIt) {
    TempDir dir;
    WriteFileBytes(dir.file("a.awp"), "[PATIENT DATA]\r\nName=new\r\n");
    WriteFileBytes(dir.file("b.awp"), "[PATIENT DATA]\r\nName=b\r\n");
    TempDir target;
    WriteFileBytes(target.file("a.awp"), "[PATIENT DATA]\r\nName=old\r\n");
    ModalAnswerer answer(QMessageBox::Ok);
    CRecordFileDialog dlg(CRecordFileDialog::Mode::Copy, Q(dir.path()));
    EXPECT_EQ(dlg.fileList()->topLevelItem(0)->text(3), QStringLiteral("a.awp"));
    dlg.show();
    Select(dlg.fileList(), {}); // OK without a row asks for one
    ClickOk(dlg);
    EXPECT_EQ(answer.texts, QStringList{StringTable::text(57617)});
    // Cancelling the target folder copies nothing and keeps the dialog.
    dlg.setTargetChooser([] { return std::optional<QString>(); });
    Select(dlg.fileList(), {0});
    ClickOk(dlg);
    EXPECT_EQ(ReadFileBytes(target.file("a.awp")), "[PATIENT DATA]\r\nName=old\r\n");
    EXPECT_TRUE(dlg.isVisible());

    dlg.setTargetChooser([&] { return std::optional<QString>(Q(target.path())); });
    ClickOk(dlg);
    EXPECT_EQ(ReadFileBytes(target.file("a.awp")), "[PATIENT DATA]\r\nName=new\r\n");
    EXPECT_FALSE(FileExists(target.file("b.awp")));
    EXPECT_EQ(answer.texts.size(), 1); // no failure to report
}

TEST(RecordDialogs, DeleteAsksAndRemovesOnlyTheSelectedFilesOnYes) {
    for (const auto button : {QMessageBox::Yes, QMessageBox::No}) {
        SCOPED_TRACE(button);
        TempDir dir;
        for (int n = 1; n <= 5; ++n)
            WriteFileBytes(dir.file(std::to_string(n) + ".awp"), "");
        CRecordFileDialog dlg(CRecordFileDialog::Mode::Delete, Q(dir.path()));
        dlg.show();
        Select(dlg.fileList(), {0, 2, 4});
        ModalAnswerer answer(button);
        ClickOk(dlg);
        EXPECT_EQ(answer.texts, QStringList{StringTable::text(57612)});
        const bool yes = button == QMessageBox::Yes;
        for (int n = 1; n <= 5; ++n) // rows 0, 2 and 4
            EXPECT_EQ(FileExists(dir.file(std::to_string(n) + ".awp")), !(yes && n % 2)) << n;
        EXPECT_FALSE(dlg.isVisible()); // answered No, the dialog closes all the same
        EXPECT_EQ(dlg.result(), yes ? QDialog::Accepted : QDialog::Rejected);
    }
}
