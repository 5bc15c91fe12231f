#pragma once

#include "doctor/addressplan.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTimer>

class UdpCamManager;

namespace Ui {
class AssignAddressesDlg;
}

// The plan that gives every camera sharing an address or outside its adapter's subnet an address of its
// own: the user may untick lines, edit addresses and change the first one; "Apply" sends each ticked
// camera its address, one after another, then asks for one rediscovery and tells per line whether the
// camera answers at its new address.
class AssignAddressesDlg : public QDialog {
    Q_OBJECT
public:
    // `inUse`: the workstation's own addresses.
    AssignAddressesDlg(UdpCamManager *manager, const QList<quint32> &inUse, QWidget *parent = nullptr);
    ~AssignAddressesDlg() override;

    // Plans again from the first address in its field; the addresses are asked whether something
    // answers there off the GUI thread, the lines come when they have answered.
    void plan();
    void apply();
    // The lines of the plan as shown, ticked or not.
    int lineCount() const { return lines.size(); }
    // The plan's column headings, and the texts of the line that moves `camera`.
    static QStringList columnHeadings();
    static QStringList lineTexts(const CameraSnapshot &camera, const AddressMove &move);

    Ui::AssignAddressesDlg *ui;

signals:
    // The commands are sent: the window looks at the network again.
    void rediscoverRequested();
    // The lines are filled in (after plan()) or every result is in (after apply()).
    void planShown();
    void resultsShown();

private:
    enum Column { ColMac, ColSerial, ColModel, ColCurrent, ColProposed, ColResult, ColumnCount };
    struct Line {
        UdpCamInfo camera;
        quint32 mask = 0;
        enum State { Planned, Sent, Answered, Silent, Skipped } state = Planned;
    };
    void showPlan(const QList<CameraSnapshot> &cameras, const QList<AddressMove> &moves);
    bool checkLines();
    void sendNext(int line);
    void watchAnswers();
    void showResults(bool final);

    UdpCamManager *manager;
    QList<quint32> ownAddresses;
    QList<quint32> otherCameras; // addresses of the cameras that keep theirs
    QList<Line> lines;
    int planning = 0;     // plans under way; only the latest is shown
    QString plannedFirst; // the first address of the latest plan, as typed
    QTimer watch;
    int watchedMs = 0;
};
