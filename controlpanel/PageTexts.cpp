#include "PageTexts.h"

#include "Summaries.h"

namespace {

constexpr int PercentPerStep = 5;

} // namespace

std::string PercentText(int position) {
    return std::to_string(position * PercentPerStep) + "%";
}

std::string ToggleTimeText(int index, char decimalSeparator) {
    const int halfSeconds = index + 1;
    std::string text = std::to_string(halfSeconds / 2);
    if (halfSeconds % 2 != 0)
        text += std::string(1, decimalSeparator) + "5";
    return text;
}

std::string PortLineText(const DeviceRecord& record, int port) {
    const PortEntry& entry = record.PortTable[port - 1];
    return BasGlobal::PortEntryText(port, entry.BasePort, entry.IrqOrStatus);
}

int IrqChoiceIndex(int irq) {
    for (int i = 0; i < IrqChoiceCount; ++i)
        if (IrqChoices[i] == irq)
            return i;
    return -1;
}
