// Every summary function takes any field values without fault; the input
// bytes are read as a run of 32-bit arguments.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Summaries.h"

namespace {

class Arguments {
  public:
    Arguments(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    int Next() {
        int32_t value = 0;
        size_t n = size_ < sizeof value ? size_ : sizeof value;
        memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

  private:
    const uint8_t* data_;
    size_t size_;
};

void Expect(bool condition) {
    if (!condition)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace BasGlobal;
    Arguments in(data, size);
    int a = in.Next(), b = in.Next(), c = in.Next(), d = in.Next();
    Expect(!TouchModeText(a, b, c).empty());
    Expect(!FeedbackText(a).empty());
    Expect(!AccelerationText(b).empty());
    Expect(LevelText(c).rfind("Level ", 0) == 0);
    Expect(!PowerDownText(a).empty());
    Expect(!DurationText(b).empty());
    Expect(!MouseSpeedText(a, b, c, d).empty());
    Expect(SerialPortText(a, b, c, d).find(",N,8,1)") != std::string::npos);
    Expect(PortEntryText(a, b, c).rfind("COM", 0) == 0);
    Expect(Hex2(d).size() == 2);
    Expect(Hex4(d).size() == 4);
    return 0;
}
