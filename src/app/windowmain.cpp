#include "StartUp.h"

// The editor's window, loaded by the program only when a window is wanted: a run that only
// checks pages never loads the widgets and the browser engine.
extern "C" __attribute__((visibility("default"))) int tarnel_window_main(int argc, char **argv)
{
    return tarnelMain(argc, argv);
}
