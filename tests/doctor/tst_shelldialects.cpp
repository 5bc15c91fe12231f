// Each shell's quoting against awkward words: what the user pastes must reach the command unchanged.

#include "doctor/shelldialects.h"

#include <QtTest>

class ShellDialects : public QObject {
    Q_OBJECT
private slots:
    void posix_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("bare");
        QTest::newRow("plain") << "eth0.7" << true;
        QTest::newRow("single quotes") << "lab'0'" << false;
        QTest::newRow("double quote, dollar, backtick") << "a\"$HOME`id`" << false;
        QTest::newRow("non-ASCII") << QString::fromUtf8("Kamera-Netz ü") << false;
        QTest::newRow("newline and glob") << "a\n*" << false;
        QTest::newRow("empty") << "" << false;
    }
    // Quoted, the word comes back from a real shell byte for byte.
    void posix() {
        QFETCH(QString, word);
        QFETCH(bool, bare);
        const QString quoted = posixQuoted(word);
        QCOMPARE(quoted == word, bare);
        QProcess sh;
        sh.start("sh", {"-c", "printf '%s' " + quoted});
        QVERIFY(sh.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), word);
    }

    // PowerShell expands '$', '`' and its double quotes within double quotes; netsh quotes a value only in
    // double quotes and expands '%' within them.
    void windows_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("powerShell");
        QTest::addColumn<bool>("netsh");
        const struct {
            const char *name, *word, *powerShell;
            bool netsh;
        } rows[] = {
            {"plain, spaces", "Ethernet 2", "\"Ethernet 2\"", true},
            {"dollar, single quote", "Cam's $1", "'Cam''s $1'", true},
            {"double quote", "a\"b", "'a\"b'", false},
            {"backtick", "a`b", "'a`b'", true},
            {"typographic quotes", "Bob\u2019s \u201Cnet\u201D", "'Bob\u2019\u2019s \u201Cnet\u201D'", true},
            {"the ends of the quote ranges", "\u2017\u2018\u201B\u201C",
             "'\u2017\u2018\u2018\u201B\u201B\u201C'", true},
            {"past the double quotes", "\u201E\u201F", "'\u201E\u201F'", true},
            {"past the quotes", "\u201F\u2017", "\"\u201F\u2017\"", true},
            {"non-ASCII", "Kamera \u00fc", "\"Kamera \u00fc\"", true},
            {"percent", "50%USERNAME%", "\"50%USERNAME%\"", false},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromUtf8(row.word) << QString::fromUtf8(row.powerShell)
                                    << row.netsh;
    }
    void windows() {
        QFETCH(QString, word);
        QFETCH(QString, powerShell);
        QFETCH(bool, netsh);
        QCOMPARE(powerShellQuoted(word), powerShell);
        QCOMPARE(netshCanQuote(word), netsh);
    }
};

QTEST_GUILESS_MAIN(ShellDialects)
#include "tst_shelldialects.moc"
