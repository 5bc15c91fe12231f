#include "linereport.h"

#include "camerafields.h"

#include "net/adapters.h"
#include "net/addresses.h"

namespace {

// A discovery wait long enough for a camera still starting up.
constexpr int LongerWaitMs = 10000;

QString macText(quint64 mac) {
    return macToText(quint32(mac), quint32(mac >> 32));
}

QString ipText(quint32 ip) {
    return ip == NoIp ? QStringLiteral("-") : ipToText(ip);
}

// "\"Bay 7\" 00:0c:9c:00:00:27 at 10.77.1.27", the name left out when there is none.
QString lineWho(const LineCamera &c) {
    const QString mac = macText(c.mac);
    const QString who = c.name.isEmpty() ? mac : QStringLiteral("\"%1\" %2").arg(visibleText(c.name), mac);
    return c.ip == NoIp ? who : QStringLiteral("%1 at %2").arg(who, ipToText(c.ip));
}

// The camera of the line as a finding names it: "\"Bay 7\" (MAC ..., serial ...)".
QString lineCameraText(const LineCamera &c) {
    QString details = FindingTexts::tr("MAC %1").arg(macText(c.mac));
    if (!c.serial.isEmpty()) details = FindingTexts::tr("%1, serial %2").arg(details, c.serial);
    return c.name.isEmpty() ? details : QStringLiteral("\"%1\" (%2)").arg(visibleText(c.name), details);
}

const SeenCamera *seenAs(const QList<SeenCamera> &cameras, const LineCamera &heard) {
    for (const SeenCamera &c : cameras) {
        if (lineCamera(c).mac == heard.mac && c.info.cameraIp == heard.ip &&
            c.info.adapterIp == heard.adapterIp)
            return &c;
    }
    return nullptr;
}

QString adapterCalled(const NetworkFacts &facts, quint32 ip) {
    for (const AdapterFacts &a : facts.adapters)
        if (a.adapter.ip == ip) return adapterName(a);
    return ipText(ip);
}

Finding lineFinding(const char *code, Severity severity, const QString &adapter, const QString &text) {
    Finding f;
    f.code = QLatin1String(code);
    f.severity = severity;
    f.adapter = adapter;
    f.text = text;
    return f;
}

Fix lineAdvice(const char *text) {
    return Fix::advice(FindingTexts::tr(text));
}

const char *const saveAgain = QT_TRANSLATE_NOOP(
    "FindingTexts", "If the line has changed for good, save the camera list again as the expected line");

Finding missingFinding(const LineEntry &e, const NetworkFacts &facts, const QList<SeenCamera> &cameras) {
    const LineCamera &c = e.expected;
    QString text =
        c.ip == NoIp
            ? FindingTexts::tr("Camera %1 of the expected line did not answer.").arg(lineCameraText(c))
            : FindingTexts::tr("Camera %1 of the expected line did not answer at %2.")
                  .arg(lineCameraText(c), ipToText(c.ip));
    Finding f = lineFinding("missing-camera", Severity::Problem,
                            c.adapterIp == NoIp ? QString() : adapterCalled(facts, c.adapterIp), text);
    const SeenCamera *copy = e.copiedMac ? seenAs(cameras, e.heard) : nullptr;
    if (copy) {
        f.text +=
            QLatin1Char(' ') + FindingTexts::tr("Camera %1 answers with its MAC address but another serial "
                                                "number (%2): a different camera with a copied MAC "
                                                "address.")
                                   .arg(findingCamera(*copy), e.heard.serial);
        f.cameras << copy->ref();
    }
    f.absent << AbsentCamera{macText(c.mac), c.serial, c.name, c.ip == NoIp ? 0 : c.ip,
                             c.adapterIp == NoIp ? 0 : c.adapterIp};
    Fix longer;
    longer.kind = Fix::ListenLonger;
    longer.waitMs = LongerWaitMs;
    f.fixes << longer;
    return f;
}

Finding movedFinding(const LineEntry &e, const NetworkFacts &facts, const SeenCamera &seen,
                     const QList<LineCamera> &heard) {
    const LineCamera &was = e.expected, &is = e.heard;
    const QString now = findingCamera(seen);
    const QString adapterNow = adapterCalled(facts, is.adapterIp),
                  adapterWas = adapterCalled(facts, was.adapterIp);
    QString text;
    if (e.moves == (MovedAddress | MovedAdapter))
        text = FindingTexts::tr(
                   "Camera %1 answers through %2, not at %3 through %4 where the expected line has it.")
                   .arg(now, adapterNow, ipToText(was.ip), adapterWas);
    else if (e.moves == MovedAdapter)
        text =
            FindingTexts::tr("Camera %1 answers through %2, not through %3 where the expected line has it.")
                .arg(now, adapterNow, adapterWas);
    else
        text = FindingTexts::tr("Camera %1 answers there, not at %2 where the expected line has it.")
                   .arg(now, ipToText(was.ip));
    Finding f = lineFinding("moved-camera", Severity::Warning, adapterNow, text);
    f.cameras << seen.ref();
    const UdpCamInfo &c = seen.info;
    const bool onSubnet = (was.ip & c.adapterMask) == (c.adapterIp & c.adapterMask);
    const quint32 mask = onSubnet ? c.adapterMask : c.cameraMask;
    bool taken = false;
    for (const LineCamera &other : heard)
        taken = taken || (other.ip == was.ip && other.mac != is.mac);
    if (e.moves & MovedAdapter) {
        f.fixes << Fix::advice(
            FindingTexts::tr("Connect it to %1 again, where the expected line has it").arg(adapterWas));
    } else if (!isRouted(c) && !taken &&
               judgeCameraAddress(was.ip, mask, c.adapterIp) == AddressVerdict::Usable) {
        Fix back;
        back.kind = Fix::MoveCamera;
        back.camera = c.cameraIp, back.address = was.ip, back.mask = mask;
        back.adapter = adapterNow;
        back.backToLine = true;
        f.fixes << back;
    } else {
        f.fixes << Fix::advice(FindingTexts::tr("Give it the address %1 again").arg(ipToText(was.ip)));
    }
    f.fixes << lineAdvice(saveAgain);
    return f;
}

Finding unexpectedFinding(const LineEntry &e, const NetworkFacts &facts, const SeenCamera &seen) {
    const QString who = findingCamera(seen);
    const QString adapter = adapterCalled(facts, e.heard.adapterIp);
    if (!e.copiedMac) {
        Finding f =
            lineFinding("unexpected-camera", Severity::Warning, adapter,
                        FindingTexts::tr("Camera %1 answers but is not in the expected line.").arg(who));
        f.cameras << seen.ref();
        f.fixes << lineAdvice(QT_TRANSLATE_NOOP("FindingTexts",
                                                "If it belongs to the line, save the camera list "
                                                "again as the expected line; otherwise take it off "
                                                "the camera network"));
        return f;
    }
    Finding f = lineFinding("unexpected-camera", Severity::Warning, adapter,
                            FindingTexts::tr("Camera %1 carries the MAC address of camera %2 of the expected "
                                             "line but another serial number: a different camera with a "
                                             "copied MAC address.")
                                .arg(who, lineCameraText(e.expected)));
    f.cameras << seen.ref();
    f.fixes << lineAdvice(QT_TRANSLATE_NOOP("FindingTexts",
                                            "A MAC address names one camera: have this camera's "
                                            "MAC address corrected by the manufacturer"));
    return f;
}

} // namespace

