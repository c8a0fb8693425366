// Peak memory of one benchmark case, measured in a fresh process of the
// benchmark program that runs only that case, so that neither the memory of
// earlier cases nor the data the benchmark keeps for timing counts.
#pragma once

#include <string>

namespace vornic {

/// True inside the fresh process: the case does its work once and then calls
/// FinishPeakMeasurement instead of timing anything.
bool InPeakMeasurement();
/// The text handed to the fresh process by PeakMegabytesOf.
std::string PeakMeasurementPayload();
/// Reports the fresh process's peak resident set to the benchmark that
/// started it, and ends the process.
[[noreturn]] void FinishPeakMeasurement();
/// Runs the case `benchmark_name` (as in "BM_Case/100") once in a fresh
/// process, with `payload` for it to read; returns the peak resident set of
/// that process in MB, or -1 when it does not end well.
double PeakMegabytesOf(const std::string& benchmark_name, const std::string& payload = "");

}  // namespace vornic
