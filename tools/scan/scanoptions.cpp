#include "scanoptions.h"

#include "cameras/conflicts.h"
#include "net/adapters.h"
#include "net/addresses.h"

#include <QCommandLineParser>

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
    uint size = text.toUInt(&ok, 10);
    if (!ok) return false;
    // The window offers the smallest size as "1500 (standard)", the Ethernet MTU it fits.
    if (size == 1500) size = datagramSizes[0];
    for (int i = 0; i < 6; ++i) {
        if (datagramSizes[i] == size) {
            *jumboPacket = i;
            return true;
        }
    }
    return false;
}

// The argument that named the option `name`, as it was typed ("--frobnicate=1" for "frobnicate").
QString asGiven(const QStringList &arguments, const QString &name) {
    for (const QString &arg : arguments) {
        const bool named = arg.startsWith(QLatin1String("--"))
                               ? arg.section(QLatin1Char('='), 0, 0) == QLatin1String("--") + name
                               : arg.startsWith(QLatin1Char('-')) && arg.contains(name); // "-xy": x and y
        if (named) return arg;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString unknownArgument(const QString &arg) {
    return QStringLiteral("unknown argument \"%1\"").arg(arg);
}

// Refusals the parser would word otherwise or not make at all: a lone "--" (to the parser, the end of
// the options), a value given to a switch, an option that needs a value coming last.
QString refusalBeforeParsing(const QStringList &arguments, const QStringList &valuedNames) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--")) return unknownArgument(arg);
        if (!arg.startsWith(QLatin1String("--"))) continue;
        const bool valued = valuedNames.contains(arg.mid(2).section(QLatin1Char('='), 0, 0));
        if (arg.contains(QLatin1Char('='))) {
            if (!valued) return unknownArgument(arg);
        } else if (valued && ++i == arguments.size()) {
            return arg == QLatin1String("--set-address")
                       ? QStringLiteral("--set-address needs CAMERA_IP NEW_IP NEW_MASK")
                       : QStringLiteral("%1 needs a value").arg(arg);
        }
    }
    return QString();
}

} // namespace

QString newAddressRefusal(quint32 ip, quint32 mask, quint32 adapterIp) {
    const char *reason = addressRefusalText(judgeCameraAddress(ip, mask, adapterIp));
    return reason ? QStringLiteral("new address %1 mask %2: %3")
                        .arg(ipToText(ip), ipToText(mask), QString::fromLatin1(reason))
                  : QString();
}

QString scanUsage() {
    return QStringLiteral(
               "Usage:\n"
               "  varnix-scan [--adapter NAME] [--wait MS]\n"
               "              [--datagram-size optimal|1448|1500|2920|4360|5800|7240|8680] [--json]\n"
               "  varnix-scan --list-adapters [--json]\n"
               "  varnix-scan --set-address CAMERA_IP NEW_IP NEW_MASK [--adapter NAME] [--wait MS] [--json]\n"
               "  varnix-scan --doctor [--adapter NAME] [--wait MS] [--datagram-size SIZE] [--json]\n"
               "  varnix-scan --watch [--adapter NAME] [--datagram-size SIZE] [--rescan MS] [--duration MS] "
               "[--json]\n"
               "              [--metrics-file PATH]\n"
               "\n"
               "Finds the cameras on one network adapter (or on all of them with \"%1\") and prints\n"
               "them with the first network conflict the camera list would warn about.\n"
               "\n"
               "  --adapter NAME        adapter name as --list-adapters prints it, or \"%1\";\n"
               "                        default: the adapter stored in the settings\n"
               "  --wait MS             listen exactly this long; without it, until every camera found has\n"
               "                        answered and no new one came for 500 ms, 3500 at the most\n"
               "  --datagram-size SIZE  datagram size the conflict check assumes (1500: the window's\n"
               "                        \"1500 (standard)\", that is 1448); default: the size stored in\n"
               "                        the settings\n"
               "  --json                print one JSON object instead of text\n"
               "  --list-adapters       list the network adapters and exit\n"
               "  --set-address CAMERA_IP NEW_IP NEW_MASK\n"
               "                        give the camera answering from CAMERA_IP a new address and mask,\n"
               "                        listen again until it answers at NEW_IP (at most the wait) and\n"
               "                        report it with its name and status (exit 0), or that none answers "
               "(1)\n"
               "  --doctor              find the cameras, then say what is wrong with the network and how "
               "to\n"
               "                        fix it; exit 0 without a problem, 1 with one (warnings do not "
               "count)\n"
               "  --watch               follow the cameras and print one line per event (found, name, "
               "status,\n"
               "                        options, clips, conflict, not-responding, responding, lost) until\n"
               "                        interrupted or for --duration MS; --rescan MS rediscovers on that "
               "period\n"
               "  --metrics-file PATH   --watch: keep PATH up to date in the Prometheus text format\n"
               "  -h, --help            show this text\n"
               "  --version             print the version\n"
               "\n"
               "Exit codes: 0 done; 1 the new address was not confirmed, or --doctor found a problem;\n"
               "2 bad arguments (an option given twice, an address that does not parse or that a camera\n"
               "must not take, a metrics file that is not a regular file) or an unknown adapter: nothing\n"
               "was sent.\n"
               "The settings are read, never written.\n")
        .arg(QLatin1String(AllAdaptersName));
}

