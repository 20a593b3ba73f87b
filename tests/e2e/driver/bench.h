// The benchmark mode of the driver: one run of every figure against the real program,
// printed as "sample <figure> <value>" lines for scripts/bench.sh to gather.
#pragma once

// Returns 0 when the run could measure everything.
int runBenchmark();
