#include "timer_precision.h"

#if defined(__linux__)
#include <sys/prctl.h>
#endif

void sharpenTimers()
{
#if defined(__linux__)
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#endif
}
