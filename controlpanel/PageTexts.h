// What the settings pages write into their controls, apart from the
// summaries: speed percentages, toggle times, serial port lines and the IRQ
// choices. Pure.
#pragma once

#include <string>

#include "DeviceBlocks.h"

// Speed position n (1..20) as n x 5 percent: "5%" .. "100%".
std::string PercentText(int position);

// Toggle time list item k (0..9) stands for (k + 1) x 0.5 seconds, written in
// its shortest decimal form: "0.5", "1", "1.5" .. "5".
std::string ToggleTimeText(int index, char decimalSeparator = '.');
constexpr int ToggleTimeCount = 10;

// The line of port n (1..PortCount) of the serial port table in the record.
std::string PortLineText(const DeviceRecord& record, int port);

// The IRQs a port of COM1..COM4 may be given, in list order.
constexpr int IrqChoices[] = {3, 4, 5, 7, 10, 11};
constexpr int IrqChoiceCount = sizeof IrqChoices / sizeof IrqChoices[0];
// Position of `irq` in IrqChoices; -1 when it is none of them.
int IrqChoiceIndex(int irq);
