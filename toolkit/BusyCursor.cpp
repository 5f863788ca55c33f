#include "toolkit/BusyCursor.h"

#include <QApplication>
#include <QCursor>

namespace norvalt {

TBusyCursor::TBusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
TBusyCursor::~TBusyCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace norvalt
