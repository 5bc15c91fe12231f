#pragma once

// What the window tests share: a settings store of their own and a hand that closes modal boxes.
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <functional>

// Points the user-scope settings at `dir`, so that no test reads or writes the real store.
inline void useSettingsIn(const QString &dir) {
    qputenv("XDG_CONFIG_HOME", dir.toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
}

// While it lives, hands every modal widget that comes up to `handle` (which must close it), and
// records the text of each message box it sees.
class ModalHandler : public QObject {
public:
    explicit ModalHandler(std::function<void(QWidget *)> handle = {}) : handle_(std::move(handle)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(10);
    }
    QStringList messages;
    int modalCount = 0;

private:
    void poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == last_) return;
        last_ = modal;
        ++modalCount;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) messages << box->text();
        if (handle_)
            handle_(modal);
        else if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->done(QMessageBox::Ok);
    }
    std::function<void(QWidget *)> handle_;
    QTimer timer_;
    QPointer<QWidget> last_;
};
