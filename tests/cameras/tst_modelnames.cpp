#include "cameras/modelnames.h"
#include "net/camrecord.h"

#include <QSet>
#include <QtTest>

class ModelNames : public QObject {
    Q_OBJECT
private slots:
    void modelName_data();
    void modelName();
    void unknownDlVariantNamesTheSeriesSafely();
    void fixedLabelsAreDistinctAndMiniWhereExpected();
    void firmwareText_data();
    void firmwareText();
    void serialText_data();
    void serialText();
    void family_data();
    void family();
};

namespace {
QString nameOf(quint32 code, quint32 variant, quint32 options = 0) {
    UdpCamInfo info;
    info.cameraType = code;
    info.sensorType = variant;
    info.options = options;
    return ::modelName(info);
}
} // namespace

void ModelNames::modelName_data() {
    QTest::addColumn<quint32>("code");
    QTest::addColumn<quint32>("variant");
    QTest::addColumn<quint32>("options");
    QTest::addColumn<QString>("name");
    QTest::newRow("10/2") << 10u << 2u << 0u << "Brisquet J4-S2";
    QTest::newRow("10/4") << 10u << 4u << 0u << "Brisquet J4-S4";
    QTest::newRow("10/0 uses the number") << 10u << 0u << 0u << "Brisquet J4";
    QTest::newRow("9/1") << 9u << 1u << 0u << "Brisquet J3-S1";
    QTest::newRow("9/3") << 9u << 3u << 0u << "Brisquet J3-HD";
    QTest::newRow("9/0 plain") << 9u << 0u << 0u << "Brisquet J3-plain";
    QTest::newRow("9/7 plain") << 9u << 7u << 0u << "Brisquet J3-plain";
    QTest::newRow("11/1") << 11u << 1u << 0u << "Brisquet J5-HD";
    QTest::newRow("11/2") << 11u << 2u << 0u << "Brisquet J5";
    QTest::newRow("22/3") << 22u << 3u << 0u << "Brisquet J7-S3";
    QTest::newRow("24/0") << 24u << 0u << 0u << "Brisquet J8";
    QTest::newRow("26") << 26u << 4u << 0u << "Brisquet J10";
    QTest::newRow("1..5 E series") << 5u << 0u << 0u << "Brisquet E2";
    QTest::newRow("6 T3") << 6u << 0u << 0u << "Lumethra T3";
    QTest::newRow("8 T5") << 8u << 0u << 0u << "Lumethra T5";
    QTest::newRow("12/4") << 12u << 4u << 0u << "Karvelo DR-Q4";
    QTest::newRow("13") << 13u << 0u << 0u << "Karvelo DL-Q6";
    QTest::newRow("14/1") << 14u << 1u << 0u << "Karvelo DL-Q7";
    QTest::newRow("14/0") << 14u << 0u << 0u << "Karvelo DL-Q8";
    QTest::newRow("15 ignores variant") << 15u << 9u << 0u << "Karvelo DL-Q4";
    QTest::newRow("17") << 17u << 0u << 0u << "Karvelo DL-Q5";
    QTest::newRow("19/0 WKJet") << 19u << 0u << 0x8u << "Karvelo WKJet4";
    QTest::newRow("WK wins over WKJet") << 19u << 0u << 0xAu << "Karvelo WK4";
    QTest::newRow("W without options") << 18u << 2u << 0u << "Karvelo W3-S2";
    QTest::newRow("20/3 HD") << 20u << 3u << 0x2u << "Karvelo WK5-HD";
    QTest::newRow("23/2") << 23u << 2u << 0u << "Karvelo W7-S2";
    QTest::newRow("25/4") << 25u << 4u << 0x8u << "Karvelo WKJet8-S4";
    QTest::newRow("25/0") << 25u << 0u << 0u << "Karvelo W8";
    QTest::newRow("28/2") << 28u << 2u << 0u << "Karvelo G4-S2";
    QTest::newRow("31/11") << 31u << 11u << 0u << "Karvelo G7-S11";
    QTest::newRow("30/0 is 4K") << 30u << 0u << 0u << "Karvelo G10-4K";
    QTest::newRow("30/5 is plain") << 30u << 5u << 0u << "Karvelo G10";
    QTest::newRow("29/0") << 29u << 0u << 0u << "Karvelo G5";
    QTest::newRow("29/2 is 4K") << 29u << 2u << 0u << "Karvelo G5-4K";
    QTest::newRow("LB before SKY and Gs") << 27u << 0u << 0x4A00u << "Karvelo LB-G9";
    QTest::newRow("SKY before Gs") << 40u << 1u << 0x4800u << "Karvelo SKY-ARC-S1";
    QTest::newRow("Gs") << 32u << 0u << 0x800u << "Karvelo Gs8";
    QTest::newRow("0") << 0u << 0u << 0u << "Unknown N/A";
    QTest::newRow("62") << 62u << 0u << 0u << "Unknown N/A";
    QTest::newRow("huge code") << 0xFFFFFFFFu << 0xFFFFFFFFu << 0xFFFFFFFFu << "Unknown N/A";
}

void ModelNames::modelName() {
    QFETCH(quint32, code);
    QFETCH(quint32, variant);
    QFETCH(quint32, options);
    QFETCH(QString, name);
    QCOMPARE(nameOf(code, variant, options), name);
}

