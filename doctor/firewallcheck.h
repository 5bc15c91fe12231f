#pragma once

#include <QList>
#include <QString>

struct Finding;
struct NetworkFacts;

// `firewall`: the packet filter drops the cameras' replies. The fix goes through whoever owns the
// rules (ufw, firewalld, or nft itself); `adapter` as for diagnose.
QList<Finding> firewallFindings(const NetworkFacts &facts, const QString &adapter);
