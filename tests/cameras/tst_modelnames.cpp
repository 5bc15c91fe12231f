#include "cameras/modelnames.h"
#include "net/camrecord.h"

#include <QSet>
#include <QtTest>

namespace {
// Record fields in order: protocol, model, variant, options, serial, firmware version, revision.
UdpCamInfo info(quint32 code, quint32 a, quint32 b = 0) {
    return {0, code, a, b, a, a, b};
}

// Model names of code/variant/options. WK wins over WKJet; LB before SKY before Gs; code 43 has no family,
// so its name starts with one blank; an unknown variant still names the series.
const char *const names =
    "10/2/0=Brisquet J4-S2|10/0/0=Brisquet J4|9/3/0=Brisquet J3-HD|9/7/0=Brisquet J3-plain|"
    "9/1/0=Brisquet J3-S1|9/2/0=Brisquet J3-S2|11/0/0=Brisquet J5|21/0/0=Brisquet J6|22/0/0=Brisquet J7|"
    "24/0/0=Brisquet J8|24/1/0=Brisquet J8-S1|1/0/0=Brisquet E1|2/0/0=Brisquet E4|3/0/0=Brisquet E3|"
    "8/0/0=Lumethra T5|12/1/0=Karvelo DL-Q2|13/0/0=Karvelo DL-Q6|17/0/0=Karvelo DL-Q5|"
    "19/0/0x1=Karvelo W4|20/0/0=Karvelo W5|23/0/0=Karvelo W7|25/0/0=Karvelo W8|29/0/0=Karvelo G5|"
    "29/1/0=Karvelo G5-4K|31/0/0x1=Karvelo G7|40/0/0=Karvelo G3|51/0/0=Tavolin Mini M-310|"
    "0/0/0=Unknown N/A|11/1/0=Brisquet J5-HD|26/4/0=Brisquet J10|5/0/0=Brisquet E2|6/0/0=Lumethra T3|"
    "4/0/0=Brisquet E5|4/2/0=Brisquet E5|12/4/0=Karvelo DR-Q4|14/1/0=Karvelo DL-Q7|14/0/0=Karvelo DL-Q8|"
    "15/9/0=Karvelo DL-Q4|19/0/0x8=Karvelo WKJet4|19/0/0xA=Karvelo WK4|18/2/0=Karvelo W3-S2|"
    "20/3/0x2=Karvelo WK5-HD|25/4/0x8=Karvelo WKJet8-S4|28/2/0=Karvelo G4-S2|30/0/0=Karvelo G10-4K|"
    "30/5/0=Karvelo G10|27/0/0x4A00=Karvelo LB-G9|40/1/0x4800=Karvelo SKY-ARC-S1|32/0/0x800=Karvelo Gs8|"
    "43/0/0= PX-230|50/0/0=Tavolin T-500|51/10/0=Tavolin Mini M-300|55/0/0=Dunmarch D-1|"
    "56/0/0=Pellwyn PB-1|62/0/0=Unknown N/A|4294967295/4294967295/4294967295=Unknown N/A|"
    "12/6/0=Karvelo DL-Q?|12/4294967295/0=Karvelo DL-Q?";
} // namespace

class ModelNames : public QObject {
    Q_OBJECT
private slots:
    void texts() {
        QStringList wrong; // every row that reads otherwise
        for (const QString &row : QString(names).split('|')) {
            const QStringList n = row.section('=', 0, 0).split('/');
            const QString name = modelName(info(n[0].toUInt(), n[1].toUInt(), n[2].toUInt(nullptr, 0)));
            if (row.section('=', 0, 0) + '=' + name != row) wrong << row + " reads " + name;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
        // The fixed labels are distinct, each under its maker (one letter per code from 33 on:
        // Pellwyn, Karvelo, Tavolin, Tavolin Mini, Dunmarch, none); the Mini ones are family 6 but 43.
        const QHash<QChar, QString> makers{{'P', "Pellwyn "},      {'K', "Karvelo G"}, {'T', "Tavolin T-"},
                                           {'M', "Tavolin Mini "}, {'D', "Dunmarch "}, {'-', " "}};
        const QString makerOf = "PPPPPPPKPP-PPTTMMTMMMTDPTMPPP";
        QSet<QString> fixed;
        for (quint32 code = 33; code <= 61; ++code) {
            const QString name = modelName(info(code, 0));
            QVERIFY2(!name.contains(QLatin1String("N/A")) && !fixed.contains(name), qPrintable(name));
            QVERIFY2(name.startsWith(makers[makerOf[int(code) - 33]]), qPrintable(name));
            QCOMPARE(name.startsWith(QLatin1String("Pellwyn Mini ")), cameraFamily(code) == 6 && code != 43);
            fixed.insert(name);
        }
        // Never negative; every byte and group in its place.
        QCOMPARE(QStringList({firmwareText(info(58, 0xABCD1F0F, 0)), firmwareText(info(20, 0x80000000, 2)),
                              serialText(info(48, 4200000000)), serialText(info(48, 4199999999)),
                              serialText(info(17, 4294967295))}),
                 QStringList({"ABCD.1F.0F", "2147483648.2.0", "42-0000-0000", "41-9999-9999", "4294967295"}));
    }

    void family() {
        // code:picture family at the edges of each family's ranges (unknown codes have none), and for some
        // the firmware of (0x00010203, 7) as hex (H), dotted hex (T), two (S) or three numbers (L), and
        // serial 100020003 plain (P) or grouped (G).
        const QHash<QChar, QString> texts{{'H', "00010203"},  {'T', "0001.02.03"}, {'S', "66051.7"},
                                          {'L', "66051.7.0"}, {'P', "100020003"},  {'G', "01-0002-0003"}};
        for (const QString &row :
             QString(
                 "0:0SG 8:0SG 9:2LG 11:2LG 12:1HP 17:1HP 18:0LG 20:0LG 21:2 25:0 26:2 27:4 32:4 33:5 36:5 "
                 "37:6 47:0 38:5 39:6 40:4 45:6LG 46:0TG 48:7 54:7TG 55:8LG 56:9LG 57:7TG 58:7TG 59:6 "
                 "61:6 62:0 4294967295:0")
                 .split(' ')) {
            const quint32 code = row.section(':', 0, 0).toUInt();
            QString got = QString::number(cameraFamily(code));
            if (row.section(':', 1).size() > 1)
                got += QString(texts.key(firmwareText(info(code, 0x00010203, 7)))) +
                       texts.key(serialText(UdpCamInfo{0, code, 0, 0, 100020003, 0, 0}));
            QVERIFY2(row.section(':', 1) == got, qPrintable(row + " reads " + got));
        }
        QCOMPARE(cameraFamily(static_cast<const UdpInterface *>(nullptr)), 0);
    }
};

QTEST_APPLESS_MAIN(ModelNames)
#include "tst_modelnames.moc"
