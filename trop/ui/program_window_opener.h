// The program's way to the windows, printouts and export reached from the
// navigation windows. Everything not overridden here still does nothing.
#pragma once

#include "trop/ui/navigation/window_opener.h"

namespace trop {

class ProgramWindowOpener : public WindowOpener {
};

} // namespace trop
