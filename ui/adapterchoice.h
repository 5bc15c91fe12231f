#pragma once

#include "net/adapters.h"

#include <QList>
#include <QObject>
#include <QString>

class AdapterFollower;

// The window's adapters as they come, go and change: the entries it offers (every adapter at once first,
// then those the system lists, and the chosen one kept by name while it is gone) and what became of the
// chosen ones, in the window's language.
class AdapterChoice : public QObject {
    Q_OBJECT
public:
    // Chooses the adapter called `chosen`, every adapter when there is none of that name.
    explicit AdapterChoice(const QString &chosen, QObject *parent = nullptr);

    const QList<NetAdapterInfo> &entries() const { return entries_; }
    int chosenRow() const;
    // A new look at the cameras of the entry at `row`: what was gone before is forgotten.
    void choose(int row);
    // The entry's text in the list (not for the first, every adapter at once).
    QString entryText(int row) const;
    // Whether the entry stands for the chosen adapter while it is gone: nothing can be found through it.
    bool isGone(int row) const;
    // The addresses of the chosen adapters that went since the last look: their cameras cannot be reached.
    const QList<quint32> &unreachable() const { return unreachable_; }
    static QString unreachableText();

signals:
    void entriesChanged();
    // The chosen adapters changed: `note` says how; `lookAgain` when their cameras are to be found anew.
    void chosenChanged(const QString &note, bool lookAgain);

private:
    void adaptersChanged();
    void fillEntries();

    AdapterFollower *follower_;
    QString chosen_;              // by name; AllAdaptersName for every adapter
    QList<NetAdapterInfo> known_; // as the system listed them at the last look
    NetAdapterInfo lastSeen_;     // the chosen adapter as last listed
    QList<NetAdapterInfo> entries_;
    QList<quint32> unreachable_;
};
