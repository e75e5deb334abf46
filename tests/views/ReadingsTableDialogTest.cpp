#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "ReadingsTableDialog.h"
#include "RecordViewTest.h"

namespace {

// From 8:00: 120/80 commented "old"; failed (systolic 0, error code 9) at 8:05 and 8:25; an
// excluded 90/90 at 8:15 whose comment is not valid GBK (a lead byte without its second byte);
// at 8:20 a comment of 40 characters, more than the editor takes (25).
class ReadingsTable : public RecordFileTest {
  protected:
    std::unique_ptr<ReadingsTableDialog> dialog;

    void SetUp() override {
        SampleTest t;
        t.readings = {{120, 80, 70, 93, 0, 0, false, false, "old"},
                      {0, 80, 70, 93, 5, 9, false, false, ""},
                      {90, 90, 70, 93, 15, 0, true, false, "\x81\x20z"},
                      {120, 80, 70, 93, 20, 0, false, false, std::string(40, 'c')},
                      {0, 80, 70, 93, 25, 9, false, false, ""}};
        open({t});
        dialog = std::make_unique<ReadingsTableDialog>(state.record);
        dialog->show();
    }

    QTableWidget* table() const { return dialog->table(); }
    QString cell(int row, int column) const { return table()->item(row, column)->text(); }
    void clickCell(int row, int column) {
        QTableWidgetItem* item = table()->item(row, column);
        table()->scrollToItem(item);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->visualItemRect(item).center());
    }
    // Types text after what the editor holds, or in its place when replace is set.
    void typeComment(int row, const QString& text, Qt::Key end, bool replace = true) {
        clickCell(row, 9);
        auto* editor =
            qobject_cast<QLineEdit*>(table()->indexWidget(table()->model()->index(row, 9)));
        ASSERT_NE(editor, nullptr);
        replace ? editor->selectAll() : editor->end(false);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, end);
        QCoreApplication::processEvents();
    }
    std::string stored(const char* key) const { return StoredValue(path, "TEST 1", key); }
};

} // namespace

// The cells' texts are ReadingCells' own; here only that each column shows its own. Cancel
// writes nothing.
TEST_F(ReadingsTable, CellsTitlesClicksInColumnZeroToggleTheExclusionAndCancelWritesNothing) {
    const std::string before = ReadFileBytes(path);
    EXPECT_EQ(cell(1, 9), QStringLiteral("弱信号"));
    EXPECT_EQ(cell(2, 0), QStringLiteral("*"));
    EXPECT_EQ(table()->horizontalHeaderItem(1)->text(), QStringLiteral(" 编号"));
    EXPECT_EQ(table()->columnWidth(9), 230);
    EXPECT_EQ(dialog->summaryTitle(), QStringLiteral("*=1/5(20.0%)"));
    clickCell(0, 0);
    EXPECT_EQ(cell(0, 0), QStringLiteral("*"));
    EXPECT_EQ(dialog->summaryTitle(), QStringLiteral("*=2/5(40.0%)"));
    clickCell(0, 0);
    EXPECT_EQ(cell(0, 0), QString());
    clickCell(1, 0);
    typeComment(0, QStringLiteral("new"), Qt::Key_Return);
    dialog->reject();
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(state.record.test.readings[0].comment, "old");
    EXPECT_EQ(state.record.test.readings[1].included, 1);
}

// Enter keeps a typed comment, Escape the old one; both end the editor, never the dialog.
// Comments left as they were go back byte for byte, however long or odd; an error text shown
// is no comment, but one typed over it is. A file that cannot be written is named.
TEST_F(ReadingsTable, OkWritesCommentsAndExclusionMarksAndAFailedWriteIsNamed) {
    typeComment(0, QStringLiteral("new1"), Qt::Key_Escape);
    EXPECT_EQ(cell(0, 9), QStringLiteral("old"));
    typeComment(0, QStringLiteral("new1"), Qt::Key_Return);
    EXPECT_EQ(cell(0, 9), QStringLiteral("new1"));
    EXPECT_TRUE(dialog->isVisible());
    typeComment(1, QString(30, QLatin1Char('x')), Qt::Key_Return); // the editor takes 25
    typeComment(3, QStringLiteral("x"), Qt::Key_Return, false);    // whole, but no longer
    EXPECT_EQ(cell(3, 9).size(), 40);
    clickCell(0, 0); // exclude reading 1
    clickCell(2, 0); // include reading 3
    QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    EXPECT_EQ(stored("C1"), "new1");
    EXPECT_EQ(stored("C2"), std::string(25, 'x'));
    EXPECT_EQ(stored("C3"), "\x81\x20z");
    EXPECT_EQ(stored("C4"), std::string(40, 'c'));
    EXPECT_EQ(stored("C5"), "");
    EXPECT_EQ(stored("1").at(22), '1'); // the exclusion marks
    EXPECT_EQ(stored("3").at(22), '0');
    const auto& readings = state.record.test.readings;
    EXPECT_EQ(readings[0].included, 0);
    EXPECT_EQ(readings[0].comment, "new1");
    EXPECT_EQ(readings[2].included, 1);
    EXPECT_EQ(readings[2].comment, "\x81\x20z");
    dialog = std::make_unique<ReadingsTableDialog>(state.record);
    dialog->show();
    clickCell(1, 0);
    std::filesystem::remove(path);
    MessageBoxCatcher boxes;
    dialog->accept();
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_TRUE(boxes.texts()[0].contains(QString::fromStdString(path)));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(state.record.test.readings[1].included, 1);
    EXPECT_FALSE(FileExists(path)); // the store did not create an empty record in its place
}
