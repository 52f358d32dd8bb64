#pragma once
// The measurements made inside a child process, each on a fresh run of the program. Each prints
// "key value" lines on standard output for the parent to gather.
#include <cstdint>

namespace bench {

class ProbeApp;

// Start-up, as main() does it, to the splash screen's first painted frame; the time counts from startNs.
int startupChild(ProbeApp& app, std::int64_t startNs);
// From the splash screen's first painted frame, left on screen, until every exercise screen is readied and
// its pictures drawn: how long a pupil must take to reach the home screen to find every screen prepared.
int readyChild(ProbeApp& app);
// Exercise N opened from the home screen as soon as the home screen is painted, with every exercise's
// preparation still waiting.
int firstOpenChild(ProbeApp& app, int n);
// Every exercise opened once preparation is over; the longest event held during preparation.
int preparedChild(ProbeApp& app);
// A pupil's whole run through the twenty exercises to the summary; the peak memory.
int wholeRunChild(ProbeApp& app);
// CYCLES openings and abandons of every exercise; memory before and after, and opening times after.
int cyclesChild(ProbeApp& app, int cycles);

} // namespace bench
