#pragma once

#include <QRect>
#include <span>
#include <string_view>

#include "ReportPages.h"

class QPainter;
struct ReportContext;

// The page kinds with the word that chooses them in "abpm-cli report --pages" and the routine
// that draws them. A page is added by writing its routine and naming it in this table.
struct PageKindEntry {
    const char* word; // nullptr for pages chosen otherwise (the SpO2 report type)
    int firstKind;
    int lastKind;
    PageRoutine draw; // nullptr while the page is not built
};

std::span<const PageKindEntry> PageKindTable();
const PageKindEntry* PageKindOfWord(std::string_view word);
const PageKindEntry* PageKindEntryOf(int kind);
bool IsPageBuilt(int kind);

// Draws page kind `kind` on the page; a kind without a routine leaves the page empty.
void DrawReportPage(QPainter& painter, const QRect& page, const ReportContext& context, int kind);
