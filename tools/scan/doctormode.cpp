#include "discoverywait.h"
#include "report/doctortext.h"
#include "report/linereport.h"
#include "scancli.h"
#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "doctor/diagnosis.h"
#include "doctor/networkcheck.h"
#include "net/adapters.h"

#include <QEventLoop>
#include <QJsonDocument>

namespace {

// A camera found at the very end of the wait still gets this long to answer its opening requests.
constexpr int AnswerGraceMs = 1000;

} // namespace

int doctorMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
               int jumboPacket) {
    UdpCamManager manager;
    manager.setTargets(o.targetAddresses);
    manager.restartDiscovery(&chosen);
    const bool expecting = !o.expectFile.isEmpty();
    const ExpectedLine line = lineBehind(o.expected, chosen);
    listenForCameras(manager, o, AnswerGraceMs, [&] {
        return expecting && !compareLine(line, lineCameras(heardSnapshots(manager))).missing.isEmpty();
    });

    NetworkCheck check;
    QEventLoop loop;
    QObject::connect(&check, &NetworkCheck::finished, &loop, &QEventLoop::quit);
    check.start(networkCheckInput(manager, chosen, adapters, datagramSizeFor(jumboPacket)));
    if (check.isRunning()) loop.exec();
    NetworkCheckResult result = check.result();
    if (expecting) addLineFindings(result, o.expected, chosen);
    const QList<Finding> &findings = result.findings;
    const QList<SeenCamera> &cameras = result.cameras;
    bool problem = false;
    for (const Finding &f : findings)
        problem = problem || f.severity == Severity::Problem;

    if (o.json) {
        printTo(stdout,
                QString::fromUtf8(QJsonDocument(doctorReportJson(result)).toJson(QJsonDocument::Indented)));
    } else {
        QString text = QStringLiteral("Adapter: %1, %2 camera(s) found\n\n")
                           .arg(result.adapter)
                           .arg(manager.cameraCount());
        text += shortNote(manager);
        if (!result.unreadable.isEmpty())
            text += QStringLiteral("Not readable here, so not checked: %1.\n\n")
                        .arg(unreadableNames(result.unreadable).join(QLatin1String("; ")));
        for (const Finding &f : findings)
            text += findingText(f, cameras) + QLatin1Char('\n');
        printTo(stdout, text + pathNotes(cameras) + findingsSummary(findings));
    }
    return problem ? 1 : 0;
}