void ModelNames::unknownDlVariantNamesTheSeriesSafely() {
    for (quint32 v : {6u, 9u, 255u, 0xFFFFFFFFu}) {
        const QString name = nameOf(12, v);
        QVERIFY2(name.startsWith(QLatin1String("Karvelo DL")), qPrintable(name));
        QVERIFY(name.size() < 20);
    }
    QCOMPARE(nameOf(12, 5), QStringLiteral("Karvelo DL-Q5"));
}

void ModelNames::fixedLabelsAreDistinctAndMiniWhereExpected() {
    QSet<QString> seen;
    QList<QPair<quint32, quint32>> models;
    for (quint32 code = 33; code <= 61; ++code) {
        if (code != 40) models.append({code, 0});
    }
    models.append({51, 10});
    const QSet<quint32> mini{37, 39, 41, 42, 44, 45, 59, 60, 61};
    for (const auto &m : models) {
        const QString name = nameOf(m.first, m.second);
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen.insert(name);
        QVERIFY2(!name.contains(QLatin1String("N/A")), qPrintable(name));
        if (mini.contains(m.first))
            QVERIFY2(name.startsWith(QLatin1String("Pellwyn Mini ")), qPrintable(name));
    }
    QVERIFY(nameOf(43, 0).startsWith(QLatin1Char(' ')));
    QVERIFY(!nameOf(43, 0).startsWith(QLatin1String("  ")));
    QVERIFY(nameOf(48, 0).startsWith(QLatin1String("Tavolin Mini ")));
    QVERIFY(nameOf(50, 0).startsWith(QLatin1String("Tavolin ")));
    QVERIFY(!nameOf(50, 0).startsWith(QLatin1String("Tavolin Mini")));
    QVERIFY(nameOf(55, 0).startsWith(QLatin1String("Dunmarch ")));
    QVERIFY(nameOf(56, 0).startsWith(QLatin1String("Pellwyn ")));
    QVERIFY(nameOf(51, 10) != nameOf(51, 3));
}

void ModelNames::firmwareText_data() {
    QTest::addColumn<quint32>("code");
    QTest::addColumn<quint32>("a");
    QTest::addColumn<quint32>("b");
    QTest::addColumn<QString>("text");
    QTest::newRow("Advanced 48 packed") << 48u << 0x00010203u << 0x00010203u << "0001.02.03";
    QTest::newRow("58 packed") << 58u << 0xABCD0E0Fu << 0u << "ABCD.0E.0F";
    QTest::newRow("5 two numbers") << 5u << 3u << 14u << "3.14";
    QTest::newRow("0 two numbers") << 0u << 1u << 2u << "1.2";
    QTest::newRow("20 three numbers") << 20u << 5u << 2u << "5.2.0";
    QTest::newRow("55 packed twice") << 55u << 0x00010203u << 0x00010203u << "66051.66051.0";
    QTest::newRow("12 hex") << 12u << 0x1A2Bu << 7u << "00001A2B";
    QTest::newRow("above 2^31 never negative") << 20u << 0x80000000u << 1u << "2147483648.1.0";
}

void ModelNames::firmwareText() {
    QFETCH(quint32, code);
    QFETCH(quint32, a);
    QFETCH(quint32, b);
    QFETCH(QString, text);
    UdpCamInfo info;
    info.cameraType = code;
    info.firmwareVersion = a;
    info.firmwareRevision = b;
    QCOMPARE(::firmwareText(info), text);
}

void ModelNames::serialText_data() {
    QTest::addColumn<quint32>("code");
    QTest::addColumn<quint32>("serial");
    QTest::addColumn<QString>("text");
    QTest::newRow("grouped") << 20u << 1234567890u << "12-3456-7890";
    QTest::newRow("small") << 20u << 7u << "00-0000-0007";
    QTest::newRow("largest") << 48u << 4294967295u << "42-9496-7295";
    QTest::newRow("DL series plain") << 12u << 7u << "7";
    QTest::newRow("DL series largest") << 17u << 4294967295u << "4294967295";
}

void ModelNames::serialText() {
    QFETCH(quint32, code);
    QFETCH(quint32, serial);
    QFETCH(QString, text);
    UdpCamInfo info;
    info.cameraType = code;
    info.serialNumber = serial;
    QCOMPARE(::serialText(info), text);
}

void ModelNames::family_data() {
    QTest::addColumn<quint32>("code");
    QTest::addColumn<int>("family");
    const QList<QPair<QList<quint32>, int>> table = {
        {{9, 10, 11, 21, 22, 24, 26}, 2},
        {{27, 28, 29, 30, 31, 32, 40}, 4},
        {{33, 34, 35, 36, 38}, 5},
        {{37, 39, 41, 42, 43, 44, 45, 59, 60, 61}, 6},
        {{48, 49, 50, 51, 52, 53, 54, 57, 58}, 7},
        {{55}, 8},
        {{56}, 9},
        {{12, 13, 14, 15, 16, 17}, 1},
        {{0, 1, 5, 8, 18, 19, 20, 23, 25, 46, 47, 62, 63, 64, 100}, 0},
    };
    for (const auto &row : table) {
        for (quint32 code : row.first)
            QTest::addRow("code %u", code) << code << row.second;
    }
}

void ModelNames::family() {
    QFETCH(quint32, code);
    QFETCH(int, family);
    QCOMPARE(cameraFamily(code), family);
}

QTEST_APPLESS_MAIN(ModelNames)
#include "tst_modelnames.moc"
