#pragma once

#include "cameras/camerasnapshot.h"

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

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

    // The table's rows, label (translated) and value, and the same as plain text, one "label: value"
    // line per row.
    static QList<QPair<QString, QString>> rows(const CameraSnapshot &camera);
    static QString detailsText(const CameraSnapshot &camera);

    Ui::CamInfoDlg *ui;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    UdpCamInfo camInfo;
    int rowHeight = 28;
    int labelColumnWidth = 0; // what the longest label needs
    int valueColumnWidth = 0; // and the longest value
};
