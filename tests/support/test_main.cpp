#include <clocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

// Takes the locale from the environment, as the desktop program does, so that a run under a
// non-English locale proves every report text is locale-independent.
int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Guards the locale run itself: if the requested locale is missing, the run would silently
// fall back to "C" and prove nothing.
TEST(Locale, TheRequestedLocaleIsActive) {
    const char* requested = std::getenv("LC_ALL");
    if (requested == nullptr || std::strcmp(requested, "C") == 0)
        return;
    EXPECT_STREQ(std::setlocale(LC_ALL, nullptr), requested);
    EXPECT_STRNE(std::strerror(EEXIST), "File exists") << "the locale must translate messages";
}
