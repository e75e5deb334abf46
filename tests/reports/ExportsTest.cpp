#include <gtest/gtest.h>

#include "PdfTextLayer.h"
#include "ReadingBuilders.h"
#include "ReadingsCsv.h"

TEST(ReadingsCsv, OneLinePerReadingFailedValuesEmptyAndCommentsQuoted) {
    // From 23:00 on 31 March; awake 07:00 to 22:00.
    auto test =
        MakeTest(1380, 420, 1320,
                 {Reading(120, 80, 70, 0), Reading(0, 0, 65, 30, 0), Reading(130, 85, 72, 540)});
    test->yearBegin = 2026;
    test->monthBegin = 3;
    test->dayBegin = 31;
    test->readings[0].comment = "\xB7\xFE\xD2\xA9"; // GBK text
    test->readings[1].errorCode = 3;
    test->readings[2].comment = "a, \"b\"";
    EXPECT_EQ(ReadingsCsv(*test),
              QByteArray("number,date,time,systolic,diastolic,heart rate,mean pressure,"
                         "pulse pressure,period,included,failed,error code,comment\r\n"
                         "1,2026-03-31,23:00,120,80,70,93,40,asleep,1,0,0,") +
                  QStringLiteral("服药").toUtf8() +
                  "\r\n2,2026-03-31,23:30,,,65,,,asleep,0,1,3,\r\n"
                  "3,2026-04-01,08:00,130,85,72,100,45,awake,1,0,0,\"a, \"\"b\"\"\"\r\n");
}

TEST(PdfTextLayer, RadicalCodesReadAsTheIdeographsDrawnWithTheirGlyph) {
    // The CJK face draws ⾎ (2F8E) as 血 (8840), ⻚ (2EDA) as 页 (9875), ⼼ (2F3C) as 心 (5FC3).
    // A range over several codes is left alone: its codes are consecutive.
    const QByteArray cmap = "2 beginbfrange\n<0001> <0003> [<2F8E> <538B> <2EDA>]\n"
                            "<0004> <0005> <2F8E>\nendbfrange\n"
                            "1 beginbfchar\n<0006> <2F3C>\nendbfchar\n";
    EXPECT_EQ(RestoreIdeographs(cmap),
              QByteArray("2 beginbfrange\n<0001> <0003> [<8840> <538B> <9875>]\n"
                         "<0004> <0005> <2F8E>\nendbfrange\n"
                         "1 beginbfchar\n<0006> <5FC3>\nendbfchar\n"));
}
