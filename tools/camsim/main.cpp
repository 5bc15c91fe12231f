// varnix-camsim: simulated cameras of both dialects for the namespace lab.
//
//   varnix-camsim --config FILE [--log FILE]
//
// FILE is a JSON array of cameras (or {"cameras": [...]}). Per camera:
//   dialect        "standard" | "advanced"
//   model          model code as reported (Standard: u32 at 8; Advanced: u16 at 28)
//   variant        Standard sensor code (u16 at 30)
//   standardModel, advancedModel   model code in the other dialect's reply (answerBoth)
//   serial, firmware ([a, b] or one packed number), firmwareVersion, firmwareRevision
//   mac "00:0c:9c:81:f2:a7", ip, mask (default 255.255.255.0), name
//   options        two characters: the first goes to offset 15, the second to 14 of the 210 reply
//   link           Advanced link byte (offset 54)
//   status, statusAux, statusScript [{"afterMs": 0, "status": 1}, ...], statusRepeat, statusPeriodMs
//   readings [a, b]  sent after every status reply (opcode 39)
//   clips [{clipNumber, frameCount, frameRate, width, height, firstFrame, trimStart, trimEnd}]
//   clipEntrySize (default by model: 48 for 0/1, 64 for 2, else 128), clipsPerDatagram (8),
//   clipListEveryMs (resend to registered clients; default only on register)
//   port / commandPort  Standard command port (default from the model code)
//   discoveryPorts      Standard discovery ports answered (default [1028, 1029])
//   answerBoth      also answer the other dialect's discovery and commands
//   discoveryOnly   answer discovery only, never the requests that follow (a broken unicast path)
//   silentFromMs, silentForMs   answer nothing from that time on (counted, as statusScript is, from the
//                   first datagram the simulator receives), for
//                   that long (0 or missing: for good)
//
// --log FILE writes one JSON line per received datagram:
//   {"t": ms, "src": "ip:port", "dstPort": n, "dst": "ip", "hex": "..."}
#include "simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <sys/stat.h>

namespace {
// True when this process runs in a namespace made with `ip netns add` (the lab's), whose
// handle is a file in /run/netns with the same inode as our own namespace.
bool inNamedNetNamespace() {
    struct stat own {};
    if (stat("/proc/self/ns/net", &own) != 0) return false;
    const QFileInfoList named = QDir(QStringLiteral("/run/netns")).entryInfoList(QDir::Files | QDir::System);
    for (const QFileInfo &f : named) {
        struct stat st {};
        if (stat(QFile::encodeName(f.absoluteFilePath()).constData(), &st) == 0 && st.st_ino == own.st_ino &&
            st.st_dev == own.st_dev)
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varnix-camsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated cameras for the Varnix network lab."));
    parser.addHelpOption();
    const QCommandLineOption configOpt(QStringLiteral("config"), QStringLiteral("Camera list (JSON)."),
                                       QStringLiteral("file"));
    const QCommandLineOption logOpt(QStringLiteral("log"), QStringLiteral("Received datagrams (JSON lines)."),
                                    QStringLiteral("file"));
    const QCommandLineOption hostOpt(QStringLiteral("allow-host-namespace"),
                                     QStringLiteral("Run even in the host's network namespace."));
    const QCommandLineOption deviceOpt(QStringLiteral("address-device"),
                                       QStringLiteral("Put a camera's new address on this interface."),
                                       QStringLiteral("name"));
    parser.addOption(deviceOpt);
    parser.addOption(configOpt);
    parser.addOption(logOpt);
    parser.addOption(hostOpt);
    parser.process(app);

    // The simulator answers broadcasts: on the host's own network it would pose as real cameras.
    if (!parser.isSet(hostOpt) && !inNamedNetNamespace()) {
        std::fprintf(stderr, "varnix-camsim: refusing to run outside a lab network namespace "
                             "(see tools/lab/netlab.sh; --allow-host-namespace overrides)\n");
        return 2;
    }

    if (!parser.isSet(configOpt)) {
        std::fprintf(stderr, "varnix-camsim: --config FILE is required\n");
        return 2;
    }
    QFile config(parser.value(configOpt));
    if (!config.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "varnix-camsim: %s: %s\n", qPrintable(config.fileName()),
                     qPrintable(config.errorString()));
        return 2;
    }

    Simulator sim;
    sim.setAddressDevice(parser.value(deviceOpt));
    QString error;
    // Errors of a file name the file.
    if (!sim.load(config.readAll(), &error))
        error = config.fileName() + QStringLiteral(": ") + error;
    else if (parser.isSet(logOpt) && !sim.setLog(parser.value(logOpt), &error))
        error = parser.value(logOpt) + QStringLiteral(": ") + error;
    else if (!sim.start(&error) && error.isEmpty())
        error = QStringLiteral("cannot start");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "varnix-camsim: %s\n", qPrintable(error));
        return 2;
    }
    // The lab stops the simulator with SIGTERM; every log line is already flushed by then.
    std::fprintf(stderr, "varnix-camsim: %d camera(s) ready\n", int(sim.cameras().size()));
    return app.exec();
}
