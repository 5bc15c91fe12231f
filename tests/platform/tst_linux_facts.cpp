// The Linux network facts read from /proc and /sys files and firewall tools the test writes into a tree of
// its own, and a socket pinned to loopback (nothing is sent).
#include "platform/networkfacts_linux.h"
#include "platform/socketroute.h"
#include "tests/datarows.h"

#include <QtTest>

#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Writes "path=content" below `root`, with its directories; a tool becomes an executable shell script.
void plant(const QString &root, const QString &entry) {
    const QString path = root + '/' + entry.section('=', 0, 0);
    const QByteArray text = entry.section('=', 1).toUtf8();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(path.contains("bin/") ? "#!/bin/sh\n" + text : text);
    file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// Files as "path=content", C/<dir> for conf/<dir>/rp_filter and S/ for /sys/class/net; the answer is
// rpFilterAll rpFilterInterface up speedMbps. Bad names must not reach the files planted for them.
const struct {
    const char *name, *files, *want;
} interfaceRows[] = {
    {"v", "C/all=1 C/v=0x2 S/v/flags=4099 S/v/operstate=up S/v/speed=9999999", "1 2 1 9999999"},
    {"v", "C/all=1x C/v= S/v/flags=0x1003 S/v/operstate=unknown S/v/speed=10000000", "-1 -1 1 -1"},
    {"v", "C/all=-9999999999999999999 S/v/flags=0x1003 S/v/operstate=down S/v/speed=0", "-1 -1 0 -1"},
    {"v", "S/v/flags=0x1003 S/v/operstate=lowerlayerdown S/v/speed=1", "-1 -1 0 1"},
    {"v", "S/v/flags=0x1003 S/v/operstate=notpresent", "-1 -1 0 -1"},
    {"v", "S/v/flags=0x1002 S/v/operstate=up", "-1 -1 0 -1"},
    {"v", "S/v/flags=0 S/v/operstate=up", "-1 -1 0 -1"},
    {"fifteen-chr-nam", "C/fifteen-chr-nam=1 S/fifteen-chr-nam/flags=1", "-1 1 1 -1"},
    {"sixteen-chr-name", "C/sixteen-chr-name=1 S/sixteen-chr-name/flags=1", "-1 -1 -1 -1"},
    {"", "C/=1 S/flags=1", "-1 -1 -1 -1"},
    {".", "C/.=1 S/./flags=1", "-1 -1 -1 -1"},
    {"..", "C/..=1 S/../flags=1", "-1 -1 -1 -1"},
    {"../x", "C/../x=1 S/../x/flags=1", "-1 -1 -1 -1"}};

const struct {
    const char *rmem, *nft, *ufw, *firewallCmd, *want;
} toolRows[] = {{"4194304\n", "echo $LC_ALL \"$@\"", "echo \"$@\"; exit 1",
                 "case $1 in --get-z*) exit 2;; --get-d*) echo 'public  ';; --s*) echo on; exit 252;; *) "
                 "echo \"$@\";; esac",
                 "4194304|1:C -j list ruleset|0:status verbose|1:on|1:--list-all --zone=public|0:-"},
                {"9999999999999999999", nullptr, nullptr, nullptr, "-1|0:-|0:-|0:-|0:-|0:-"},
                {nullptr, "head -c 5000 /dev/zero | tr '\\0' x", "printf x",
                 "case $1 in --get-zone*) echo trusted;; *) echo \"$@\";; esac",
                 "-1|1:5000|1:x|1:--state|1:--list-all --zone=trusted|0:-"},
                {nullptr, "echo {}; exit 3", nullptr, "case $1 in --get-z*) echo 'x y';; *) echo $1;; esac",
                 "-1R|0:{}|0:-|1:--state|0:-|0:-"}};
} // namespace

class LinuxFacts : public QObject {
    Q_OBJECT

private slots:
    void factsOfAnInterface_data() { indexRows(std::size(interfaceRows)); }
    void factsOfAnInterface() {
        QFETCH(int, index);
        const auto &row = interfaceRows[index];
        QTemporaryDir root;
        for (QString file : QString(row.files).split(' '))
            plant(root.path(),
                  file.replace(QRegularExpression("^C/(.*)="), "proc/sys/net/ipv4/conf/\\1/rp_filter=")
                      .replace(QRegularExpression("^S/"), "sys/class/net/"));
        const auto f = platform::linuxNetworkFacts(root.path().toStdString())->interfaceFacts(row.name);
        QCOMPARE(QString::asprintf("%s: %d %d %d %d", row.name, f.rpFilterAll, f.rpFilterInterface, f.up,
                                   f.speedMbps),
                 QString(row.name) + ": " + row.want);
    }

    // The receive buffer limit and what fake firewall tools print (long output by its length), each answer
    // replacing what the string held; firewall-cmd --state counts whatever it exits with. Interface and zone
    // names that a shell would split, or no link can have, are never passed on.
    void bufferAndFirewallTools_data() { indexRows(std::size(toolRows)); }
    void bufferAndFirewallTools() {
        QFETCH(int, index);
        const auto &row = toolRows[index];
        QTemporaryDir root;
        const char *paths[] = {"proc/sys/net/core/rmem_max", "usr/sbin/nft", "usr/sbin/ufw",
                               "usr/bin/firewall-cmd"};
        const char *texts[] = {row.rmem, row.nft, row.ufw, row.firewallCmd};
        for (int i = 0; i < 4; ++i)
            if (texts[i]) plant(root.path(), QString(paths[i]) + '=' + texts[i]);
        const auto facts = platform::linuxNetworkFacts(root.path().toStdString());
        std::vector<std::string> out(5, "-");
        const bool ok[5] = {facts->firewallRuleset(out[0]), facts->ufwStatus(out[1]),
                            facts->firewalldState(out[2]), facts->firewalldZone("vx0", out[3]),
                            facts->firewalldZone("sixteen-chr-name", out[4])};
        QString line = QString::number(facts->receiveBufferMax()) + (facts->firewallRefused() ? "R" : "");
        for (int i = 0; i < 5; ++i)
            line +=
                QString("|%1:").arg(int(ok[i])) +
                QString::fromStdString(out[i].size() > 99 ? std::to_string(out[i].size()) : out[i]).trimmed();
        QCOMPARE(line, QString(row.want));
    }

    // Descriptor 0 is a socket like any other; index 0 and a closed descriptor are refused.
    void socketPinnedToAnInterface() {
        const int udp = socket(AF_INET, SOCK_DGRAM, 0), saved = dup(0);
        const unsigned lo = if_nametoindex("lo");
        QVERIFY(udp > 0 && saved > 0 && lo > 0 && dup2(udp, 0) == 0);
        const QList<bool> got = {platform::pinSendInterface(udp, lo), platform::pinSendInterface(0, lo),
                                 platform::pinSendInterface(-1, lo), platform::pinSendInterface(udp, 0)};
        dup2(saved, 0), close(saved), close(udp);
        QCOMPARE(got, (QList<bool>{true, true, false, false}));
    }
};

QTEST_GUILESS_MAIN(LinuxFacts)
#include "tst_linux_facts.moc"
