#pragma once

#include "cameras/udpcammanager.h"
#include "net/adapters.h"

#include <QMainWindow>
#include <QMessageBox>

class QMenu;
class QPoint;
class UdpInterface;

namespace Ui {
class MainWindow;
}

// The program's only window: adapter and datagram-size selectors above the live list of cameras.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Warns about the first badly set-up camera found (datagram size, then shared IP, MAC or serial).
    void checkCameraConflicts();
    // A modal message box; flags pick the picture (0x2, 0x1, 0x4) and the buttons (0x100, 0x200).
    static QMessageBox::StandardButton showMessage(QWidget *parent, const QString &text, int flags);
    void showContextMenu(const QPoint &pos);
    void openNetworkPreferences();

    // The context menu's actions for one camera.
    void editCameraAddress(UdpInterface *channel);
    void showCameraInfo(UdpInterface *channel);
    void showCameraClips(UdpInterface *channel);

    Ui::MainWindow *ui;
    int adapterCount = 0;
    NetAdapterInfo adapters[64];
    UdpCamManager manager;
    QMenu *contextMenu = nullptr;

private slots:
    void ShowMainWindow();
    void OnUpdateCameraList();
    void OnUpdateCameraList(int, int);

private:
    void rediscover(int adapterRow);
};
