// The three standard descriptors at start-up: a program started with one of them closed
// (`2>&-`) would otherwise hand that number to the next file it opens, the radio's serial port
// say, and its messages would go down the radio line.
#pragma once

namespace tevano {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. Called first in main.
void OpenNullOnClosedStandardDescriptors();

} // namespace tevano
