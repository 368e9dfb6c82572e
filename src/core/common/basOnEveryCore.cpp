#include "common/basOnEveryCore.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace tralyx {

void OnEveryCore(size_t plngJobs, const std::function<void(size_t)>& pfnJob, size_t plngMostThreads)
{
    std::atomic<size_t> lngNext{0};
    const auto Work = [&] {
        for (size_t i; (i = lngNext++) < plngJobs;) pfnJob(i);
    };
    size_t lngThreads = static_cast<size_t>(std::max(1, QThread::idealThreadCount()));
    if (plngMostThreads > 0) lngThreads = std::min(lngThreads, plngMostThreads);
    std::vector<std::thread> objThreads;
    for (size_t i = 1; i < std::min(lngThreads, plngJobs); ++i) objThreads.emplace_back(Work);
    Work();
    for (std::thread& objThread : objThreads) objThread.join();
}

}  // namespace tralyx
