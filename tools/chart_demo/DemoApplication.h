// The demo's application object, made as the demo's main makes it.
#pragma once

#include "platform/GuardedApplication.h"

#include <memory>

// The program's guarded application object, so that a failure in a dialog of the library shows
// its message box as in Tensimo; the chart, editor and export libraries registered, and with
// "--german" their texts and Qt's own in German.
std::unique_ptr<GuardedApplication> createDemoApplication(int &argc, char **argv);
