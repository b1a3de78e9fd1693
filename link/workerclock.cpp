#include "link/workerclock.h"

WorkerClock::~WorkerClock() = default;
