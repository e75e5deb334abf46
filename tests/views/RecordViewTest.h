#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppState.h"
#include "COBLView.h"
#include "TempDir.h"
#include "ViewTestRecords.h"

// A record file in a temporary folder, written from sample tests and opened.
class RecordFileTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string path = dir.file("r.awp");
    AppState state;

    void open(const std::vector<SampleTest>& tests, const std::string& patientKeys = "") {
        WriteFileBytes(path, RecordText(tests, patientKeys));
        ASSERT_TRUE(state.openRecord(path, BpThresholds{}));
    }
};

// A shown main view of 1600 x 1000 and a record file written from one sample test.
class RecordViewTest : public RecordFileTest {
  protected:
    std::unique_ptr<COBLView> view;

    void showView(const SampleTest& test) {
        WriteFileBytes(path, RecordText({test}));
        view = std::make_unique<COBLView>(state);
        view->resize(1600, 1000);
        view->show();
    }
    void open() {
        ASSERT_TRUE(state.openRecord(path, BpThresholds{}));
        view->recordChanged();
    }
};
