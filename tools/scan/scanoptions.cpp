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
    for (int i = 0; i < DatagramSizeCount; ++i) {
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

// The datagram sizes an option takes, the last after "or": "1448 (or 1500), 2920, ... or 8680".
QString sizeList(const QString &separator, const QString &afterFirst) {
    QString text = QString::number(datagramSizes[0]) + afterFirst;
    for (int i = 1; i < DatagramSizeCount; ++i)
        text += (i == 1                                                          ? QString()
                 : i + 1 == DatagramSizeCount && separator != QLatin1String("|") ? QStringLiteral(" or ")
                                                                                 : separator) +
                QString::number(datagramSizes[i]);
    return text;
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

namespace {

QCommandLineOption option(const QStringList &names, const QString &description, const char *value = nullptr) {
    return value ? QCommandLineOption(names, description, QLatin1String(value))
                 : QCommandLineOption(names, description);
}

// Every option with what --help says of it; the parser and the usage text are both made from these.
struct Options {
    const QCommandLineOption adapter =
        option({QStringLiteral("adapter")},
               QStringLiteral(
                   "adapter name as --list-adapters prints it, or \"%1\"; default: the adapter stored in the "
                   "settings")
                   .arg(QLatin1String(AllAdaptersName)),
               "NAME");
    const QCommandLineOption wait = option(
        {QStringLiteral("wait")},
        QStringLiteral(
            "listen exactly this long; without it, until every camera found has answered and no new one "
            "came for 500 ms, 3500 at the most"),
        "MS");
    const QCommandLineOption datagramSize = option(
        {QStringLiteral("datagram-size")},
        QStringLiteral(
            "datagram size the conflict check assumes (1500: the window's \"1500 (standard)\", that is "
            "1448); default: the size stored in the settings"),
        "SIZE");
    const QCommandLineOption json =
        option({QStringLiteral("json")}, QStringLiteral("print one JSON object instead of text"));
    const QCommandLineOption csv =
        option({QStringLiteral("csv")},
               QStringLiteral(
                   "print the camera list as CSV (RFC 4180, UTF-8): a header row, then one row per camera; "
                   "a field a spreadsheet would run as a formula starts with ' so that it stays text"));
    const QCommandLineOption list =
        option({QStringLiteral("list-adapters")}, QStringLiteral("list the network adapters and exit"));
    // Takes the camera's address as its value, the new address and mask after it.
    const QCommandLineOption setAddress =
        option({QStringLiteral("set-address")},
               QStringLiteral(
                   "give the camera answering from CAMERA_IP a new address and mask, listen again until it "
                   "answers at NEW_IP (at most the wait) and report it with its name and status (exit 0), or "
                   "that none answers (1)"),
               "CAMERA_IP NEW_IP NEW_MASK");
    const QCommandLineOption assign =
        option({QStringLiteral("assign-addresses")},
               QStringLiteral(
                   "find the cameras, then plan a free address in its adapter's subnet for every camera that "
                   "shares its address or lies outside the subnet (of cameras at one address one keeps it) "
                   "and print the plan; nothing is sent without --apply"));
    const QCommandLineOption first =
        option({QStringLiteral("first")},
               QStringLiteral("--assign-addresses: the first address the plan may give"), "IP");
    const QCommandLineOption apply = option(
        {QStringLiteral("apply")},
        QStringLiteral(
            "--assign-addresses: give each camera its address (by its MAC address, 200 ms apart), look "
            "again and print whether each answers there; exit 0 when all do (or none had to move), 1 "
            "when one does not"));
    const QCommandLineOption doctor = option(
        {QStringLiteral("doctor")},
        QStringLiteral("find the cameras, then say what is wrong with the network and how to fix it; exit 0 "
                       "without a problem, 1 with one (warnings do not count)"));
    const QCommandLineOption watch =
        option({QStringLiteral("watch")},
               QStringLiteral(
                   "follow the cameras and print one line per event (found, name, status, options, clips, "
                   "conflict, not-responding, responding, lost) until interrupted or for --duration"));
    const QCommandLineOption rescan = option(
        {QStringLiteral("rescan")}, QStringLiteral("--watch: rediscover the cameras on this period"), "MS");
    const QCommandLineOption duration =
        option({QStringLiteral("duration")}, QStringLiteral("--watch: stop after this long"), "MS");
    const QCommandLineOption metricsFile =
        option({QStringLiteral("metrics-file")},
               QStringLiteral("--watch: keep PATH up to date in the Prometheus text format"), "PATH");
    const QCommandLineOption waitForAdapter = option(
        {QStringLiteral("wait-for-adapter")},
        QStringLiteral("--watch: an adapter given by --adapter that is not there yet is waited for instead "
                       "of refused; the watch begins once it is there"));
    const QCommandLineOption target = option(
        {QStringLiteral("target")},
        QStringLiteral(
            "also ask this address, or every address of this range (at most a /22), by unicast in every "
            "discovery round: cameras behind a router, which no broadcast reaches; repeatable, also a "
            "comma-separated list"),
        "ADDRESS[/PREFIX]");
    const QCommandLineOption expect = option(
        {QStringLiteral("expect")},
        QStringLiteral(
            "a saved camera list (what --json prints) is the line as it should be: a scan also says which "
            "of its cameras are present, missing, moved or unexpected (exit 1 unless all are as "
            "expected), --doctor adds its findings, --watch its metrics and events"),
        "FILE");
    const QCommandLineOption help =
        option({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("show this text"));
    const QCommandLineOption version =
        option({QStringLiteral("version")}, QStringLiteral("print the version"));

    // In the order --help lists them.
    QList<QCommandLineOption> all() const {
        return {adapter,     wait,           datagramSize, json,   csv,   list,   setAddress,
                assign,      first,          apply,        doctor, watch, rescan, duration,
                metricsFile, waitForAdapter, target,       expect, help,  version};
    }
};

constexpr int UsageWidth = 100;
constexpr int UsageIndent = 24;

// "  --name VALUE" and the description after it, wrapped at the usage width.
QString usageLines(const QCommandLineOption &o) {
    QStringList names;
    for (const QString &name : o.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString head = QStringLiteral("  ") + names.join(QLatin1String(", "));
    if (!o.valueName().isEmpty()) head += QLatin1Char(' ') + o.valueName();
    QString out, line = head.size() + 2 > UsageIndent ? head + QLatin1Char('\n') + QString(UsageIndent, ' ')
                                                      : head.leftJustified(UsageIndent);
    int used = line.size() - line.lastIndexOf(QLatin1Char('\n')) - 1;
    bool first = true;
    for (const QString &word : o.description().split(QLatin1Char(' '))) {
        if (!first && used + 1 + word.size() > UsageWidth) {
            out += line + QLatin1Char('\n');
            line = QString(UsageIndent, ' ');
            used = UsageIndent;
            first = true;
        }
        if (!first) {
            line += QLatin1Char(' ');
            ++used;
        }
        line += word;
        used += word.size();
        first = false;
    }
    return out + line + QLatin1Char('\n');
}

} // namespace

QString scanUsage() {
    QString text =
        QStringLiteral("Usage:\n"
                       "  varnix-scan [--adapter NAME] [--wait MS]\n"
                       "              [--datagram-size optimal|%2] [--json | --csv]\n"
                       "              [--target ADDRESS[/PREFIX]]... [--expect FILE]\n"
                       "  varnix-scan --list-adapters [--json]\n"
                       "  varnix-scan --set-address CAMERA_IP NEW_IP NEW_MASK [--adapter NAME] [--wait MS] "
                       "[--json]\n"
                       "  varnix-scan --assign-addresses [--adapter NAME] [--first IP] [--apply] [--wait MS] "
                       "[--json]\n"
                       "  varnix-scan --doctor [--adapter NAME] [--wait MS] [--datagram-size SIZE] [--json]\n"
                       "  varnix-scan --watch [--adapter NAME] [--datagram-size SIZE] [--rescan MS] "
                       "[--duration MS] [--json]\n"
                       "              [--metrics-file PATH] [--wait-for-adapter]\n"
                       "  --target goes with every mode but --list-adapters; --expect with a scan, --doctor "
                       "and --watch.\n"
                       "\n"
                       "Finds the cameras on one network adapter (or on all of them with \"%1\") and prints\n"
                       "them with the first network conflict the camera list would warn about.\n"
                       "\n")
            .arg(QLatin1String(AllAdaptersName), sizeList(QStringLiteral("|"), QStringLiteral("|1500|")));
    for (const QCommandLineOption &o : Options().all())
        text += usageLines(o);
    return text +
           QStringLiteral(
               "\n"
               "Exit codes: 0 done; 1 the new address was not confirmed, a camera planned by\n"
               "--assign-addresses has no free address or does not answer at it, or --doctor found a "
               "problem;\n"
               "with --expect, a scan exits 1 when a camera of the line is missing or moved or one not in\n"
               "it answers;\n"
               "2 bad arguments (an option given twice, an address that does not parse or that a camera\n"
               "must not take, a metrics file that is not a regular file, a first address outside the\n"
               "adapter's subnet), an unknown adapter or, for --assign-addresses, an adapter without an\n"
               "address, a --target refused or without a route through the adapter, an --expect file that\n"
               "is no camera list, or a camera behind a router given a new address: nothing was sent.\n"
               "The settings are read, never written.\n");
}

namespace {

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
    const Options options_;
    const QCommandLineOption &help_ = options_.help, &version_ = options_.version, &json = options_.json,
                             &csv = options_.csv, &list = options_.list, &doctor = options_.doctor,
                             &watch = options_.watch, &setAddress = options_.setAddress,
                             &adapter = options_.adapter, &wait = options_.wait,
                             &datagramSize = options_.datagramSize, &rescan = options_.rescan,
                             &duration = options_.duration, &metricsFile = options_.metricsFile,
                             &assign = options_.assign, &first = options_.first, &apply = options_.apply,
                             &waitForAdapter = options_.waitForAdapter, &target = options_.target,
                             &expect = options_.expect;
    QCommandLineParser parser;
};

bool OptionReader::parse(const QStringList &arguments, QString *error) {
    QStringList valuedNames;
    for (const QCommandLineOption &option :
         {setAddress, adapter, wait, datagramSize, rescan, duration, metricsFile, first, target, expect})
        valuedNames << option.names();
    *error = refusalBeforeParsing(arguments, valuedNames);
    if (!error->isEmpty()) return false;
    parser.addOptions(options_.all());
    if (parser.parse(QStringList(QStringLiteral("varnix-scan")) + arguments)) {
        // A second value would silently win over the first; which one was meant is not known.
        QStringList seen;
        for (QString name : parser.optionNames()) {
            if (name == QLatin1String("h")) name = QStringLiteral("help");
            if (name == QLatin1String("target")) continue; // adds its addresses each time
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
    o.csv = parser.isSet(csv);
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
    if (parser.isSet(first) && !parseStrictIp(parser.value(first), &o.firstIp)) {
        *error = QStringLiteral("--first \"%1\" is not four numbers from 0 to 255 separated by dots")
                     .arg(parser.value(first));
        return false;
    }
    o.apply = parser.isSet(apply);
    o.waitForAdapter = parser.isSet(waitForAdapter);
    o.targets = parser.values(target);
    o.expectFile = parser.value(expect);
    if (parser.isSet(expect) && o.expectFile.isEmpty()) {
        *error = QStringLiteral("--expect needs a file");
        return false;
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
        *error = QStringLiteral("--datagram-size takes optimal, %1, not \"%2\"")
                     .arg(sizeList(QStringLiteral(", "), QStringLiteral(" (or 1500), ")),
                          parser.value(datagramSize));
        return false;
    }
    return true;
}

bool OptionReader::readMode(ScanOptions &o, QString *error) const {
    const bool watching = parser.isSet(watch), listing = parser.isSet(list),
               moving = parser.isSet(setAddress), assigning = parser.isSet(assign);
    if (int(listing) + int(moving) + int(parser.isSet(doctor)) + int(watching) + int(assigning) > 1)
        *error = QStringLiteral(
            "--list-adapters, --set-address, --assign-addresses, --doctor and --watch cannot be combined");
    else if (o.csv && (o.json || listing || moving || parser.isSet(doctor) || watching || assigning))
        *error = QStringLiteral("--csv goes with a scan only, without --json");
    else if ((parser.isSet(first) || o.apply) && !assigning)
        *error = QStringLiteral("--first and --apply go with --assign-addresses only");
    else if (assigning && o.datagramGiven)
        *error = QStringLiteral("--assign-addresses does not take --datagram-size");
    else if ((parser.isSet(rescan) || parser.isSet(duration) || parser.isSet(metricsFile)) && !watching)
        *error = QStringLiteral("--rescan, --duration and --metrics-file go with --watch only");
    else if (watching && o.waitGiven)
        *error = QStringLiteral("--watch does not take --wait (see --rescan)");
    else if (parser.isSet(waitForAdapter) && !watching)
        *error = QStringLiteral("--wait-for-adapter goes with --watch only");
    else if (listing && (o.adapterGiven || o.waitGiven || o.datagramGiven))
        *error = QStringLiteral("--list-adapters takes only --json");
    else if (moving && o.datagramGiven)
        *error = QStringLiteral("--set-address does not take --datagram-size");
    else if (listing && parser.isSet(target))
        *error = QStringLiteral("--list-adapters does not take --target");
    else if (parser.isSet(expect) && (o.csv || listing || moving || assigning))
        *error = QStringLiteral("--expect goes with a scan (not --csv), --doctor or --watch");
    o.mode = watching               ? ScanOptions::Watch
             : parser.isSet(doctor) ? ScanOptions::Doctor
             : listing              ? ScanOptions::ListAdapters
             : moving               ? ScanOptions::SetAddress
             : assigning            ? ScanOptions::AssignAddresses
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
