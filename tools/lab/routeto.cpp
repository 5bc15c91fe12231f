// varnix-route ADDRESS...: what the system's routing table says about each destination, one line each,
// as the program's route look-up reads it; for the lab's checks by hand and its tests, also under Wine.
//   10.88.0.5 via 10.77.1.254 dev lab0 src 10.77.1.1
//   10.77.1.1 local dev lo src 10.77.1.1
//   10.99.0.1 no route
// Exit 0 when every destination has a route, 1 when one has none, 2 for an argument that is no address
// or a routing table that cannot be read.
#include "net/addresses.h"
#include "platform/routelookup.h"

#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: varnix-route ADDRESS...\n");
        return 2;
    }
    int rc = 0;
    for (int i = 1; i < argc; ++i) {
        quint32 to = 0;
        if (!parseStrictIp(QString::fromLocal8Bit(argv[i]), &to)) {
            std::fprintf(stderr, "varnix-route: %s is not an address\n", argv[i]);
            return 2;
        }
        platform::HostRoute route;
        const platform::RouteAnswer answer = platform::systemRoutes().routeTo(to, route);
        if (answer == platform::RouteAnswer::Unknown) {
            std::fprintf(stderr, "varnix-route: the system's routing table cannot be read\n");
            return 2;
        }
        const QString via = route.gateway ? QStringLiteral(" via ") + ipToText(route.gateway) : QString();
        if (answer == platform::RouteAnswer::NoRoute) {
            std::printf("%s no route\n", argv[i]);
            rc = 1;
            continue;
        }
        std::printf("%s%s%s dev %s src %s\n", qPrintable(ipToText(to)), route.local ? " local" : "",
                    qPrintable(via), route.interfaceName.c_str(), qPrintable(ipToText(route.source)));
    }
    return rc;
}
