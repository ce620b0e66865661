// The black-box harness of the tests: the test kit (start the suite's
// programs, find their windows and controls, give them input, read and answer
// their message boxes, set up and observe the simulated controller and the
// settings key) and the scenario base on it.
#pragma once

#include "Kit.h"
#include "Scenario.h"
