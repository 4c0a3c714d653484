#pragma once

// For a program that links the browser in (the tests and benchmarks): the browser's settings
// and the scheme previews are served under, before the QApplication exists.
void prepareWebEngine(int argc, char **argv);
