#include "list_cutting.h"

namespace stampwright {

void QueueJobsFromList(std::string_view listText, std::string_view initials, std::int32_t offset,
                       JobQueue& queue) {
    ForEachListEntry(listText,
                     [&](std::string_view path) { AddJob(queue, path, initials, offset); });
}

} // namespace stampwright
