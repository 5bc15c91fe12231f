#include "scanoptions.h"

#include "cameras/conflicts.h"
#include "net/addresses.h"

namespace {

constexpr int LongestWaitMs = 3600 * 1000;

bool parseWait(const QString &text, int *ms) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < 0 || value > LongestWaitMs) return false;
    *ms = value;
    return true;
}

bool parseDatagramSize(const QString &text, int *jumboPacket) {
    if (text.compare(QLatin1String("optimal"), Qt::CaseInsensitive) == 0) {
        *jumboPacket = -1;
        return true;
    }
    bool ok = false;
    const uint size = text.toUInt(&ok, 10);
    if (!ok) return false;
    for (int i = 0; i < 6; ++i) {
        if (datagramSizes[i] == size) {
            *jumboPacket = i;
            return true;
        }
    }
    return false;
}

// An address the camera is to take: it must parse and must not be 0.
bool parseNewAddress(const QString &text, quint32 *out) {
    return parseIp(text, out) && *out != 0;
}

} // namespace

QString scanUsage() {
    return QStringLiteral(
        "Usage:\n"
        "  varnix-scan [--adapter NAME] [--wait MS]\n"
        "              [--datagram-size optimal|1448|2920|4360|5800|7240|8680] [--json]\n"
        "  varnix-scan --list-adapters [--json]\n"
        "  varnix-scan --set-address CAMERA_IP NEW_IP NEW_MASK [--adapter NAME] [--wait MS] [--json]\n"
        "  varnix-scan --doctor [--adapter NAME] [--wait MS] [--datagram-size SIZE] [--json]\n"
        "  varnix-scan --watch [--adapter NAME] [--datagram-size SIZE] [--rescan MS] [--duration MS] "
        "[--json]\n"
        "              [--metrics-file PATH]\n"
        "\n"
        "Finds the cameras on one network adapter (or on all of them with \"*ALL*\") and prints\n"
        "them with the first network conflict the camera list would warn about.\n"
        "\n"
        "  --adapter NAME        adapter name as --list-adapters prints it, or \"*ALL*\";\n"
        "                        default: the adapter stored in the settings\n"
        "  --wait MS             how long to listen after the discovery broadcast (default 3500)\n"
        "  --datagram-size SIZE  datagram size the conflict check assumes;\n"
        "                        default: the size stored in the settings\n"
        "  --json                print one JSON object instead of text\n"
        "  --list-adapters       list the network adapters and exit\n"
        "  --set-address CAMERA_IP NEW_IP NEW_MASK\n"
        "                        give the camera answering from CAMERA_IP a new address and mask,\n"
        "                        listen again for the whole wait and report the camera found at\n"
        "                        NEW_IP with its name and status (exit 0), or that none answers (1)\n"
        "  --doctor              find the cameras, then say what is wrong with the network and how to\n"
        "                        fix it; exit 0 without a problem, 1 with one (warnings do not count)\n"
        "  --watch               follow the cameras and print one line per event (found, name, status,\n"
        "                        options, clips, conflict, not-responding, responding, lost) until\n"
        "                        interrupted or for --duration MS; --rescan MS rediscovers on that period\n"
        "  --metrics-file PATH   --watch: keep PATH up to date in the Prometheus text format\n"
        "  -h, --help            show this text\n"
        "\n"
        "Exit codes: 0 done, 1 the new address was not confirmed or --doctor found a problem,\n"
        "2 bad arguments or unknown adapter.\n"
        "The settings are read, never written.\n");
}

