// A test library without a DllMain of its own that depends on the good test
// library (which has one).
#include "probe.h"

PROBE_API int GoodFunction(int value);

PROBE_API int PlainFunction() { return GoodFunction(20); }
