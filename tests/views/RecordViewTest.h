#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppState.h"
#include "COBLView.h"
#include "TempDir.h"
#include "ViewTestRecords.h"

// A shown main view of 1600 x 1000 and a record file written from one sample test.
class RecordViewTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string path = dir.file("r.awp");
    AppState state;
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
