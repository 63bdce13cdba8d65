#pragma once

// The processor clock in MHz, with its fraction: the time-stamp counter over half a second at
// the highest priority the system grants. Holds the calling thread for about 501 ms.
double Measure_CPU_MHz();
