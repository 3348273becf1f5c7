#pragma once

#include "rename_job.h"

#include <cstdint>
#include <deque>
#include <string_view>

namespace stampwright {

// First-in first-out jobs of one run. Total counts every job ever added and never shrinks,
// so progress can be reported as "taken of total" while the queue drains.
class JobQueue {
public:
    std::size_t Count() const { return m_jobs.size(); }
    std::uint32_t Total() const { return m_total; }

private:
    friend void AddJob(JobQueue&, std::string_view, std::string_view, std::int32_t);
    friend RenameJob TakeJob(JobQueue&);

    std::deque<RenameJob> m_jobs;
    std::uint32_t m_total = 0;
};

void AddJob(JobQueue& queue, std::string_view path, std::string_view initials, std::int32_t offset);

// Removes and returns the head job; the queue must not be empty.
RenameJob TakeJob(JobQueue& queue);

} // namespace stampwright
