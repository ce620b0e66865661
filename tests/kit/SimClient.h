// Client side of the simulated controller's simulation interface, for tests
// and tools: opens the device of this build and sets up or observes the model.
#pragma once

#include <windows.h>

#include <vector>

#include "SimInterface.h"

namespace sim {

class Client {
  public:
    Client();
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    bool Reset();
    bool PresetRecord(const DeviceRecord& record);
    bool SetPresent(bool present);
    bool QueueTouch(const std::vector<SimTouchSample>& samples);
    bool SetSmiWindow(int32_t handle, int16_t rotationCode);
    // The next `count` suite requests fail; with a code, only requests with that code.
    bool FailNext(uint32_t count, uint32_t code = 0);
    // The next `count` requests with `code` are answered `milliseconds` late.
    bool SlowNext(uint32_t count, uint32_t code, uint32_t milliseconds);
    bool GetState(SimState& state);
    // Every journal entry from `first` on (up to what the driver still keeps).
    std::vector<SimJournalEntry> Journal(uint32_t first = 0);
    // Entries since `first` whose code is `code`.
    std::vector<SimJournalEntry> JournalOf(uint32_t code, uint32_t first = 0);
    uint32_t JournalTotal();

    // Raw request, for tests of bad input.
    bool Raw(DWORD code, void* in, DWORD inLength, void* out, DWORD outLength, DWORD* returned);

  private:
    HANDLE handle_;
};

SimTouchSample Touched(int16_t x, int16_t y);
SimTouchSample Lifted(int16_t x, int16_t y);

// Scripts of samples for the calibration's polling.
using Samples = std::vector<SimTouchSample>;
// What the first poll of a run reads when nobody touches the panel.
Samples NoTouchAtStart();
// A finger held on (x, y) for three samples (two fresh ones after the first)
// and lifted: exactly one accepted point.
Samples TouchAndLift(int16_t x, int16_t y);
Samples operator+(Samples first, const Samples& second);

} // namespace sim
