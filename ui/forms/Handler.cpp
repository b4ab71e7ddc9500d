#include "Handler.h"

#include "MessageBoxes.h"

#include <exception>

namespace kvr {

void RunHandler(const std::function<void()> &handler) {
    try {
        handler();
    } catch (const std::exception &fault) {
        ShowFaultBox(QString::fromUtf8(fault.what()));
    }
}

} // namespace kvr
