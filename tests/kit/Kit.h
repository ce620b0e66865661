// The test kit: what the black-box tests and the tools use to start the
// suite's programs as the suite starts them, find their windows and controls,
// give them input, read and answer their message boxes, and set up and
// observe the simulated controller and the settings key. It reports what goes
// wrong through Failure.h, so it stands on no test framework.
#pragma once

#include "BitmapFile.h"
#include "Deliverables.h"
#include "Driver.h"
#include "Failure.h"
#include "Input.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "Program.h"
#include "ServiceControl.h"
#include "Settings.h"
#include "SimClient.h"
#include "Stage.h"
#include "Steps.h"
#include "Wait.h"
#include "WindowQuery.h"
