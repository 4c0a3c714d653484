// A program that links the whole shell (the tests, the benchmarks) has the browser side in it
// already: the window takes it from there instead of loading its library.
#include "BrowserPreviews.h"

namespace {

const bool linked = (useLinkedPreviewModule(&tarnel_preview_module), true);

} // namespace
