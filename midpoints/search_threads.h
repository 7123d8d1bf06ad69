#pragma once

#include <optional>
#include <string_view>

namespace gyrolux {

// The number of threads a search uses when it is not told: the CPUs this process may run
// on (its affinity mask), no more than its cgroup's CPU quota allows (rounded up), at
// least one and at most 64.
int DefaultSearchThreads();

// The CPUs a cgroup v2 `cpu.max` file grants: "200000 100000" is 2, "150000 100000" 1.5;
// nothing for "max 100000" (no quota) or a line that is no quota.
std::optional<double> CpuQuotaOfCpuMax(std::string_view text);

}  // namespace gyrolux
