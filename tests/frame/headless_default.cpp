// These tests run on the headless back end also when started by hand.
#include <cstdlib>

namespace {
const bool g_headless = [] { return setenv("VQ_PLATFORM", "headless", 0) == 0; }();
}
