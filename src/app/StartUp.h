#pragma once

// The editor's whole start-up, from the raw command line to the end of the event loop.
int tarnelMain(int argc, char **argv);
