// How far a call raises the process's peak memory, in MB. Wine keeps no peak
// of committed memory, but it does keep the peak working set: the figure
// means something from a fresh process, where each ctest runs its test.
#pragma once

#include <windows.h>
#include <psapi.h>

#include <cstddef>

namespace pixavue::test {

template <typename Faire>
std::size_t pic_de_memoire(Faire&& faire) {
  PROCESS_MEMORY_COUNTERS avant{sizeof avant}, apres{sizeof apres};
  GetProcessMemoryInfo(GetCurrentProcess(), &avant, sizeof avant);
  faire();
  GetProcessMemoryInfo(GetCurrentProcess(), &apres, sizeof apres);
  return (apres.PeakWorkingSetSize - avant.PeakWorkingSetSize) >> 20;
}

}  // namespace pixavue::test