bool parseScanOptions(const QStringList &arguments, ScanOptions *options, QString *error) {
    ScanOptions o;
    bool listAdapters = false;
    bool setAddress = false;
    bool doctor = false;
    bool watch = false;
    bool rescanGiven = false;
    bool durationGiven = false;

    // Takes the value of an option given as "--name VALUE" or "--name=VALUE".
    int i = 0;
    auto takeValue = [&](const QString &arg, const QString &name, QString *value) -> bool {
        if (arg.startsWith(name + QLatin1Char('='))) {
            *value = arg.mid(name.size() + 1);
            return true;
        }
        if (i + 1 >= arguments.size()) {
            *error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        *value = arguments.at(++i);
        return true;
    };
    auto isOption = [](const QString &arg, const char *name) {
        const QLatin1String n(name);
        return arg == n || arg.startsWith(n + QLatin1Char('='));
    };

    for (; i < arguments.size(); ++i) {
        const QString arg = arguments.at(i);
        QString value;
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            o.mode = ScanOptions::Help;
            *options = o;
            return true;
        } else if (arg == QLatin1String("--json")) {
            o.json = true;
        } else if (arg == QLatin1String("--list-adapters")) {
            listAdapters = true;
        } else if (arg == QLatin1String("--doctor")) {
            doctor = true;
        } else if (arg == QLatin1String("--watch")) {
            watch = true;
        } else if (isOption(arg, "--rescan") || isOption(arg, "--duration")) {
            const QString name = arg.section(QLatin1Char('='), 0, 0);
            if (!takeValue(arg, name, &value)) return false;
            int ms = 0;
            if (!parseWait(value, &ms) || ms == 0) {
                *error = QStringLiteral("%1 takes milliseconds from 1 to %2, not \"%3\"")
                             .arg(name)
                             .arg(LongestWaitMs)
                             .arg(value);
                return false;
            }
            if (name == QLatin1String("--rescan")) {
                o.rescanMs = ms;
                rescanGiven = true;
            } else {
                o.durationMs = ms;
                durationGiven = true;
            }
        } else if (isOption(arg, "--metrics-file")) {
            if (!takeValue(arg, QStringLiteral("--metrics-file"), &o.metricsFile)) return false;
            if (o.metricsFile.isEmpty()) {
                *error = QStringLiteral("--metrics-file needs a path");
                return false;
            }
        } else if (isOption(arg, "--adapter")) {
            if (!takeValue(arg, QStringLiteral("--adapter"), &value)) return false;
            if (value.isEmpty()) {
                *error = QStringLiteral("--adapter needs a non-empty name");
                return false;
            }
            o.adapterGiven = true;
            o.adapter = value;
        } else if (isOption(arg, "--wait")) {
            if (!takeValue(arg, QStringLiteral("--wait"), &value)) return false;
            if (!parseWait(value, &o.waitMs)) {
                *error = QStringLiteral("--wait takes milliseconds from 0 to %1, not \"%2\"")
                             .arg(LongestWaitMs)
                             .arg(value);
                return false;
            }
            o.waitGiven = true;
        } else if (isOption(arg, "--datagram-size")) {
            if (!takeValue(arg, QStringLiteral("--datagram-size"), &value)) return false;
            if (!parseDatagramSize(value, &o.jumboPacket)) {
                *error = QStringLiteral("--datagram-size takes optimal, 1448, 2920, 4360, 5800, "
                                        "7240 or 8680, not \"%1\"")
                             .arg(value);
                return false;
            }
            o.datagramGiven = true;
        } else if (arg == QLatin1String("--set-address")) {
            if (i + 3 >= arguments.size()) {
                *error = QStringLiteral("--set-address needs CAMERA_IP NEW_IP NEW_MASK");
                return false;
            }
            const QString camera = arguments.at(++i);
            const QString ip = arguments.at(++i);
            const QString mask = arguments.at(++i);
            if (!parseIp(camera, &o.cameraIp)) {
                *error = QStringLiteral("camera address \"%1\" does not parse").arg(camera);
                return false;
            }
            if (!parseNewAddress(ip, &o.newIp)) {
                *error = QStringLiteral("new address \"%1\" does not parse or is 0").arg(ip);
                return false;
            }
            if (!parseNewAddress(mask, &o.newMask)) {
                *error = QStringLiteral("new subnet mask \"%1\" does not parse or is 0").arg(mask);
                return false;
            }
            setAddress = true;
        } else {
            *error = QStringLiteral("unknown argument \"%1\"").arg(arg);
            return false;
        }
    }

    if (int(listAdapters) + int(setAddress) + int(doctor) + int(watch) > 1) {
        *error = QStringLiteral("--list-adapters, --set-address, --doctor and --watch cannot be combined");
        return false;
    }
    if ((rescanGiven || durationGiven || !o.metricsFile.isEmpty()) && !watch) {
        *error = QStringLiteral("--rescan, --duration and --metrics-file go with --watch only");
        return false;
    }
    if (watch) {
        if (o.waitGiven) {
            *error = QStringLiteral("--watch does not take --wait (see --rescan)");
            return false;
        }
        o.mode = ScanOptions::Watch;
    } else if (doctor) {
        o.mode = ScanOptions::Doctor;
    } else if (listAdapters) {
        if (o.adapterGiven || o.waitGiven || o.datagramGiven) {
            *error = QStringLiteral("--list-adapters takes only --json");
            return false;
        }
        o.mode = ScanOptions::ListAdapters;
    } else if (setAddress) {
        if (o.datagramGiven) {
            *error = QStringLiteral("--set-address does not take --datagram-size");
            return false;
        }
        o.mode = ScanOptions::SetAddress;
    }
    *options = o;
    return true;
}
