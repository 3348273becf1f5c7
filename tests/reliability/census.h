#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace stampwright::reliability {

// Makes `count` files in `folder`, each with content unique to it, camera-like names and
// modification times a second apart starting at `firstTime`.
void MakePhotos(const std::filesystem::path& folder, int count, long firstTime = 1215876482);

// Like MakePhotos, but the second file is named DSC_00000.JPG and shares the first file's
// time, so both get the same new name.
void MakeCollidingPhotos(const std::filesystem::path& folder, int count);

// How many files of a folder carry a new name (one starting with the year of the photos).
int CountRenamed(const std::filesystem::path& folder);

// What a folder holds: for every content, the names holding it.
struct Census {
    int files = 0;
    std::map<std::string, int> namesPerContent;

    // Every content of `before` is still there under exactly one name, and nothing else is.
    bool IntactAgainst(const Census& before) const;
};

Census TakeCensus(const std::filesystem::path& folder);

} // namespace stampwright::reliability
