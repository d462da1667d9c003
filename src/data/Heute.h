#pragma once

#include <QtGlobal>

// The one place that asks the clock: today's day number (whole days since 30 December 1899, local date).
// Everything else takes dates as arguments, so tests pass fixed days in.
qint32 Heute();
