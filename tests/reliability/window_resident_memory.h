// The resident memory of this process, as the kernel counts it.
#pragma once

#include <fstream>
#include <string>

namespace trixola::reliability {

// VmRSS from /proc/self/status, in KiB; -1 where there is no such file.
inline long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = -1;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 16, '\n');
  }
  return -1;
}

}  // namespace trixola::reliability
