#pragma once

#include "toolkit/Control.h"
#include "toolkit/Types.h"

namespace norvalt {

// What the entry panels need of the main window.
class IEntryHost {
public:
    virtual ~IEntryHost() = default;
    // The grid row that 修改 and 刪除 act on.
    virtual int EditRow() const = 0;
    virtual void ClearFirstRow() = 0;
    // A record was added, changed or deleted on a panel since the last import
    // or export.
    virtual void RecordsChanged() = 0;
    // The shared key handler: Enter moves to the next field.
    virtual void EnterKeyDown(TControl& sender, int& key, TShiftState shift) = 0;
};

} // namespace norvalt
