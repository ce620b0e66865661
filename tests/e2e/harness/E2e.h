// The black-box harness: start the suite's programs, find their windows and
// controls, give them input, read and answer their message boxes, and set up
// and observe the simulated controller and the settings key.
#pragma once

#include "Deliverables.h"
#include "Driver.h"
#include "Input.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "Program.h"
#include "Scenario.h"
#include "Settings.h"
#include "Wait.h"
#include "WindowQuery.h"
