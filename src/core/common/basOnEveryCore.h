#pragma once
// Independent jobs on as many threads as the machine has cores.
#include <cstddef>
#include <functional>

namespace tralyx {

// pfnJob(0) to pfnJob(plngJobs - 1), each once, on at most plngMostThreads threads (0: as many as
// there are cores), the calling one among them; returns when every job is done.
void OnEveryCore(size_t plngJobs, const std::function<void(size_t)>& pfnJob, size_t plngMostThreads = 0);

}  // namespace tralyx
