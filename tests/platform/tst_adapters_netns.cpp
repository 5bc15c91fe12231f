// Lists the adapters of a network namespace built for the test, so that the system's own view of
// addresses, hardware addresses and MTUs is checked against links whose values the test chose.
// Everything lives inside the namespace; nothing touches this machine's interfaces.
#include "net/adapters.h"
#include "platform/adaptersource.h"
#include "platform/echoprobe.h"
#include "platform/networkfacts.h"
#include "tests/netns.h"

#include <QTemporaryFile>
#include <QtTest>

#include <linux/filter.h>
#include <linux/seccomp.h>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <thread>
#include <tuple>

class AdapterNamespace : public QObject {
    Q_OBJECT
    QTemporaryFile uevent[2];

private slots:
    void initTestCase() {
        if (geteuid() != 0) QSKIP("creating a network namespace needs root");
        // vxa has two IPv4 networks and jumbo frames; its peer vxb-fifteen-chr (as long as names get) has no
        // IPv4 address but a hardware address of its own. vxc shares vxa's hardware address, as a VLAN shares
        // its parent's; vxd is a port of the bridge vxbr and shares the bridge's. vxa also has a labelled
        // address on a third network. vxt-fifteen-chr is a tunnel without hardware address,
        // its name as long as names get too.
        QVERIFY(enterOwnNetwork(
            {"link add vxa address 02:00:00:00:00:0a mtu 9000 type veth peer name vxb-fifteen-chr address "
             "02:00:00:00:00:0b mtu 9000",
             "addr add 10.77.0.1/24 dev vxa", "addr add 10.78.0.1/16 dev vxa", "link set vxa up",
             "link add vxc address 02:00:00:00:00:0a type veth peer name vxd address 02:00:00:00:00:0d",
             "addr add 10.79.0.1/24 dev vxc", "link add vxbr type bridge", "link set vxd master vxbr",
             "link set vxbr address 02:00:00:00:00:0d mtu 1400", "addr add 192.168.77.1/24 dev vxbr",
             "addr add 10.66.4.1/24 dev vxa label vxa:7", "tuntap add dev vxt-fifteen-chr mode tun",
             "link set vxt-fifteen-chr mtu 1280 up", "addr add 10.81.0.1/24 dev vxt-fifteen-chr"}));
        // /sys mounted again in a mount namespace of this process's own, so that the interface directory
        // shows the links above; both namespaces vanish with the process, whichever way it ends.
        QVERIFY(unshare(CLONE_NEWNS) == 0);
        QVERIFY(mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0);
        QVERIFY(mount("sysfs", "/sys", "sysfs", 0, nullptr) == 0);
        // This kernel may have no VLAN or bonding driver: vxc is made to look like a VLAN and vxb-fifteen-chr
        // like a bond by their device types, in this process's own view of /sys; so is the bridge vxbr, which
        // its bridge directory still shows as one. A name longer than "vxc" takes the second file.
        for (const char *link : {"vxc", "vxb-fifteen-chr", "vxbr"})
            QVERIFY(uevent[!!link[3]].open() &&
                    uevent[!!link[3]].write(link[3] ? "DEVTYPE=bond\n" : "DEVTYPE=vlan\n") &&
                    uevent[!!link[3]].flush() &&
                    mount(qPrintable(uevent[!!link[3]].fileName()),
                          qPrintable("/sys/class/net/" + QString(link) + "/uevent"), nullptr, MS_BIND,
                          nullptr) == 0);
    }

