// The touch simulator's command line: how the simulated panel lies on the
// screen and how often a held button is sampled. Pure, so that its reading
// of bad input is testable anywhere.
#pragma once

#include <string>
#include <vector>

struct TouchSimulatorOptions {
    int Mounting = 0; // --mounting 0..7: 0x01 X inverted, 0x02 Y inverted, 0x04 exchanged
    bool RotationGiven = false;
    int Rotation = 0;    // --rotation 0..3: also set as the driver's RotationCode
    double OffsetX = 40; // --offset X,Y: raw reading at the screen's left and top edge
    double OffsetY = 40;
    double SpanX = 944; // --span X,Y: raw units across the screen's width and height
    double SpanY = 944;
    int DesktopWidth = 0; // --desktop WxH; 0: the screen's own size
    int DesktopHeight = 0;
    int PeriodMs = 15; // --period MS (5..100): one sample per period while held
};

// Reads the arguments (without the program name). False with a message in
// `error` for an unknown option or a value that is missing or out of range.
bool ParseTouchSimulatorOptions(const std::vector<std::string>& arguments,
                                TouchSimulatorOptions& options, std::string& error);

// One line per option, for --help and the error message.
std::string TouchSimulatorUsage();
