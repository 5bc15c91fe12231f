// A fix in each front's words: the command line's text is what scripts read; the window names its own
// controls, offers to copy only what runs in a system shell, and speaks every language it ships.

#include "doctor/fixtext.h"
#include "hostpolicy/hostfacts.h"
#include "ui/fixview.h"

#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(Fix)

namespace {

Fix of(Fix::Kind kind, quint32 size = 0) {
    Fix f;
    f.kind = kind, f.camera = 0x0A140007, f.address = 0x0A0A0103, f.mask = 0xFFFFFF00;
    f.adapter = "my lab", f.datagramSize = size, f.waitMs = 10000;
    return f;
}

} // namespace

class FixViews : public QObject {
    Q_OBJECT
private slots:
    void fronts_data() {
        QTest::addColumn<Fix>("fix");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("copied"); // what the window offers to copy
        const Fix up =
            Fix::shell(ShellDialect::Posix, words("sudo ip link set dev") << value("my lab") << word("up"));
        Fix another = up, administrator = of(Fix::AsAdministrator);
        // A lead the check translates itself.
        another.lead = "or give the camera adapter a zone of its own that accepts them";
        administrator.command.dialect = ShellDialect::PowerShell, administrator.adapterRestarts = true;
        const struct {
            const char *name;
            Fix fix;
            const char *commandLine, *copied = "";
        } rows[] = {
            {"shell command", up, "sudo ip link set dev 'my lab' up", "sudo ip link set dev 'my lab' up"},
            {"command prompt", Fix::shell(ShellDialect::Netsh, words("netsh x name=") << value("a b")),
             "netsh x name=\"a b\"", "netsh x name=\"a b\""},
            {"another way", another,
             "(or give the camera adapter a zone of its own that accepts them: "
             "sudo ip link set dev 'my lab' up)",
             "sudo ip link set dev 'my lab' up"},
            {"route", of(Fix::CheckRoute), "ip route get 10.20.0.7   (must leave through my lab)",
             "ip route get 10.20.0.7"},
            {"move camera", of(Fix::MoveCamera),
             "varnix-scan --set-address 10.20.0.7 10.10.1.3 255.255.255.0 --adapter 'my lab'"},
            {"shared address", of(Fix::ReaddressCameras),
             "Give all but one of them a new address: connect one at a time and run "
             "varnix-scan --set-address CAMERA_IP NEW_IP MASK"},
            {"shared subnet", of(Fix::SeparateSubnets),
             "Give each camera adapter a subnet of its own and move its cameras into it (varnix-scan "
             "--set-address)"},
            {"another datagram size", of(Fix::ChooseDatagramSize),
             "or, if the cameras use another datagram size, pass it with --datagram-size"},
            {"a datagram size", of(Fix::ChooseDatagramSize, 8680),
             "or set the camera to 8680-byte datagrams, which fit the path, and check "
             "with --datagram-size 8680"},
            {"as administrator", administrator, "(in PowerShell run as administrator; the adapter restarts)"},
            {"listen longer", of(Fix::ListenLonger),
             "Check the cameras' power and cables, or listen longer (--wait 10000)"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.fix << QString(row.commandLine) << QString(row.copied);
    }
    void fronts() {
        QFETCH(Fix, fix);
        QFETCH(QString, commandLine);
        QFETCH(QString, copied);
        QCOMPARE(commandLineFix(fix), commandLine);
        const ShownFix shown = shownFix(fix);
        QCOMPARE(shown.command, copied);
        // The window names no option of the command line; what it says is its own, in every language.
        QVERIFY2(!shown.text.isEmpty() && !shown.text.contains("--"), qPrintable(shown.text));
        QVERIFY(!fix.datagramSize || shown.text.contains(QString::number(fix.datagramSize)));
        for (const char *language : {"de", "it", "ja"}) {
            if (!fix.lead.isEmpty()) break;
            QTranslator translator;
            QVERIFY(translator.load(QString("Varnix_%1").arg(language), VARNIX_QM_DIR));
            QCoreApplication::installTranslator(&translator);
            const QString translated = shownFix(fix).text;
            QCoreApplication::removeTranslator(&translator);
            QVERIFY2(translated != shown.text, qPrintable(QString("%1: %2").arg(language, translated)));
        }
    }

    void unreadableInTheWindowsLanguage() {
        const QList<UnreadableFact> facts{{"adapter settings", {"lab0", "Ethernet 2"}}, {"firewall", {}}};
        QCOMPARE(shownUnreadable(facts), QString("adapter settings of lab0, Ethernet 2; firewall"));
        QTranslator translator;
        QVERIFY(translator.load("Varnix_de", VARNIX_QM_DIR));
        QCoreApplication::installTranslator(&translator);
        const QString german = shownUnreadable(facts);
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(!german.contains("adapter settings") && !german.contains("firewall") &&
                     german.contains("lab0, Ethernet 2"),
                 qPrintable(german));
    }
};

QTEST_GUILESS_MAIN(FixViews)
#include "tst_fixview.moc"
