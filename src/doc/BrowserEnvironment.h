#pragma once

// Prepares the embedded browser's process-wide settings; must run before the QApplication
// exists. Turns the sandbox off only when running as root, where it cannot work, and adds the
// Chromium switches that keep previewed pages from sending anything off the machine, keeping
// the Chromium switches of the command line. Has windows drawn so that a preview shown in them
// does not blacken them. Needs none of the browser engine, which loads later.
void prepareBrowserEnvironment(int argc, char **argv);
