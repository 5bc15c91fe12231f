#include "ui/adapterchoice.h"

#include "net/adapterfollower.h"
#include "net/addresses.h"

AdapterChoice::AdapterChoice(const QString &chosen, QObject *parent)
    : QObject(parent), follower_(new AdapterFollower(this)), known_(follower_->inventory()) {
    // The window falls back to every adapter when the stored one is not there at the start.
    const NetAdapterInfo *stored = adapterNamed(known_, chosen);
    chosen_ = stored ? chosen : QString::fromLatin1(AllAdaptersName);
    if (stored) lastSeen_ = *stored;
    fillEntries();
    connect(follower_, &AdapterFollower::adaptersChanged, this, &AdapterChoice::adaptersChanged);
}

int AdapterChoice::chosenRow() const {
    for (int row = entries_.size() - 1; row > 0; --row) {
        if (QString::fromLocal8Bit(entries_.at(row).name) == chosen_) return row;
    }
    return 0;
}

void AdapterChoice::choose(int row) {
    unreachable_.clear();
    const bool wasGone = isGone(chosenRow());
    chosen_ = QString::fromLocal8Bit(entries_.value(row, allAdaptersEntry()).name);
    if (!isGone(row)) lastSeen_ = entries_.value(row);
    // A gone adapter no longer chosen leaves the list.
    if (wasGone && !isGone(chosenRow())) fillEntries();
}

QString AdapterChoice::entryText(int row) const {
    const NetAdapterInfo &a = entries_.at(row);
    const QString description = QString::fromLocal8Bit(a.description);
    return isGone(row) ? tr("%1 [gone]").arg(description)
                       : description + QStringLiteral(" [") + ipToText(a.ip) + QStringLiteral("]");
}

bool AdapterChoice::isGone(int row) const {
    return row > 0 && row < entries_.size() &&
           !adapterNamed(known_, QString::fromLocal8Bit(entries_.at(row).name));
}

QString AdapterChoice::unreachableText() {
    return tr("Its adapter is gone: this camera cannot be reached until the adapter is back.");
}

void AdapterChoice::fillEntries() {
    entries_ = QList<NetAdapterInfo>{allAdaptersEntry()} + known_.mid(0, MaxAdapters - 1);
    // The chosen adapter stays in the list while it is gone, without an address, so that the choice is
    // kept by its name.
    if (!namesAllAdapters(chosen_) && !adapterNamed(known_, chosen_)) {
        NetAdapterInfo gone = lastSeen_;
        gone.ip = gone.mask = 0;
        entries_ << gone;
    }
    emit entriesChanged();
}

void AdapterChoice::adaptersChanged() {
    const QList<NetAdapterInfo> now = follower_->inventory();
    QStringList names;
    if (namesAllAdapters(chosen_)) {
        for (const NetAdapterInfo &a : known_ + now)
            names << QString::fromLocal8Bit(a.name);
        names.removeDuplicates();
    } else {
        names << chosen_;
    }
    QStringList said;
    bool lookAgain = false;
    for (const QString &name : qAsConst(names)) {
        const NetAdapterInfo *before = adapterNamed(known_, name), *after = adapterNamed(now, name);
        switch (adapterChange(before, after)) {
        case AdapterChange::Readdressed:
            said << tr("%1 is now at %2: looking for its cameras again.")
                        .arg(QString::fromLocal8Bit(after->description), ipToText(after->ip));
            lookAgain = true;
            break;
        case AdapterChange::Back:
            said << tr("%1 is up: looking for its cameras.").arg(QString::fromLocal8Bit(after->description));
            lookAgain = true;
            break;
        case AdapterChange::Vanished:
            said << tr("%1 is gone: its cameras cannot be reached until it is back.")
                        .arg(QString::fromLocal8Bit(before->description));
            unreachable_ << before->ip;
            break;
        case AdapterChange::Same:
            break;
        }
    }
    if (const NetAdapterInfo *chosen = adapterNamed(now, chosen_)) lastSeen_ = *chosen;
    known_ = now;
    fillEntries();
    if (!said.isEmpty()) emit chosenChanged(said.join(QLatin1Char(' ')), lookAgain);
}
