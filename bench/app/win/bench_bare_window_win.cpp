// The peer of the program in the window benchmarks: a bare Win32 window of
// the main window's outer size in a program of its own, which links nothing
// but the system's window and graphics libraries.
#include "bare_window.h"

int wmain() { return bench::RunBareWindow(); }
