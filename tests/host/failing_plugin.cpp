// A plug-in whose main reports a failure.
#include "ext.h"

C74_EXPORT int main(void) { return 3; }
