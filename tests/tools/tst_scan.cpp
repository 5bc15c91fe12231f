// varnix-scan without a network: refused arguments.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

// As root on Linux the scanner runs in a network namespace of its own, with no link to send on.
static void startScanner(QProcess &scan, const QStringList &arguments) {
#ifdef Q_OS_LINUX
    if (geteuid() == 0) {
        scan.start("unshare", QStringList{"--net", VARNIX_SCAN_PATH} + arguments);
        return;
    }
#endif
    scan.start(VARNIX_SCAN_PATH, arguments);
}

class ScanTool : public QObject {
    Q_OBJECT
private slots:
    void badArgumentsExitWith2_data() {
        // Rows split at ';'; arguments split at '|', then after '>' the part of the message that names the
        // refusal. None of these reaches a socket.
        QTest::addColumn<QString>("row");
        const QString rows =
            "--frobnicate>unknown argument;--wait>needs a value;--wait|-1>--wait;"
            "--datagram-size|1501>--datagram-size;--wait|5|--wait|6>--wait is given more than once;"
            "--csv|--json>--csv goes with a scan only;--adapter|>--adapter;"
            "--adapter|no-such-adapter-42|--wait|0>unknown adapter;"
            "--set-address|10.0.0.5|10.0.0.6>--set-address;"
            "--set-address|10.0.0.5|0.0.0.0|255.255.255.0>0.0.0.0;"
            "--set-address|10.0.0.5|10.0.0.6|0.0.0.0>0.0.0.0;--list-adapters|--wait|5>--list-adapters;"
            "--list-adapters|--set-address|1.2.3.4|1.2.3.5|255.0.0.0>cannot be combined;"
            "--doctor|--watch>cannot be combined;"
            "--doctor|--rescan|1000>--watch only;--duration|1000>--watch only;"
            "--metrics-file|m.prom>--watch only;--watch|--metrics-file=>needs a path;"
            "--wait-for-adapter>--watch only;--watch|--duration|100>unknown adapter;"
            "--doctor|--adapter|no-such-adapter-42>unknown adapter;"
            "--set-address|1.2.3.4|1.2.3.5|255.0.0.0|--datagram-size|1448>--datagram-size;"
            // The new address is judged as the window's dialog judges it, and each of the three addresses
            // is read strictly: a slip of the hand is refused, never read as some other address.
            "--set-address|10.77.1.21|10.77.1.50|255.0.255.0>ones followed by zeros;"
            "--set-address|10.99.1.13:80|10.99.1.50|255.255.255.0>camera address \"10.99.1.13:80\";"
            "--set-address|10.99.1.13|10.99.1.50.7|255.255.255.0>new address \"10.99.1.50.7\" is not;"
            "--set-address|10.99.1.13|10.99.1.50|255.255.255.0x>mask \"255.255.255.0x\" is not";
        for (const QString &row : rows.split(';'))
            QTest::newRow(qPrintable(row)) << row;
    }
    void badArgumentsExitWith2() {
        QFETCH(QString, row);
        QTemporaryDir config;
        QProcess scan;
        scan.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + config.path());
        QStringList arguments = row.section('>', 0, 0).split('|');
        // Should a row be taken, an unknown adapter still stops it before any socket opens.
        if (!arguments.contains("--adapter"))
            arguments = QStringList{"--adapter", "no-such-adapter-42"} + arguments;
        startScanner(scan, arguments);
        QVERIFY(scan.waitForFinished(10000));
        const QString err = scan.readAllStandardError();
        QVERIFY2(scan.exitStatus() == QProcess::NormalExit && scan.exitCode() == 2, qPrintable(row));
        QVERIFY2(scan.readAllStandardOutput().isEmpty() && err.contains(row.section('>', 1)),
                 qPrintable(err));
        QVERIFY(QDir(config.path()).isEmpty()); // the settings are never written
    }
};

QTEST_GUILESS_MAIN(ScanTool)
#include "tst_scan.moc"
