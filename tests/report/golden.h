#pragma once

// Output compared byte for byte with a file kept in golden/ beside these tests; VARNIX_WRITE_GOLDEN=1
// writes the files anew from the running code. On a difference the log shows the first line that differs.
#include <QFile>
#include <QtTest>

inline void compareWithGolden(const QString &name, const QByteArray &got) {
    QFile file(QStringLiteral(GOLDEN_DIR "/") + name);
    if (qEnvironmentVariableIsSet("VARNIX_WRITE_GOLDEN")) {
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(got) == got.size());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray want = file.readAll();
    const QList<QByteArray> g = got.split('\n'), w = want.split('\n');
    for (int i = 0; i < qMin(g.size(), w.size()); ++i)
        QVERIFY2(g[i] == w[i], qPrintable(QStringLiteral("%1 line %2: %3 | want %4")
                                              .arg(name)
                                              .arg(i + 1)
                                              .arg(QString::fromUtf8(g[i]), QString::fromUtf8(w[i]))));
    QCOMPARE(got, want);
}
