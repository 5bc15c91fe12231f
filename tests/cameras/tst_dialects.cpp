// Each shell's quoting against awkward words: what the user pastes must reach the command unchanged.

#include "cameras/dialects.h"

#include <QtTest>

class Dialects : public QObject {
    Q_OBJECT
private slots:
    void posix_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("bare");
        QTest::newRow("plain") << "eth0.7" << true;
        QTest::newRow("leading dash") << "-x" << true;
        QTest::newRow("space") << "my adapter" << false;
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

    void powerShell_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("want");
        QTest::newRow("plain, spaces") << "Ethernet 2"
                                       << "\"Ethernet 2\"";
        QTest::newRow("leading dash") << "-Name"
                                      << "\"-Name\"";
        QTest::newRow("dollar, single quote") << "Cam's $1"
                                              << "'Cam''s $1'";
        QTest::newRow("double quote") << "a\"b"
                                      << "'a\"b'";
        QTest::newRow("backtick") << "a`b"
                                  << "'a`b'";
        QTest::newRow("typographic quotes") << QString::fromUtf8("Bob\u2019s \u201Cnet\u201D")
                                            << QString::fromUtf8("'Bob\u2019\u2019s \u201Cnet\u201D'");
        QTest::newRow("non-ASCII") << QString::fromUtf8("Kamera ü") << QString::fromUtf8("\"Kamera ü\"");
    }
    void powerShell() {
        QFETCH(QString, word);
        QFETCH(QString, want);
        QCOMPARE(powerShellQuoted(word), want);
    }

    void netsh_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("quotable");
        QTest::newRow("plain") << "Varnix" << true;
        QTest::newRow("path with spaces") << "C:\\Program Files\\V\\varnix.exe" << true;
        QTest::newRow("leading dash, non-ASCII") << QString::fromUtf8("-Kamera ü") << true;
        QTest::newRow("double quote") << "a\"b" << false;
        QTest::newRow("percent") << "50%USERNAME%" << false;
    }
    // A value follows its key without a space, in double quotes.
    void netsh() {
        QFETCH(QString, word);
        QFETCH(bool, quotable);
        QCOMPARE(netshCanQuote(word), quotable);
        if (!quotable) return;
        ShellCommand c{Dialect::Netsh,
                       {words("netsh advfirewall firewall set rule name=")
                        << value(word) << words("dir=in new enable=no")}};
        QCOMPARE(commandText(c),
                 "netsh advfirewall firewall set rule name=\"" + word + "\" dir=in new enable=no");
    }

    void sysctl_data() {
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("want");
        QTest::newRow("plain") << "eth0"
                               << "sudo sysctl -w net.ipv4.conf.eth0.rp_filter=2";
        QTest::newRow("VLAN") << "eth0.7"
                              << "sudo sysctl -w net.ipv4.conf.eth0/7.rp_filter=2";
        QTest::newRow("quote") << "lab'0.7"
                               << "sudo sysctl -w 'net.ipv4.conf.lab'\\''0/7.rp_filter=2'";
        QTest::newRow("non-ASCII") << QString::fromUtf8("kamera\u00fc")
                                   << QString::fromUtf8(
                                          "sudo sysctl -w 'net.ipv4.conf.kamera\u00fc.rp_filter=2'");
    }
    void sysctl() {
        QFETCH(QString, interface);
        QFETCH(QString, want);
        const ShellCommand c{
            Dialect::Posix,
            {words("sudo sysctl -w") << value(sysctlInterfaceKey(interface, "rp_filter") + "=2")}};
        QCOMPARE(commandText(c), want);
    }
};

QTEST_GUILESS_MAIN(Dialects)
#include "tst_dialects.moc"