    void systemViewOfTheLinks() {
        NetAdapterInfo list[16];
        QStringList got;
        for (int i = 0, n = listAdapters(list, 16); i < n; ++i)
            got << QString::asprintf("%s|%s|%s|%08x|%08x|%u", list[i].name, list[i].description,
                                     list[i].macText, list[i].ip, list[i].mask, list[i].mtu);
        got.sort();
        // Loopback, the bridge port and the labelled address are not offered as adapters; every adapter has
        // its own interface's MTU, whoever shares its hardware address or whether it has one at all.
        QCOMPARE(got, QStringList(
                          {"vxa|veth vxa|02:00:00:00:00:0A|0a4d0001|ffffff00|9000",
                           "vxb-fifteen-chr|Bond vxb-fifteen-chr|02:00:00:00:00:0B|00000000|00000000|9000",
                           "vxbr|Bridge vxbr|02:00:00:00:00:0D|c0a84d01|ffffff00|1400",
                           "vxc|VLAN vxc|02:00:00:00:00:0A|0a4f0001|ffffff00|1500",
                           "vxt-fifteen-chr|tun vxt-fifteen-chr|00:00:00:00:00:00|0a510001|ffffff00|1280"}));
        // Cameras found through any address of an interface get that interface's MTU.
        QList<quint32> byAddress;
        for (quint32 address : {0x0A4D0001u, 0x0A4E0001u, 0x0A420401u, 0x0A510001u, 0x0A4F0001u, 0x0A520001u})
            byAddress << mtuForAddress(address);
        QCOMPARE(byAddress, (QList<quint32>{9000, 9000, 9000, 1280, 1500, 1500}));

        // The system's lists replace what the caller's vectors held, whatever their size.
        std::vector<platform::AdapterRecord> adapters, stale(9);
        std::vector<platform::MtuRecord> mtus, staleMtus(9);
        const uint descriptors = QDir("/proc/self/fd").count();
        platform::AdapterSource &system = platform::systemAdapterSource();
        QVERIFY(system.adapters(adapters) && system.mtus(mtus) && system.adapters(stale) &&
                system.mtus(staleMtus));
        QCOMPARE(QDir("/proc/self/fd").count(), descriptors); // the query socket is closed every time
        QVERIFY(stale.size() == adapters.size() && staleMtus.size() == mtus.size());
        // A link the system does not have is unknown throughout, not down; so are the driver settings only
        // Windows keeps, for every link.
        const platform::InterfaceFacts gone = platform::systemNetworkFacts().interfaceFacts("vxgone");
        QCOMPARE((QVector<int>{gone.rpFilterInterface, gone.up, gone.speedMbps, gone.jumboPacketBytes,
                               gone.receiveBuffers, gone.receiveBuffersMax, gone.interruptModeration}),
                 QVector<int>(7, -1));
    }

