// tevano-radio started for a widget test: a virtual radio on a pseudo-terminal, with the test's
// options, its port read from its first line of output, and the program's INI file pointed at it.
#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tevano::testing {

class VirtualRadioProcess {
public:
    explicit VirtualRadioProcess(const QStringList& options) {
        process_.setProgram(QString(TEVANO_BIN_DIR) + "/tevano-radio");
        process_.setArguments(options);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000)) {
            port_ = QString::fromUtf8(process_.readLine()).trimmed();
        }
    }

    ~VirtualRadioProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(5000)) {
                process_.kill();
                process_.waitForFinished(5000);
            }
        }
    }
    VirtualRadioProcess(const VirtualRadioProcess&) = delete;
    VirtualRadioProcess& operator=(const VirtualRadioProcess&) = delete;

    // The radio's serial device, "" when it did not start.
    const QString& Port() const { return port_; }
    bool Started() const { return port_.startsWith("/dev/pts/"); }

    // Section [PORTS] of the program's INI file, with COM1 standing for this radio.
    void WritePortsIni(const QString& iniPath) const { WritePortsIni(iniPath, port_); }

    static void WritePortsIni(const QString& iniPath, const QString& device) {
        QFile ini(iniPath);
        if (ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            ini.write("[PORTS]\nCOM1=" + device.toUtf8() + "\n");
        }
    }

private:
    QProcess process_;
    QString port_;
};

} // namespace tevano::testing
