#include "file_fixture.h"
#include "new_name.h"

#include <gtest/gtest.h>
#include <limits>

namespace stampwright {
namespace {

using testing::ScopedTimeZone;
using testing::Utc;

// Zones with their UTC offset on 12 July 2008: daylight saving in the north, standard time
// in the south, a half-hour zone with and one without daylight saving, and UTC.
struct ZoneOffset {
    const char* zone;
    int julyOffsetSeconds;
};
const ZoneOffset kZones[] = {
    {"UTC", 0},
    {"Europe/Berlin", 2 * 3600},
    {"America/New_York", -4 * 3600},
    {"Australia/Sydney", 10 * 3600},
    {"Australia/Adelaide", 9 * 3600 + 1800},
    {"Asia/Kolkata", 5 * 3600 + 1800},
};

TEST(NewName, WorkedExamplesHoldInEveryZone) {
    struct Row {
        const char* path;
        const char* initials;
        const char* newName;
    };
    const Row rows[] = {
        {"D:\\Photos\\IMG_1234.JPG", "MV", "20080712_153012_MV_1234.JPG"},
        {"D:\\Photos\\DSC01234.jpg", "MV", "20080712_153012_MV_01234.jpg"},
        {"D:\\Photos\\P1010012 (2).JPG", "MV", "20080712_153012_MV_2.JPG"},
        {"D:\\Photos\\Holiday.avi", "MV", "20080712_153012_MV.avi"},
        {"D:\\Photos\\MOV_0042", "MV", "20080712_153012_MV_0042"},
        {"D:\\Photos\\IMG_1234.JPG", "", "20080712_153012__1234.JPG"},
        {"D:\\Photos\\Holiday.avi", "", "20080712_153012_.avi"},
    };
    const std::int32_t offset = 2 * 60 + 10;
    for (const ZoneOffset& zone : kZones) {
        ScopedTimeZone tz(zone.zone);
        // 15:28:02 on the local wall clock of that zone.
        const TimeValue modified = Utc(2008, 7, 12, 15, 28, 2) - zone.julyOffsetSeconds;
        for (const Row& row : rows)
            EXPECT_EQ(ComposeNewName(row.path, row.initials, offset, modified), row.newName)
                << zone.zone << " " << row.path;
    }
}

TEST(NewName, SummerAndWinterFilesEachGetTheirOwnDatesLocalTime) {
    struct Row {
        const char* zone;
        TimeValue modified;
        const char* newName;
    };
    const Row rows[] = {
        {"Europe/Berlin", Utc(2008, 1, 15, 9, 0, 0), "20080115_100000_MV_1.JPG"},
        {"Europe/Berlin", Utc(2008, 7, 15, 8, 0, 0), "20080715_100000_MV_1.JPG"},
        {"Australia/Sydney", Utc(2008, 1, 14, 23, 0, 0), "20080115_100000_MV_1.JPG"},
        {"Australia/Sydney", Utc(2008, 7, 15, 0, 0, 0), "20080715_100000_MV_1.JPG"},
        {"Australia/Adelaide", Utc(2008, 1, 14, 23, 30, 0), "20080115_100000_MV_1.JPG"},
        {"Australia/Adelaide", Utc(2008, 7, 15, 0, 30, 0), "20080715_100000_MV_1.JPG"},
    };
    for (const Row& row : rows) {
        ScopedTimeZone tz(row.zone);
        EXPECT_EQ(ComposeNewName("IMG_1.JPG", "MV", 0, row.modified), row.newName) << row.zone;
    }
}

TEST(NewName, OffsetsCarryAcrossMidnightMonthYearAndDaylightSaving) {
    struct Row {
        const char* zone;
        TimeValue modified;
        std::int32_t offset;
        const char* stamp;
    };
    const Row rows[] = {
        {"UTC", Utc(2008, 12, 31, 23, 59, 30), 45, "20090101_000015"},
        {"UTC", Utc(2009, 1, 1, 0, 0, 10), -20, "20081231_235950"},
        {"UTC", Utc(2008, 3, 1, 0, 0, 10), -20, "20080229_235950"},
        {"UTC", Utc(2008, 7, 12, 1, 0, 0), -89999, "20080711_000001"},
        {"Asia/Kolkata", Utc(2008, 4, 30, 18, 29, 0), 120, "20080501_000100"},
        // 01:30 CET + 1 hour is 03:30 CEST: elapsed time, not wall-clock arithmetic.
        {"Europe/Berlin", Utc(2008, 3, 30, 0, 30, 0), 3600, "20080330_033000"},
        {"UTC", Utc(2040, 2, 29, 12, 0, 0), 0, "20400229_120000"},
        {"UTC", 0, 5, "19700101_000005"},
        {"America/New_York", 0, 5, "19691231_190005"},
        {"UTC", 10, -11, ""},
    };
    for (const Row& row : rows) {
        ScopedTimeZone tz(row.zone);
        EXPECT_EQ(FormatStamp(CorrectedTime(row.modified, row.offset)), row.stamp)
            << row.zone << " " << row.modified << " " << row.offset;
    }
}

TEST(NewName, NegativeCorrectedTimeGivesNameStartingWithUnderscore) {
    ScopedTimeZone tz("UTC");
    EXPECT_EQ(ComposeNewName("x/IMG_0042.JPG", "MV", -3600, 100), "_MV_0042.JPG");
}

TEST(NewName, TimesAtTheEdgesOfTheClockGiveAnEmptyStampWithoutOverflow) {
    ScopedTimeZone tz("UTC");
    constexpr TimeValue kLatest = std::numeric_limits<TimeValue>::max();
    constexpr TimeValue kEarliest = std::numeric_limits<TimeValue>::min();
    EXPECT_EQ(ComposeNewName("IMG_1.JPG", "MV", 89999, kLatest), "_MV_1.JPG");
    EXPECT_EQ(ComposeNewName("IMG_1.JPG", "MV", -89999, kEarliest), "_MV_1.JPG");
}

TEST(NewName, PiecesOfThePath) {
    struct Row {
        const char* path;
        const char* directory;
        const char* base;
        const char* extension;
        const char* serial;
    };
    const Row rows[] = {
        {"C:\\dir/sub/file.jpg", "C:\\", "dir/sub/file", ".jpg", ""},
        {"/photos/2008/IMG_0042.MP4", "/photos/2008/", "IMG_0042", ".MP4", "0042"},
        {"C:IMG_7.JPG", "C:", "IMG_7", ".JPG", "7"},
        {"a/b:c1.x", "a/", "b:c1", ".x", "1"},
        {"IMG_0042.MP4", "", "IMG_0042", ".MP4", "0042"},
        {"a1b22c.jpg", "", "a1b22c", ".jpg", "22"},
        {"P1010012 (2).JPG", "", "P1010012 (2)", ".JPG", "2"},
        {"archive.tar.gz", "", "archive.tar", ".gz", ""},
        {"clip.mp4", "", "clip", ".mp4", ""},
        {".profile", "", "", ".profile", ""},
        {"name7.", "", "name7", ".", "7"},
        {"Holiday", "", "Holiday", "", ""},
        {"IMG_\xd9\xa3\xd9\xa4.jpg", "", "IMG_\xd9\xa3\xd9\xa4", ".jpg", ""},
        {"f\xc3\xbc\xb9r12\xe2\x80\x8b.jpg", "", "f\xc3\xbc\xb9r12\xe2\x80\x8b", ".jpg", "12"},
        {"20080712_153012_MV.JPG", "", "20080712_153012_MV", ".JPG", "153012"},
        {"IMG_1.JPG   ", "", "IMG_1", ".JPG   ", "1"},
    };
    for (const Row& row : rows) {
        const PathParts parts = SplitPath(row.path);
        EXPECT_EQ(parts.directory, row.directory) << row.path;
        EXPECT_EQ(parts.directory, SplitDirectory(row.path)) << row.path;
        EXPECT_EQ(std::string(parts.directory) + std::string(parts.name), row.path);
        EXPECT_EQ(parts.base, row.base) << row.path;
        EXPECT_EQ(parts.extension, row.extension) << row.path;
        EXPECT_EQ(parts.serial, row.serial) << row.path;
    }
}

TEST(NewName, RenamedFileKeepsItsSerialWhenProcessedAgain) {
    ScopedTimeZone tz("UTC");
    const TimeValue modified = Utc(2008, 7, 12, 15, 28, 2);
    EXPECT_EQ(ComposeNewName("20080712_153012_MV_1234.JPG", "MV", 60, modified),
              "20080712_152902_MV_1234.JPG");
    EXPECT_EQ(ComposeNewName("20080712_153012_MV.JPG", "MV", 60, modified),
              "20080712_152902_MV_153012.JPG");
}

TEST(NewName, InitialsGoInByteForByte) {
    ScopedTimeZone tz("UTC");
    const TimeValue modified = Utc(2008, 7, 12, 15, 28, 2);
    EXPECT_EQ(ComposeNewName("IMG_1.JPG", " a/b ", 0, modified), "20080712_152802_ a/b _1.JPG");
}

} // namespace
} // namespace stampwright