namespace {

QCommandLineOption valued(const char *name) {
    return QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value"));
}

// The options, the toolkit's parser, and one step per kind of check that turns what it read into
// ScanOptions. Each step sets `error` and answers false on the first refusal.
class OptionReader {
public:
    bool parse(const QStringList &arguments, QString *error);
    bool help() const { return parser.isSet(help_); }
    bool version() const { return parser.isSet(version_); }
    bool readAddressChange(ScanOptions &o, QString *error) const;
    bool readValues(ScanOptions &o, QString *error) const;
    bool readMode(ScanOptions &o, QString *error) const;

private:
    const QCommandLineOption help_{QStringList{QStringLiteral("h"), QStringLiteral("help")}},
        version_{QStringLiteral("version")};
    const QCommandLineOption json{QStringLiteral("json")}, list{QStringLiteral("list-adapters")},
        doctor{QStringLiteral("doctor")}, watch{QStringLiteral("watch")};
    // --set-address takes the camera's address as its value, the new address and mask after it.
    const QCommandLineOption setAddress = valued("set-address"), adapter = valued("adapter"),
                             wait = valued("wait"), datagramSize = valued("datagram-size"),
                             rescan = valued("rescan"), duration = valued("duration"),
                             metricsFile = valued("metrics-file");
    QCommandLineParser parser;
};

bool OptionReader::parse(const QStringList &arguments, QString *error) {
    QStringList valuedNames;
    for (const QCommandLineOption &option :
         {setAddress, adapter, wait, datagramSize, rescan, duration, metricsFile})
        valuedNames << option.names();
    *error = refusalBeforeParsing(arguments, valuedNames);
    if (!error->isEmpty()) return false;
    parser.addOptions({help_, version_, json, list, doctor, watch, setAddress, adapter, wait, datagramSize,
                       rescan, duration, metricsFile});
    if (parser.parse(QStringList(QStringLiteral("varnix-scan")) + arguments)) {
        // A second value would silently win over the first; which one was meant is not known.
        QStringList seen;
        for (QString name : parser.optionNames()) {
            if (name == QLatin1String("h")) name = QStringLiteral("help");
            if (seen.contains(name)) *error = QStringLiteral("--%1 is given more than once").arg(name);
            seen << name;
        }
        return error->isEmpty();
    }
    const QStringList unknown = parser.unknownOptionNames();
    *error = unknown.isEmpty() ? parser.errorText() : unknownArgument(asGiven(arguments, unknown.first()));
    return false;
}

bool OptionReader::readAddressChange(ScanOptions &o, QString *error) const {
    const QString notAnAddress = QStringLiteral("is not four numbers from 0 to 255 separated by dots");
    const QStringList rest = parser.positionalArguments();
    const int taken = parser.isSet(setAddress) ? 2 : 0;
    if (rest.size() < taken) {
        *error = QStringLiteral("--set-address needs CAMERA_IP NEW_IP NEW_MASK");
    } else if (taken > 0 && !parseStrictIp(parser.value(setAddress), &o.cameraIp)) {
        *error = QStringLiteral("camera address \"%1\" %2").arg(parser.value(setAddress), notAnAddress);
    } else if (taken > 0 && !parseStrictIp(rest.at(0), &o.newIp)) {
        *error = QStringLiteral("new address \"%1\" %2").arg(rest.at(0), notAnAddress);
    } else if (taken > 0 && !parseStrictIp(rest.at(1), &o.newMask)) {
        *error = QStringLiteral("new subnet mask \"%1\" %2").arg(rest.at(1), notAnAddress);
    } else if (rest.size() > taken) {
        *error = unknownArgument(rest.at(taken));
    } else if (taken > 0) {
        *error = newAddressRefusal(o.newIp, o.newMask, NoIp);
    }
    return error->isEmpty();
}

bool OptionReader::readValues(ScanOptions &o, QString *error) const {
    o.json = parser.isSet(json);
    for (const QCommandLineOption *period : {&rescan, &duration}) {
        int ms = 0;
        if (!parser.isSet(*period)) continue;
        if (!parseWait(parser.value(*period), &ms) || ms == 0) {
            *error = QStringLiteral("--%1 takes milliseconds from 1 to %2, not \"%3\"")
                         .arg(period->names().first())
                         .arg(LongestWaitMs)
                         .arg(parser.value(*period));
            return false;
        }
        (period == &rescan ? o.rescanMs : o.durationMs) = ms;
    }
    o.metricsFile = parser.value(metricsFile);
    if (parser.isSet(metricsFile) && o.metricsFile.isEmpty()) {
        *error = QStringLiteral("--metrics-file needs a path");
        return false;
    }
    o.adapterGiven = parser.isSet(adapter);
    o.adapter = parser.value(adapter);
    if (o.adapterGiven && o.adapter.isEmpty()) {
        *error = QStringLiteral("--adapter needs a non-empty name");
        return false;
    }
    o.waitGiven = parser.isSet(wait);
    if (o.waitGiven && !parseWait(parser.value(wait), &o.waitMs)) {
        *error = QStringLiteral("--wait takes milliseconds from 0 to %1, not \"%2\"")
                     .arg(LongestWaitMs)
                     .arg(parser.value(wait));
        return false;
    }
    o.datagramGiven = parser.isSet(datagramSize);
    if (o.datagramGiven && !parseDatagramSize(parser.value(datagramSize), &o.jumboPacket)) {
        *error = QStringLiteral(
                     "--datagram-size takes optimal, 1448 (or 1500), 2920, 4360, 5800, 7240 or 8680, not "
                     "\"%1\"")
                     .arg(parser.value(datagramSize));
        return false;
    }
    return true;
}

bool OptionReader::readMode(ScanOptions &o, QString *error) const {
    const bool watching = parser.isSet(watch), listing = parser.isSet(list),
               moving = parser.isSet(setAddress);
    if (int(listing) + int(moving) + int(parser.isSet(doctor)) + int(watching) > 1)
        *error = QStringLiteral("--list-adapters, --set-address, --doctor and --watch cannot be combined");
    else if ((parser.isSet(rescan) || parser.isSet(duration) || parser.isSet(metricsFile)) && !watching)
        *error = QStringLiteral("--rescan, --duration and --metrics-file go with --watch only");
    else if (watching && o.waitGiven)
        *error = QStringLiteral("--watch does not take --wait (see --rescan)");
    else if (listing && (o.adapterGiven || o.waitGiven || o.datagramGiven))
        *error = QStringLiteral("--list-adapters takes only --json");
    else if (moving && o.datagramGiven)
        *error = QStringLiteral("--set-address does not take --datagram-size");
    o.mode = watching               ? ScanOptions::Watch
             : parser.isSet(doctor) ? ScanOptions::Doctor
             : listing              ? ScanOptions::ListAdapters
             : moving               ? ScanOptions::SetAddress
                                    : ScanOptions::Scan;
    return error->isEmpty();
}

} // namespace

bool parseScanOptions(const QStringList &arguments, ScanOptions *options, QString *error) {
    OptionReader reader;
    ScanOptions o;
    if (!reader.parse(arguments, error)) return false;
    if (reader.help()) {
        o.mode = ScanOptions::Help;
    } else if (reader.version()) {
        o.mode = ScanOptions::Version;
    } else if (!reader.readAddressChange(o, error) || !reader.readValues(o, error) ||
               !reader.readMode(o, error)) {
        return false;
    }
    *options = o;
    return true;
}
