#include "SimClient.h"

#include "basVersion.h"

namespace sim {

Client::Client()
    : handle_(CreateFileA(basVersion::DeviceName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

Client::~Client() {
    if (IsOpen())
        CloseHandle(handle_);
}

bool Client::Raw(DWORD code, void* in, DWORD inLength, void* out, DWORD outLength,
                 DWORD* returned) {
    DWORD ignored = 0;
    return DeviceIoControl(handle_, code, in, inLength, out, outLength,
                           returned ? returned : &ignored, nullptr) != 0;
}

bool Client::Reset() {
    return Raw(IOCTL_SimReset, nullptr, 0, nullptr, 0, nullptr);
}

bool Client::PresetRecord(const DeviceRecord& record) {
    DeviceRecord copy = record;
    return Raw(IOCTL_SimPresetRecord, &copy, sizeof copy, nullptr, 0, nullptr);
}

bool Client::SetPresent(bool present) {
    uint32_t value = present ? 1 : 0;
    return Raw(IOCTL_SimSetPresent, &value, sizeof value, nullptr, 0, nullptr);
}

bool Client::QueueTouch(const std::vector<SimTouchSample>& samples) {
    std::vector<SimTouchSample> copy = samples;
    return Raw(IOCTL_SimQueueTouch, copy.data(), DWORD(copy.size() * sizeof(SimTouchSample)),
               nullptr, 0, nullptr);
}

bool Client::SetSmiWindow(int32_t handle, int16_t rotationCode) {
    WindowBlock block = {};
    block.Handle = handle;
    block.Value = rotationCode;
    return Raw(IOCTL_SimSetSmiWindow, &block, sizeof block, nullptr, 0, nullptr);
}

bool Client::FailNext(uint32_t count, uint32_t code) {
    uint32_t request[2] = {count, code};
    return Raw(IOCTL_SimFailNext, request, sizeof request, nullptr, 0, nullptr);
}

bool Client::SlowNext(uint32_t count, uint32_t code, uint32_t milliseconds) {
    uint32_t request[3] = {count, code, milliseconds};
    return Raw(IOCTL_SimSlowNext, request, sizeof request, nullptr, 0, nullptr);
}

bool Client::GetState(SimState& state) {
    return Raw(IOCTL_SimGetState, nullptr, 0, &state, sizeof state, nullptr);
}

std::vector<SimJournalEntry> Client::Journal(uint32_t first) {
    std::vector<SimJournalEntry> entries;
    const DWORD batch = 256;
    std::vector<uint8_t> buffer(sizeof(SimJournalHeader) + batch * sizeof(SimJournalEntry));
    for (;;) {
        *reinterpret_cast<uint32_t*>(buffer.data()) = first;
        DWORD returned = 0;
        if (!Raw(IOCTL_SimReadJournal, buffer.data(), sizeof(uint32_t), buffer.data(),
                 DWORD(buffer.size()), &returned))
            break;
        SimJournalHeader header;
        memcpy(&header, buffer.data(), sizeof header);
        const auto* entry = reinterpret_cast<const SimJournalEntry*>(buffer.data() + sizeof header);
        entries.insert(entries.end(), entry, entry + header.Returned);
        first = header.First + header.Returned;
        if (header.Returned == 0 || first >= header.Total)
            break;
    }
    return entries;
}

std::vector<SimJournalEntry> Client::JournalOf(uint32_t code, uint32_t first) {
    std::vector<SimJournalEntry> matching;
    for (const SimJournalEntry& e : Journal(first))
        if (e.Code == code)
            matching.push_back(e);
    return matching;
}

uint32_t Client::JournalTotal() {
    uint8_t buffer[sizeof(SimJournalHeader)] = {};
    uint32_t first = 0xFFFFFFFF;
    memcpy(buffer, &first, sizeof first);
    DWORD returned = 0;
    if (!Raw(IOCTL_SimReadJournal, buffer, sizeof first, buffer, sizeof buffer, &returned))
        return 0;
    SimJournalHeader header;
    memcpy(&header, buffer, sizeof header);
    return header.Total;
}

SimTouchSample Touched(int16_t x, int16_t y) {
    return SimTouchSample{x, y, TouchedFlag, {}};
}
SimTouchSample Lifted(int16_t x, int16_t y) {
    return SimTouchSample{x, y, 0, {}};
}

Samples NoTouchAtStart() {
    return {Lifted(0, 0)};
}

Samples TouchAndLift(int16_t x, int16_t y) {
    return {Touched(x, y), Touched(x, y), Touched(x, y), Lifted(x, y)};
}

Samples operator+(Samples first, const Samples& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace sim
