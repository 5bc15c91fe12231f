#pragma once

// Small helpers shared by the protocol tests.
#include <QByteArray>
#include <QStringList>
#include <QUdpSocket>
#include <QtTest>

// Bytes from hex text; blanks between the digits are skipped.
const auto bytes = [](const char *text) { return QByteArray::fromHex(text); };

// The next datagram on `s` (waits up to 3 s; empty when none came) and the port it came from.
inline QByteArray next(QUdpSocket &s, quint16 *fromPort = nullptr) {
    for (int i = 0; i < 30 && !s.hasPendingDatagrams(); ++i)
        s.waitForReadyRead(100);
    QByteArray d(int(qMax<qint64>(s.pendingDatagramSize(), 0)), '\0');
    s.readDatagram(d.data(), d.size(), nullptr, fromPort);
    return d;
}

// Each blank-separated row "inputs=outputs" must read the same once `compute` has turned its inputs (split
// at '/'; a field that is no number stands for its first character) into outputs; a failure shows every
// row that reads otherwise.
template <typename T = quint32, typename Compute> void table(const QString &rows, Compute compute) {
    QStringList wrong;
    for (const QString &row : rows.split(' ', Qt::SkipEmptyParts)) {
        QList<T> values;
        for (const QString &f : row.section('=', 0, 0).split('/'))
            values << T(f[0].isDigit() ? f.toULongLong() : f[0].unicode());
        compute(values);
        QStringList out;
        for (T v : values)
            out << QString::number(v);
        if (row.section('=', 0, 0) + '=' + out.join('/') != row) wrong << row + " gives " + out.join('/');
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
}
