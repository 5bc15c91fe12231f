#pragma once

#include <QDialog>
#include <QString>

class UdpInterface;
struct ClipInfo;

namespace Ui {
class ClipEditDlg;
}

// Lists the clips an Advanced camera reported, as they were when the dialog was built.
class ClipEditDlg : public QDialog {
    Q_OBJECT
public:
    ClipEditDlg(const UdpInterface *channel, QWidget *parent = nullptr);
    ~ClipEditDlg() override;

    Ui::ClipEditDlg *ui;
};

// The HTML summary of one clip: number, frames and length; trim range; image size and frame rate.
QString clipSummary(const ClipInfo &clip);