LineCamera lineCamera(const CameraSnapshot &camera) {
    const UdpCamInfo &i = camera.info;
    LineCamera c;
    c.mac = quint64(i.macHigh & 0xFFFF) << 32 | i.macLow;
    c.serial = fieldText(CameraField::Serial, camera);
    c.name = camera.name;
    c.ip = i.cameraIp;
    c.adapterIp = i.adapterIp;
    return c;
}

ExpectedLine lineBehind(const ExpectedLine &line, const NetAdapterInfo &scanned) {
    if (isAllAdapters(scanned)) return line;
    ExpectedLine behind;
    for (const LineCamera &c : line.cameras)
        if (c.adapterIp == NoIp || c.adapterIp == scanned.ip) behind.cameras << c;
    return behind;
}

QString lineStandingText(const LineStanding &s) {
    const int expected = int(s.present.size() + s.missing.size() + s.moved.size());
    QString out =
        QStringLiteral("Expected line: %1 of %2 camera(s) present, %3 missing, %4 moved, %5 unexpected.\n")
            .arg(s.present.size())
            .arg(expected)
            .arg(s.missing.size())
            .arg(s.moved.size())
            .arg(s.unexpected.size());
    const auto lines = [&out](const char *state, const QList<LineEntry> &entries, bool fromLine) {
        for (const LineEntry &e : entries) {
            QString line = QStringLiteral("  %1 %2")
                               .arg(QLatin1String(state), -10)
                               .arg(lineWho(fromLine ? e.expected : e.heard));
            if (e.moves & MovedAdapter) line += QStringLiteral(" through %1").arg(ipText(e.heard.adapterIp));
            if (e.moves)
                line +=
                    QStringLiteral(", expected at %1").arg(ipText(e.expected.ip)) +
                    (e.moves & MovedAdapter ? QStringLiteral(" through %1").arg(ipText(e.expected.adapterIp))
                                            : QString());
            if (e.copiedMac)
                line += fromLine ? QStringLiteral(" (another camera answers with its MAC, serial %1)")
                                       .arg(e.heard.serial)
                                 : QStringLiteral(" (copied MAC of the line's camera with serial %1)")
                                       .arg(e.expected.serial);
            out += line + QLatin1Char('\n');
        }
    };
    lines("present", s.present, false);
    lines("missing", s.missing, true);
    lines("moved", s.moved, false);
    lines("unexpected", s.unexpected, false);
    return out;
}

QList<Finding> lineFindings(const LineStanding &standing, const NetworkFacts &facts,
                            const QList<SeenCamera> &cameras) {
    QList<Finding> out;
    const QList<LineCamera> heard = lineCameras(cameras);
    for (const LineEntry &e : standing.missing)
        out << missingFinding(e, facts, cameras);
    for (const LineEntry &e : standing.moved)
        if (const SeenCamera *seen = seenAs(cameras, e.heard)) out << movedFinding(e, facts, *seen, heard);
    for (const LineEntry &e : standing.unexpected)
        if (const SeenCamera *seen = seenAs(cameras, e.heard)) out << unexpectedFinding(e, facts, *seen);
    return out;
}

void addLineFindings(NetworkCheckResult &result, const ExpectedLine &line, const NetAdapterInfo &scanned) {
    const LineStanding standing = compareLine(lineBehind(line, scanned), lineCameras(result.cameras));
    result.findings << lineFindings(standing, result.facts, result.cameras);
    orderFindings(result.findings);
}
