// What the cable check tells the user, in English and Chinese, by id: each port's lines (chip,
// driver, port name, access, who holds it, the FTDI latency timer), the chips without a port
// and why, and for every problem what to do. Placeholders are filled by the report.
#pragma once

#include "base/FillText.h"
#include "base/Language.h"

#include <string>

namespace tevano {

enum class CableTextId {
    Unknown,
    ById,            // <name>
    UsbChip,         // <vendor> <product> <chip>
    ChipUnknown,     //
    Driver,          // <driver>
    PortNames,       // <names>
    NoPortName,      //
    AccessAsRoot,    //
    AccessAsOwner,   //
    AccessByGroup,   // <group>
    AccessByAcl,     //
    AccessEveryone,  //
    AccessRefused,   // <group>
    AccessRefusedDo, // <group>
    AccessRootDo,    // the device belongs to root's group: joining it is no answer
    AccessUnknown,   //
    HeldBy,          // <program> <pid>
    HeldByDo,        //
    Latency,         // <ms>
    LatencyDo,       // <tty>
    Portless,        // <chip> <vendor> <product> <usb>
    CauseBrltty,     //
    CauseBrlttyDo,   //
    CauseNoDriver,   //
    CauseNoDriverDo, // <module>
    CauseUnknown,    //
    CauseUnknownDo,  //
    NoCable,         //
    NotPresent,      // <device>
    NoAnswer,        // <port> <device>
    Count,
};

std::string CableText(CableTextId id, Language language, TextParts parts = {});

} // namespace tevano
