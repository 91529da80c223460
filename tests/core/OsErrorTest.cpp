// errno values mapped to the Windows-style codes and trimmed descriptions used in messages.
#include "core/OsError.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(OsErrorCode, MapsErrnoToTheCodesOfTheIoMessages) {
    EXPECT_EQ(OsErrorCode(ENOENT), 3);  // a missing folder on the way to a file to create
    EXPECT_EQ(OsErrorCode(ENOTDIR), 3);
    EXPECT_EQ(OsErrorCode(ENAMETOOLONG), 3);
    EXPECT_EQ(OsErrorCode(EMFILE), 4);
    EXPECT_EQ(OsErrorCode(ENFILE), 4);
    EXPECT_EQ(OsErrorCode(EACCES), 5);
    EXPECT_EQ(OsErrorCode(EPERM), 5);
    EXPECT_EQ(OsErrorCode(EISDIR), 5);
    EXPECT_EQ(OsErrorCode(EROFS), 19);
    EXPECT_EQ(OsErrorCode(ENOSPC), 112);
#ifdef EDQUOT
    EXPECT_EQ(OsErrorCode(EDQUOT), 112);
#endif
    EXPECT_EQ(OsErrorCode(EIO), 1117);
    EXPECT_EQ(OsErrorCode(EINVAL), 87);
}

TEST(OsErrorCode, UnmappedValuesPassThrough) {
    EXPECT_EQ(OsErrorCode(EXDEV), EXDEV);
    EXPECT_EQ(OsErrorCode(12345), 12345);
}

TEST(OsErrorDescription, IsTheSystemTextWithoutTrailingPunctuation) {
    EXPECT_EQ(OsErrorDescription(ENOENT), "No such file or directory");
    EXPECT_EQ(OsErrorDescription(EISDIR), "Is a directory");
    EXPECT_EQ(OsErrorDescription(ENOSPC), "No space left on device");
}

TEST(TrimOsDescription, RemovesTrailingSpacesLineBreaksAndFullStops) {
    EXPECT_EQ(TrimOsDescription("The system cannot find the path specified. \r\n"),
              "The system cannot find the path specified");
    EXPECT_EQ(TrimOsDescription("Access is denied..."), "Access is denied");
    EXPECT_EQ(TrimOsDescription("Keep. inner. dots"), "Keep. inner. dots");
    EXPECT_EQ(TrimOsDescription(" .\n"), "");
    EXPECT_EQ(TrimOsDescription("ends with!"), "ends with!");
}

}  // namespace
