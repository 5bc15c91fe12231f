// varnix-scan without a network: refused arguments and the plain clip summary.

#include "scanreport.h"

#include "net/camrecord.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ScanTool : public QObject {
    Q_OBJECT
private slots:
    void badArgumentsExitWith2() {
        // Arguments split at '|'; the message part the refusal names. None of these reaches a socket.
        const QPair<const char *, const char *> rows[] = {
            {"--frobnicate", "unknown argument"},
            {"--wait", "needs a value"},
            {"--wait|-1", "--wait"},
            {"--datagram-size|1500", "--datagram-size"},
            {"--adapter|", "--adapter"},
            {"--adapter|no-such-adapter-42|--wait|0", "unknown adapter"},
            {"--set-address|10.0.0.5|10.0.0.6", "--set-address"},
            {"--set-address|10.0.0|10.0.0.6|255.255.255.0", "10.0.0"},
            {"--set-address|10.0.0.5|0.0.0.0|255.255.255.0", "0.0.0.0"},
            {"--set-address|10.0.0.5|10.0.0.6|0.0.0.0", "0.0.0.0"},
            {"--list-adapters|--wait|5", "--list-adapters"},
            {"--list-adapters|--set-address|1.2.3.4|1.2.3.5|255.0.0.0", "cannot be combined"},
            {"--doctor|--watch", "cannot be combined"},
            {"--doctor|--list-adapters", "cannot be combined"},
            {"--doctor|--rescan|1000", "--watch only"},
            {"--duration|1000", "--watch only"},
            {"--watch|--wait|1000", "--watch does not take --wait"},
            {"--watch|--rescan|0", "--rescan takes milliseconds"},
            {"--watch|--duration=-5", "--duration takes milliseconds"},
            {"--watch|--rescan", "needs a value"},
            {"--doctor|--adapter|no-such-adapter-42", "unknown adapter"},
            {"--set-address|1.2.3.4|1.2.3.5|255.0.0.0|--datagram-size|1448", "--datagram-size"}};
        for (const auto &row : rows) {
            QTemporaryDir config;
            QProcess scan;
            scan.setEnvironment(QProcess::systemEnvironment() << "XDG_CONFIG_HOME=" + config.path());
            scan.start(VARNIX_SCAN_PATH, QString(row.first).split('|'));
            QVERIFY(scan.waitForFinished(10000));
            const QString err = scan.readAllStandardError();
            QVERIFY2(scan.exitStatus() == QProcess::NormalExit && scan.exitCode() == 2, row.first);
            QVERIFY2(scan.readAllStandardOutput().isEmpty() && err.contains(row.second), qPrintable(err));
            QVERIFY(QDir(config.path()).isEmpty()); // the settings are never written
        }
    }

    void clipSummaryEdges() {
        // (raw, frames, rate, width, height, number, first frame, trim start, trim end): a count beyond 32
        // bits, no frame rate (zero seconds rather than a division by zero), a trim that ends before it
        // starts.
        ClipInfo clip{{}, 5000000000ull, 0, 1280, 1024, 65535, 0, 10, 4};
        QCOMPARE(plainClipSummary(clip),
                 QString("Clip 65536: 5000000000 frames - 0.000 s | Trim: 10 (0.000 s) to 4 "
                         "(0.000 s) - 0.000 s | 1280x1024 @ 0 fps"));
        clip.frameRate = 1; // the trim's length wraps in 32 bits
        QCOMPARE(plainClipSummary(clip),
                 QString("Clip 65536: 5000000000 frames - 5000000000.000 s | Trim: 10 "
                         "(10.000 s) to 4 (4.000 s) - 4294967296.000 s | 1280x1024 @ 1 fps"));
    }
};

QTEST_GUILESS_MAIN(ScanTool)
#include "tst_scan.moc"
