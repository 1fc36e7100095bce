// The one road by which an editor control writes a chart property: a setter that refuses the
// value (the engine's exceptions, any standard exception) is reported once through the program's
// error box and the control shows the stored value again. No exception leaves the handler.
#pragma once

#include <functional>

// True when the write went through.
bool editorSet(const std::function<void()> &write, const std::function<void()> &refill = {});
