#include "report/ui/ApplicationPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace tevano {

namespace {

QPrinter* printer = nullptr;

// The printer's engine belongs to Qt's print support, which must still be there when it goes.
void ReleasePrinter() {
    delete printer;
    printer = nullptr;
}

} // namespace

QPrinter& ApplicationPrinter() {
    if (printer == nullptr) {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(ReleasePrinter);
    }
    return *printer;
}

} // namespace tevano
