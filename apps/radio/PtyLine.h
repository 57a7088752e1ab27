// The virtual radio's end of the serial line: the master side of a pseudo-terminal, whose slave
// device is the port the program opens, and an optional symbolic link that names that port.
#pragma once

#include <string>

namespace tevano::radio {

class PtyLine {
public:
    PtyLine() = default;
    ~PtyLine() { Close(); }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // A fresh pseudo-terminal, its slave in raw mode; on failure `error` says why.
    bool Open(std::string& error);
    // Closes the master: a program on the port sees the line hung up.
    void Close();

    int Master() const { return master_; }
    const std::string& DevicePath() const { return devicePath_; }

private:
    int master_ = -1;
    std::string devicePath_;
};

// Points a symbolic link at the device, replacing an older link in one step. A path that holds
// anything but a symbolic link is left alone and reported.
bool PointLink(const std::string& linkPath, const std::string& target, std::string& error);

// Removes the link if it still points at the device.
void RemoveLink(const std::string& linkPath, const std::string& target);

} // namespace tevano::radio
