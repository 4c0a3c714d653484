#pragma once

// Prepares the embedded browser; must run before the QApplication exists (the editor's main
// and every test main that shows a preview call it). Turns the sandbox off only when running
// as root, where it cannot work, and adds the Chromium switches that keep previewed pages
// from sending anything off the machine, keeping the Chromium switches of the command line.
// Registers the scheme previews are served under and has windows drawn so that a preview
// shown in them does not blacken them.
void prepareWebEngine(int argc, char **argv);
