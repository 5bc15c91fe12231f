#pragma once

// Qt Test data rows 0 .. n-1 in the column "index", for a test function that reads a table by index: every
// failing row is reported, not only the first.
#include <QTest>

inline void indexRows(size_t n) {
    QTest::addColumn<int>("index");
    for (int r = 0; r < int(n); ++r)
        QTest::addRow("%d", r) << r;
}
