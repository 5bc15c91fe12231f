#pragma once

#include "net/camrecord.h"

#include <QDialog>

class UdpInterface;

namespace Ui {
class CamInfoDlg;
}

// A two-column table of what is known about one camera, filled once when the dialog is built.
class CamInfoDlg : public QDialog {
    Q_OBJECT
public:
    CamInfoDlg(const UdpInterface *channel, QWidget *parent = nullptr);
    ~CamInfoDlg() override;

    Ui::CamInfoDlg *ui;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    UdpCamInfo camInfo;
    int rowHeight = 28;
};