    void systemRefusingSockets() {
        // A sandbox refuses one system call where one of its arguments has a value: netlink sockets, IPv4
        // sockets, binding to an adapter; a child each, as the filter stays for good. What the probe of 1400
        // bytes through the tunnel says where the adapters could be listed, then their kinds and MTUs.
        // Without netlink the system cannot be asked, and says so rather than listing nothing; without IPv4
        // sockets the adapters are named by hardware type and have no MTU; without binding the probe still
        // leaves through the tunnel and is too big.
        const unsigned vxt = if_nametoindex("vxt-fifteen-chr"), low = 4 * (Q_BYTE_ORDER == Q_BIG_ENDIAN);
        using Row = std::tuple<unsigned, unsigned, unsigned, const char *>;
        for (const auto &[nr, arg, value, want] :
             {Row{__NR_socket, 0, AF_NETLINK, ""},
              Row{__NR_socket, 0, AF_INET, "3|Bond 0|Ethernet 0|VLAN 0|Bridge 0|Network 0"},
              Row{__NR_setsockopt, 2, SO_BINDTOIFINDEX,
                  "2|Bond 9000|veth 9000|VLAN 1500|Bridge 1400|tun 1280"}}) {
            int out[2];
            QVERIFY(pipe(out) == 0);
            if (fork() == 0) {
                sock_filter refuse[] = {BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
                                        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, nr, 0, 3),
                                        BPF_STMT(BPF_LD | BPF_W | BPF_ABS,
                                                 unsigned(offsetof(seccomp_data, args)) + 8 * arg + low),
                                        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, value, 0, 1),
                                        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
                                        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW)};
                const sock_fprog program{6, refuse};
                std::vector<platform::AdapterRecord> seen;
                if (!prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) &&
                    !prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) &&
                    platform::systemAdapterSource().adapters(seen))
                    dprintf(out[1], "%d", int(platform::echoUnfragmented(0x0A4D0002, 0, vxt, 1400, 100)));
                for (const auto &a : seen)
                    dprintf(out[1], "|%.*s %u", int(a.description.find(' ')), a.description.c_str(), a.mtu);
                _exit(0);
            }
            // Once the child is gone, everything it wrote waits in the pipe.
            char got[256] = {};
            QVERIFY(!close(out[1]) && wait(nullptr) > 0 && read(out[0], got, 255) >= 0 && !close(out[0]));
            QCOMPARE(static_cast<const char *>(got), want);
        }
    }

    void echoProbe() {
        auto echo = [](uint ip, uint i, int n, uint from = 0) {
            return int(platform::echoUnfragmented(ip, from, i, n, 500));
        };
        // Over a whole ICMP message, its checksum included, the one's complement sum is all ones (0 modulo
        // all ones).
        auto sound = [](const unsigned char *m, int n) {
            unsigned sum = 0;
            for (int i = 0; i < n; ++i)
                sum += i % 2 ? m[i] : m[i] << 8;
            return sum % 0xFFFF == 0;
        };
        // Every request leaves from the local address asked for and carries this process's id, the next
        // sequence number, big-endian, past 255 too, and a sound checksum, odd sizes too; this process probes
        // here first. The requests loop back on lo, each ahead of its reply.
        const int ownIcmp = socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK, 1); // ICMP
        unsigned char at[128];
        for (int i = 0, n = 41; i < 300; ++i, n = 41 + i % 2 * 13)
            QVERIFY(echo(0x7F000001, 0, n, 0x0A4D0001) == 0 && recv(ownIcmp, at, 64, 0) == n &&
                    at[12] == 10 && sound(at + 20, n - 20) && recv(ownIcmp, at + 64, 64, 0) == n &&
                    at[20] == 8 && (at[24] << 8 | at[25]) == (getpid() & 0xFFFF) &&
                    (at[26] << 8 | at[27]) == ((i + 1) & 0xFFFF));
        // Its own request, looped back, is no answer; nor is a late reply to an earlier request, one to
        // another process's or one from another host: same sequence number and an identifier whose low byte
        // matches; same identifier and a sequence number whose low byte matches; both the same, from another
        // address (each checksum still holds).
        QVERIFY(std::system("sysctl -qw net.ipv4.icmp_echo_ignore_all=1") == 0);
        std::thread([ownIcmp, at]() mutable {
            pollfd p{ownIcmp, POLLIN, 0};
            if (poll(&p, 1, 2000) == 1 && recv(ownIcmp, at, 64, 0) == 40)
                for (const int b : {24, 26, 28}) {
                    const sockaddr_in to{AF_INET, 0, {htonl(b < 28 ? 0x7F000001 : 0x0A4D0001)}, {}};
                    at[20] = 0, at[b] += 8,
                    sendto(ownIcmp, at + 20, 20, 0, reinterpret_cast<const sockaddr *>(&to), sizeof to),
                    at[b] -= 8;
                }
        }).detach();
        QCOMPARE(echo(0x7F000001, 0, 40), int(platform::EchoResult::NoAnswer));
        // Where this user may have ICMP datagram sockets, whose identifier the kernel picks, the probe takes
        // one. The size includes the headers; out of the adapter asked for even where the route picks a
        // larger one. Answered, too big, too big, and the largest packet there is answered:
        QVERIFY(!std::system("sysctl -qw net.ipv4.icmp_echo_ignore_all=0 'net.ipv4.ping_group_range=0 0'"));
        const uint vxt = if_nametoindex("vxt-fifteen-chr");
        QCOMPARE((QList<int>{echo(0x7F000001, 0, 28), echo(0x7F000001, 0, 27), echo(0x0A4D0002, vxt, 1400),
                             echo(0x7F000001, 0, 0xFFFF)}),
                 QList<int>({0, 2, 2, 0}));
        // A neighbour whose hardware address the system knows answers, though it may ignore echoes.
        QVERIFY(!std::system("ip neigh add 10.78.3.9 lladdr 02:00:00:00:00:09 dev vxa nud permanent"));
        QVERIFY(platform::answeredArp(0x0A4E0309, 0) && !platform::answeredArp(0x0A4E030A, 0));
        // Also on a closed standard input; the probes and the adapter listing close what they got there.
        std::vector<platform::AdapterRecord> none;
        QVERIFY(close(0) == 0 && echo(0x7F000001, 0, 40) == 0 && platform::answeredArp(0x0A4E0309, 0) &&
                platform::systemAdapterSource().adapters(none) && close(0) != 0);
    }
};

QTEST_GUILESS_MAIN(AdapterNamespace)
#include "tst_adapters_netns.moc"
