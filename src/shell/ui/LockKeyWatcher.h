// The status bar's CAP, NUM and SCRL panes: shown while Caps Lock, Num Lock and Scroll Lock are
// on. The lock states are read off the keys the program sees, since Qt does not report them.
#pragma once

#include <QObject>
#include <QString>

class QLabel;

namespace tevano {

class LockKeyWatcher : public QObject {
    Q_OBJECT

public:
    LockKeyWatcher(QLabel* caps, QLabel* num, QLabel* scroll, QObject* parent);

    // The texts the panes show while their key is on ("CAP", "NUM", "SCRL").
    void SetTexts(const QString& caps, const QString& num, const QString& scroll);

    bool CapsLock() const { return caps_; }
    bool NumLock() const { return num_; }
    bool ScrollLock() const { return scroll_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QLabel* capsPane_;
    QLabel* numPane_;
    QLabel* scrollPane_;
    QString capsText_ = "CAP";
    QString numText_ = "NUM";
    QString scrollText_ = "SCRL";
    bool caps_ = false;
    bool num_ = false;
    bool scroll_ = false;
};

} // namespace tevano
