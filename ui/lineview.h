#pragma once

// The expected line in the window: the file it comes from, the summary under the camera list and the
// rows it marks.
#include "report/expectedline.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QLabel;
class QTimer;
class QWidget;
class UdpCamManager;
struct NetAdapterInfo;

class LineView : public QObject {
    Q_OBJECT
public:
    // Says in `summary` how the line stands, and hides it while all is as expected or there is no line.
    explicit LineView(QLabel *summary, QObject *parent = nullptr);

    bool active() const { return !path_.isEmpty(); }
    const QString &path() const { return path_; }
    const ExpectedLine &line() const { return line_; }
    // Takes the line from the saved camera list at `path`; false with why, and then there is no line.
    bool open(const QString &path, QString *error);

    // The List menu's actions, each kept in the settings at once. The current list becomes the line:
    // `writeList` saves it as JSON into the user's data folder. A saved list chosen by the user. None.
    void useCurrentList(const std::function<bool(const QString &path, QString *error)> &writeList,
                        QWidget *over);
    void chooseFile(QWidget *over);
    void forget();
    // A new discovery: a camera it has not heard yet is not missing before its rounds are over.
    void discoveryStarted();

    // Judges the cameras heard through `scanned` against the line, shows the summary, and answers the
    // rows of the cameras moved or not in the line, each with why.
    QHash<int, QString> judge(const UdpCamManager &manager, const NetAdapterInfo &scanned);

signals:
    // The discovery rounds are over, or the line changed: the cameras are to be judged again.
    void judgeAgain();

private:
    QLabel *summary_;
    QTimer *rounds_;
    QString path_;
    ExpectedLine line_;
};
