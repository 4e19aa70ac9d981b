// One build of the driver: source to assembly text to image, as the
// options ask.  Returns the exit status; every message is out.
#pragma once

#include "driver/options.h"

int build(const Options& options);
