#include "RecordWrite.h"

#include "BasGlobal.h"

namespace basMain {

bool WriteRecordGroup(const std::function<void()>& storeEdits, RecordRequest request) {
    const DeviceRecord before = BasGlobal::Device;
    storeEdits();
    request();
    if (BasGlobal::LastRequestResult)
        return true;
    BasGlobal::Device = before;
    return false;
}

} // namespace basMain
