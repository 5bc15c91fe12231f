#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The shell a command is written for; each writes and quotes its words its own way.
enum class ShellDialect {
    Posix,      // sh, bash: sudo, ip, sysctl, ethtool, nft, ufw, firewall-cmd, varnix-scan
    PowerShell, // Set-NetAdapterAdvancedProperty, Set-NetFirewallProfile, ...
    Netsh,      // netsh in a command prompt
};

// One word of a command: written as it is (a command or option name), or a value the dialect quotes
// as needed (an adapter, a rule, a path).
struct CommandWord {
    QString text;
    bool value = false;
};

// A command for a system shell: its steps run one after the other, each only when the one before
// succeeded.
struct ShellCommand {
    ShellDialect dialect = ShellDialect::Posix;
    QList<QList<CommandWord>> steps;
};

// What to do about a finding, with its numbers and names; each front writes it in its own words.
struct Fix {
    enum Kind {
        Advice,             // `text`: something to do by hand, explained
        Command,            // `command` in a system shell; `lead`, when given, offers it as another way
        CheckRoute,         // see that the route to `camera` leaves through `adapter`
        MoveCamera,         // give `camera` the free address `address`/`mask` through `adapter`
        ReaddressCameras,   // give all but one of the cameras at one address an address of its own
        SeparateSubnets,    // give each camera adapter a subnet of its own and move its cameras into it
        ChooseDatagramSize, // the cameras' datagram size: `datagramSize`, or 0 for another one
        ListenLonger,       // check the cameras' power and cables, or wait `waitMs` for their answers
        AsAdministrator,    // the commands before run in `command.dialect` as administrator;
                            // `adapterRestarts` when they restart the adapter
    };
    Kind kind = Advice;
    QString text;
    ShellCommand command;
    QString lead;
    quint32 camera = 0, address = 0, mask = 0;
    QString adapter;
    quint32 datagramSize = 0;
    int waitMs = 0;
    bool adapterRestarts = false;
    bool backToLine = false; // MoveCamera: the address is the one the expected line has for the camera

    static Fix advice(const QString &text);
    static Fix shell(ShellDialect dialect, const QList<CommandWord> &words);
};

// Shorthands for the words of a command.
inline CommandWord word(const QString &text) {
    return {text, false};
}
inline CommandWord value(const QString &text) {
    return {text, true};
}
// Literal words, split at spaces ("sudo ip link set dev").
QList<CommandWord> words(const char *literal);
