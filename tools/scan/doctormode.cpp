#include "discoverywait.h"
#include "doctorreport.h"
#include "scancli.h"
#include "scanreport.h"

#include "cameras/conflicts.h"
#include "cameras/diagnosis.h"
#include "cameras/pathprober.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/netfacts.h"
#include "platform/networkfacts.h"

#include <QEventLoop>
#include <QJsonDocument>

namespace {

// A camera found at the very end of the wait still gets this long to answer its opening requests.
constexpr int AnswerGraceMs = 1000;

} // namespace

int doctorMode(const ScanOptions &o, const QList<NetAdapterInfo> &adapters, const NetAdapterInfo &chosen,
               int jumboPacket) {
    UdpCamManager manager;
    manager.restartDiscovery(&chosen);
    listenForCameras(manager, o, AnswerGraceMs);

    QList<SeenCamera> cameras = seenCameras(manager);
    const quint32 datagramSize = datagramSizeFor(jumboPacket);
    if (datagramSize > 0) {
        PathProber prober;
        QEventLoop loop;
        QObject::connect(&prober, &PathProber::finished, &loop, &QEventLoop::quit);
        prober.start(pathTargets(cameras), pathPacketSize(datagramSize));
        if (prober.isRunning()) loop.exec();
        for (auto it = prober.results().constBegin(); it != prober.results().constEnd(); ++it)
            cameras[it.key()].path = it.value();
    }

    const NetworkFacts facts = gatherNetworkFacts(adapters, platform::systemNetworkFacts());
    const QString adapterName = QString::fromLocal8Bit(chosen.name);
    const QList<Finding> findings = diagnose(facts, cameras, datagramSize, adapterName) +
                                    impossibleSourceFindings(manager.impossibleSenders());
    bool problem = false;
    for (const Finding &f : findings)
        problem = problem || f.severity == Severity::Problem;

    if (o.json) {
        const QJsonObject out = doctorReportJson(adapterName, facts, manager, cameras, findings);
        printTo(stdout, QString::fromUtf8(QJsonDocument(out).toJson(QJsonDocument::Indented)));
    } else {
        QString text =
            QStringLiteral("Adapter: %1, %2 camera(s) found\n\n").arg(adapterName).arg(manager.cameraCount());
        text += shortNote(manager);
        if (!facts.unreadable.isEmpty())
            text += QStringLiteral("Not readable here, so not checked: %1.\n\n")
                        .arg(unreadableNames(facts.unreadable).join(QLatin1String("; ")));
        for (const Finding &f : findings)
            text += findingText(f, cameras) + QLatin1Char('\n');
        printTo(stdout, text + pathNotes(cameras) + findingsSummary(findings));
    }
    return problem ? 1 : 0;
}
