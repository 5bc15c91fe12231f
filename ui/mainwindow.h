#pragma once

#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "ui/messagebox.h"

#include <QMainWindow>
#include <QMessageBox>

class AdapterChoice;
class QLabel;
class QMenu;
class QPoint;
class LineView;
class NetworkCheckWindow;
class UdpInterface;
struct UdpCamInfo;

namespace Ui {
class MainWindow;
}

// The program's only window: adapter and datagram-size selectors above the live list of cameras.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Marks the rows of the cameras in conflict and warns about the first conflict not yet
    // acknowledged (datagram size, then shared IP, MAC or serial). At most one warning is open at a
    // time, and none while the window is not yet visible or another dialog is open: the check then
    // waits and runs again when that is over.
    void checkCameraConflicts();
    // Runs the check from the event loop, never from inside the handling of a datagram; several
    // requests before it runs make one check. `fresh` (the user asked for a new look) lets conflicts
    // acknowledged before warn once more.
    void scheduleConflictCheck(bool fresh);
    // A modal message box; `flags` are MessageKind values. `details` goes below the message.
    static QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, int flags,
                                                   const QString &details = QString());
    void showContextMenu(const QPoint &pos);
    // The context menu of the selected row, for the menu key and Shift+F10.
    void showKeyboardContextMenu();
    void openNetworkPreferences();
    // The plan that gives every camera sharing an address or outside its subnet one of its own.
public slots:
    void assignAddresses();

public:
    // Opens the network check window (one, kept) and runs its check.
    void openNetworkCheck();
    NetworkCheckWindow *networkCheckWindow() const { return networkCheck; }
    bool rowsDue = false; // rows of listed cameras wait for the next pass
    void addRows();
    // Programs that open the network settings here, in the order they are tried; `desktop` is the
    // desktop's name as XDG_CURRENT_DESKTOP gives it.
    static QList<QStringList> networkSettingsCommands(const QString &desktop);
    // Where a window of `size` opens beside the main window's frame `main`: to its right, else to its
    // left, and always inside the screen's `available` area, shrunk to it when larger.
    static QRect besideWithin(const QRect &main, QSize size, const QRect &available);

    // The context menu's actions for one camera.
    // The address dialog for one camera, filled with its address or, when given, a proposed one; on top
    // of `over` (the main window when null).
    void editCameraAddress(UdpInterface *channel, quint32 proposedIp = 0, quint32 proposedMask = 0,
                           QWidget *over = nullptr);
    void showCameraInfo(UdpInterface *channel);
    void showCameraClips(UdpInterface *channel);
    void copyCameraDetails(UdpInterface *channel);

    // The whole list: written to `path` as JSON (what varnix-scan --json prints) or CSV; false with the
    // reason in `error`. Only regular files are replaced.
    bool writeList(const QString &path, bool json, QString *error) const;
    // Asks where, and in which of the two forms, the list is saved (Ctrl+S).
    void saveList();
    // The list as tab-separated text on the clipboard, which a spreadsheet pastes as columns.
    void copyList();
    QMenu *listMenu = nullptr; // the menu bar's "List": what is done with the whole list

    Ui::MainWindow *ui;
    UdpCamManager manager;
    QMenu *contextMenu = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void ShowMainWindow();
    void OnUpdateCameraList();
    void OnUpdateCameraList(int, int);

private:
    void rediscover(int adapterRow);
    void markConflictRows(const QList<CameraConflict> &conflicts);
    QString involvedCameras(const CameraConflict &conflict) const;
    // The row of the listed camera with this address and MAC address; -1 when it is gone.
    int rowOfCamera(const UdpCamInfo &camera) const;
    void selectCamera(const UdpCamInfo &camera);
    void moveCamera(const UdpCamInfo &camera, quint32 address, quint32 mask);

    NetworkCheckWindow *networkCheck = nullptr;
    // The adapter list follows the system's adapters; the line above the camera list says what became of
    // the chosen ones.
    void fillAdapterList();
    void adapterChosenChanged(const QString &note, bool lookAgain);
    AdapterChoice *adapterChoice = nullptr;
    QLabel *adapterNote = nullptr;
    int adapterCount = 0;

public:
    // The expected line, and the addresses asked by unicast beside the broadcast (as stored).
    LineView *line = nullptr;
    QStringList targets;
    void editTargets();

private:
    const NetAdapterInfo &chosenAdapter() const;
    QString lineError; // the stored expected line could not be read: said once the window shows
    NetAdapterInfo adapters[MaxAdapters + 1]; // the all-adapters entry first

    bool checkQueued = false;  // a check waits in the event queue
    bool checkPending = false; // a check was asked for and has not been able to warn yet
    bool warningOpen = false;
    QList<ConflictKey> acknowledged; // keys of the conflicts warned about since the user's last new look
};
