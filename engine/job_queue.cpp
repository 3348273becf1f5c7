#include "job_queue.h"

#include <cassert>

namespace stampwright {

void AddJob(JobQueue& queue, std::string_view path, std::string_view initials,
            std::int32_t offset) {
    queue.m_jobs.push_back(RenameJob{std::string(path), std::string(initials), offset});
    ++queue.m_total;
}

RenameJob TakeJob(JobQueue& queue) {
    assert(!queue.m_jobs.empty());
    RenameJob job = std::move(queue.m_jobs.front());
    queue.m_jobs.pop_front();
    return job;
}

} // namespace stampwright
