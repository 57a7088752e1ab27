// tevano-cli ports: the programming cables this machine has, and for each problem what to do.

#include "CliCommands.h"
#include "RadioPort.h"

#include "radiolink/CableReport.h"
#include "radiolink/CableScan.h"

#include <cstdio>
#include <exception>

namespace tevano::cli {

int PortsCommand(const Arguments& args) {
    if (!args.Positional().empty()) {
        return args.Misuse("ports takes no arguments");
    }
    try {
        const Language language = args.ChosenLanguage();
        ScanPlace place = ScanPlace::ThisMachine(
            [language](const std::string& portName) { return DevicePathOf(portName, language); });
        place.root = args.Value("--root").value_or("");
        const CableScan scan = ScanCables(place);
        for (const std::string& line : CableReportLines(scan, language)) {
            std::printf("%s\n", line.c_str());
        }
        if (std::fflush(stdout) != 0) {
            return Fail("cannot write the output");
        }
        return HasUsablePort(scan) ? 0 : 1;
    } catch (const std::exception& failure) {
        return Fail(failure.what());
    }
}

} // namespace tevano::cli
