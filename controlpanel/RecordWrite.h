// One settings group written to the driver: the page's edits go into the
// device record and the record is sent with the group's request. The driver
// may refuse; the record must then keep claiming what the driver holds.
#pragma once

#include <functional>

namespace basMain {

using RecordRequest = void (*)();

// Runs `storeEdits` on the device record, then `request`. True when the
// driver took the record; otherwise the record is put back as it was before
// and false is returned.
bool WriteRecordGroup(const std::function<void()>& storeEdits, RecordRequest request);

} // namespace basMain
