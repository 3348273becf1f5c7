#include "list_cutting.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace stampwright {
namespace {

std::vector<std::string> QueuedPaths(const JobQueue& original) {
    JobQueue queue = original;
    std::vector<std::string> paths;
    while (queue.Count() > 0)
        paths.push_back(TakeJob(queue).path);
    return paths;
}

TEST(ListCutting, EntriesFromEveryKindOfLineBreak) {
    using Paths = std::vector<std::string>;
    struct Row {
        std::string text;
        Paths paths;
    };
    const std::string long5000(5000, 'x');
    const Row rows[] = {
        {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
        {"a\r\n\r\n\n\r\nb\r\n", {"a", "b"}},
        {"  C:\\a.jpg  ", {"C:\\a.jpg  "}},
        {"\t\v\f x.jpg\t", {"x.jpg\t"}},
        {"", {}},
        {" \t\r\n  \n", {}},
        {"\"quoted name.jpg\"", {"\"quoted name.jpg\""}},
        {"a\0b\nc", {"a"}},
        {"\xc2\xa0name", {"\xc2\xa0name"}},
        {long5000, {std::string(2047, 'x'), std::string(2047, 'x'), std::string(906, 'x')}},
        {std::string(2047, 'y') + "   z", {std::string(2047, 'y'), "z"}},
    };
    for (const Row& row : rows) {
        JobQueue queue;
        QueueJobsFromList(row.text, "MV", 7, queue);
        EXPECT_EQ(QueuedPaths(queue), row.paths) << row.text.substr(0, 40);
        EXPECT_EQ(queue.Total(), row.paths.size());
    }
}

TEST(ListCutting, EveryJobCarriesTheRunsInitialsAndOffset) {
    JobQueue queue;
    QueueJobsFromList("a\nb", "XY", -5415, queue);
    QueueJobsFromList("c", "", 12, queue);
    ASSERT_EQ(queue.Count(), 3u);
    const RenameJob a = TakeJob(queue);
    EXPECT_EQ(a.initials, "XY");
    EXPECT_EQ(a.offset, -5415);
    TakeJob(queue);
    const RenameJob c = TakeJob(queue);
    EXPECT_EQ(c.path, "c");
    EXPECT_EQ(c.initials, "");
    EXPECT_EQ(c.offset, 12);
    EXPECT_EQ(queue.Count(), 0u);
    EXPECT_EQ(queue.Total(), 3u) << "total never shrinks";
}

} // namespace
} // namespace stampwright
