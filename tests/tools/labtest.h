#pragma once

// What the varnix-scan lab tests share: the lab run (tools/lab/netlab.sh with simulated cameras and a
// driver script in its app namespace), its output directory, and readers of what each run left there.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

// For the driver: `run TAG ARGS...` runs varnix-scan ($SCAN, a command prefix split at spaces: VARNIX_SCAN
// runs another build of the scanner, the Windows one under Wine, through the same cases) and leaves TAG.out,
// TAG.err and TAG.rc in $OUT; `camns LINK` names the camera namespace behind a link.
const char *const labShell = R"(cd "$OUT" || exit 3
run() { local tag=$1; shift; $SCAN "$@" >"$tag.out" 2>"$tag.err"; echo $? >"$tag.rc"; }
camns() { for l in $VARNIX_LAB_CAMNS; do [[ ${l%%=*} == "$1" ]] && echo "${l#*=}"; done; }
)";

struct Lab {
    QTemporaryDir out, config; // config: the scan's settings store, empty unless a test writes one

    QString file(const QString &name) const { return QDir(out.path()).filePath(name); }
    QByteArray read(const QString &name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    const QJsonObject json(const QString &tag) const {
        return QJsonDocument::fromJson(read(tag + ".out")).object();
    }
    static bool write(const QString &path, const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    // netlab's --link argument for the simulator's camera list `cameras` (JSON) behind link `name`.
    QString link(const QString &name, int mtu, const QString &cidr, const QByteArray &cameras) const {
        const QString path = file(name + ".json");
        return write(path, cameras) ? QString("%1:%2:%3:%4").arg(name).arg(mtu).arg(cidr, path) : QString();
    }
    // Builds the lab with `args` and runs `driver` in its app namespace. netlab's exit code (77: no
    // namespaces here), or -1 when it did not finish in time.
    int run(const QStringList &args, const QString &driver, int timeoutMs = 120000) {
        QProcess lab;
        lab.setEnvironment(QProcess::systemEnvironment()
                           << "XDG_CONFIG_HOME=" + config.path() << "OUT=" + out.path()
                           << "SCAN=" + qEnvironmentVariable("VARNIX_SCAN", VARNIX_SCAN_PATH));
        lab.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lab.start("bash", QStringList{NETLAB_PATH, "--camsim", VARNIX_CAMSIM_PATH, "--logdir", out.path()} +
                              args + QStringList{"--", "bash", "-c", labShell + driver});
        return lab.waitForFinished(timeoutMs) ? lab.exitCode() : -1;
    }
};

// Runs a lab from a test function; skips where no network namespace can be made.
#define RUN_LAB(lab, ...)                                                                                    \
    do {                                                                                                     \
        if (geteuid() != 0) QSKIP("needs root for network namespaces");                                      \
        const int exitCode = (lab).run(__VA_ARGS__);                                                         \
        if (exitCode == 77) QSKIP("network namespaces are not available");                                   \
        QCOMPARE(exitCode, 0);                                                                               \
    } while (false)

inline const QJsonObject find(const QJsonValue &array, const QString &key, const QString &value) {
    for (const QJsonValue &v : array.toArray())
        if (v[key].toString() == value) return v.toObject();
    return {};
}
