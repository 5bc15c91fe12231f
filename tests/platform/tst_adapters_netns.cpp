// Lists the adapters of a network namespace built for the test, so that the system's own view of
// addresses, hardware addresses and MTUs is checked against links whose values the test chose.
// Everything lives inside the namespace; nothing touches this machine's interfaces.
#include "net/adapters.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const char printFlag[] = "--print-adapters";

// Run inside the namespace: one tab-separated line per adapter.
int printAdapters() {
    NetAdapterInfo list[64];
    const int count = listAdapters(list, 64);
    for (int i = 0; i < count; ++i)
        std::printf("%s\t%s\t%s\t%08x\t%08x\t%u\n", list[i].name, list[i].description, list[i].macText,
                    list[i].ip, list[i].mask, list[i].mtu);
    return 0;
}

struct Listed {
    QString description, macText;
    quint32 ip = 0, mask = 0, mtu = 0;
};

// The suffix of this run's names: the wrapper's process id when ctest runs us (the wrapper removes the
// namespace even if this process dies), else our own.
QString runSuffix() {
    const QString fromWrapper = qEnvironmentVariable("VARNIX_LAB_SUFFIX");
    return fromWrapper.isEmpty() ? QString::number(getpid()) : fromWrapper;
}

// A namespace named after this run, removed with everything in it when the lab goes out of scope,
// whichever way the test leaves.
class Lab {
public:
    Lab()
        : ns_("vxplat" + runSuffix()), a_("vxpa" + runSuffix()), b_("vxpb" + runSuffix()),
          bridge_("vxpbr" + runSuffix()) {}
    ~Lab() {
        if (created_) QProcess::execute("ip", {"netns", "delete", ns_});
    }
    Lab(const Lab &) = delete;
    Lab &operator=(const Lab &) = delete;

    const QString &a() const { return a_; }
    const QString &b() const { return b_; }
    const QString &bridge() const { return bridge_; }

    bool create() {
        created_ = QProcess::execute("ip", {"netns", "add", ns_}) == 0;
        return created_;
    }
    // `ip -n <namespace> ...`
    bool ip(const QStringList &args) { return QProcess::execute("ip", QStringList{"-n", ns_} + args) == 0; }
    QString exec(const QStringList &command) {
        QProcess p;
        p.start("ip", QStringList{"netns", "exec", ns_} + command);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return QString();
        return QString::fromLatin1(p.readAllStandardOutput());
    }
    QString sys(const QString &link, const QString &file) {
        return exec({"cat", "/sys/class/net/" + link + "/" + file}).trimmed();
    }
    QMap<QString, Listed> adapters(QStringList *order) {
        QMap<QString, Listed> out;
        const QString text = exec({QCoreApplication::applicationFilePath(), printFlag});
        for (const QString &line : text.split('\n', Qt::SkipEmptyParts)) {
            const QStringList f = line.split('\t');
            if (f.size() != 6) continue;
            order->append(f[0]);
            out[f[0]] = Listed{f[1], f[2], f[3].toUInt(nullptr, 16), f[4].toUInt(nullptr, 16), f[5].toUInt()};
        }
        return out;
    }

private:
    QString ns_, a_, b_, bridge_;
    bool created_ = false;
};

} // namespace

class AdapterNamespace : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (geteuid() != 0) QSKIP("creating a network namespace needs root");
        if (QStandardPaths::findExecutable("ip").isEmpty()) QSKIP("iproute2 is not installed");
    }

    void vethListedWithItsFirstAddressAndJumboMtu() {
        Lab lab;
        QVERIFY(lab.create());
        QVERIFY(lab.ip(
            {"link", "add", lab.a(), "mtu", "9000", "type", "veth", "peer", "name", lab.b(), "mtu", "9000"}));
        QVERIFY(lab.ip({"addr", "add", "10.77.0.1/24", "dev", lab.a()}));
        QVERIFY(lab.ip({"addr", "add", "10.78.0.1/16", "dev", lab.a()}));
        QVERIFY(lab.ip({"link", "set", lab.a(), "up"}));

        QStringList order;
        const QMap<QString, Listed> got = lab.adapters(&order);
        order.sort();
        QCOMPARE(order, (QStringList{lab.a(), lab.b()})); // loopback is never offered
        const Listed a = got.value(lab.a());
        QCOMPARE(a.ip, 0x0A4D0001u);
        QCOMPARE(a.mask, 0xFFFFFF00u);
        QCOMPARE(a.mtu, 9000u);
        QCOMPARE(a.macText, lab.sys(lab.a(), "address").toUpper());
        QCOMPARE(a.description, "veth " + lab.a());
        // The peer has no IPv4 address but a hardware address of its own, so it is still offered.
        const Listed b = got.value(lab.b());
        QCOMPARE(b.ip, 0u);
        QCOMPARE(b.mask, 0u);
        QCOMPARE(b.mtu, 9000u);
        QCOMPARE(b.macText, lab.sys(lab.b(), "address").toUpper());
    }

    void bridgeKeepsItsMtuWhenItsPortSharesTheAddress() {
        Lab lab;
        QVERIFY(lab.create());
        QVERIFY(lab.ip(
            {"link", "add", lab.a(), "mtu", "9000", "type", "veth", "peer", "name", lab.b(), "mtu", "9000"}));
        QVERIFY(lab.ip({"link", "add", lab.bridge(), "type", "bridge"}));
        QVERIFY(lab.ip({"link", "set", lab.b(), "master", lab.bridge()}));
        const QString portAddress = lab.sys(lab.b(), "address");
        QVERIFY(!portAddress.isEmpty());
        QVERIFY(lab.ip({"link", "set", lab.bridge(), "address", portAddress, "mtu", "4000"}));
        QVERIFY(lab.ip({"addr", "add", "192.168.77.1/24", "dev", lab.bridge()}));

        QStringList order;
        const QMap<QString, Listed> got = lab.adapters(&order);
        order.sort();
        QCOMPARE(order, (QStringList{lab.a(), lab.bridge()})); // the port is not offered
        const Listed bridge = got.value(lab.bridge());
        QCOMPARE(bridge.ip, 0xC0A84D01u);
        QCOMPARE(bridge.mtu, 4000u);
        QCOMPARE(bridge.macText, portAddress.toUpper());
        QCOMPARE(bridge.description, "Bridge " + lab.bridge());
    }
};

int main(int argc, char **argv) {
    if (argc == 2 && std::strcmp(argv[1], printFlag) == 0) return printAdapters();
    QCoreApplication app(argc, argv);
    AdapterNamespace test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_adapters_netns.moc"
