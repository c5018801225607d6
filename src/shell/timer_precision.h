#pragma once

// Lets the kernel wake the program on time for short auto-run intervals (down to 1 ms):
// without it, the timer slack of Linux makes a 1 ms timer tick noticeably less often.
void sharpenTimers();
