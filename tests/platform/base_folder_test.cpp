// The base folder and data folder found from the folder a program starts in.
#include "platform/base_folder.h"

#include <gtest/gtest.h>

#include "platform/run_error.h"

namespace {

using platform::base_folder;
using platform::data_folder;

int error_of(std::string_view folder) {
    try {
        base_folder(folder);
    } catch (const platform::RunError& error) {
        return error.number();
    }
    return 0;
}

TEST(BaseFolder, CutsTheLastComponentAndItsParent) {
    EXPECT_EQ(base_folder("D:\\SANSU\\ROKU1\\EXE"), "D:\\SANSU");
    EXPECT_EQ(data_folder(base_folder("D:\\SANSU\\ROKU1\\EXE")), "D:\\SANSU\\da");
    EXPECT_EQ(base_folder("C:\\SANSU\\ROKU1\\ES2"), "C:\\SANSU");
    EXPECT_EQ(base_folder("C:\\SANSU\\ROKU1\\E"), "C:\\SANSU");
    // No "\" among the last five characters: six characters go, a "\" may stay.
    EXPECT_EQ(base_folder("C:\\KYOUZAI\\UNIT02"), "C:\\KYOUZAI\\");
    EXPECT_EQ(data_folder(base_folder("C:\\KYOUZAI\\UNIT02")), "C:\\KYOUZAI\\\\da");
    // Exactly as many characters as are cut.
    EXPECT_EQ(base_folder("ABCDEF"), "");
}

TEST(BaseFolder, CountsCharactersNotBytes) {
    EXPECT_EQ(base_folder("C:\\算数教材\\六年生一組\\問題"), "C:\\算数教材");
    EXPECT_EQ(base_folder("C:\\ABCDEF\\ソソソソソ"), "C:\\ABCDEF");
    EXPECT_EQ(base_folder("C:\\ｻﾝｽｳ\\ﾛｸﾈﾝ1\\ES2"), "C:\\ｻﾝｽｳ");
    EXPECT_EQ(data_folder("C:\\算数"), "C:\\算数\\da");
}

TEST(BaseFolder, TooShortAFolderIsABadArgument) {
    EXPECT_EQ(error_of("C:\\"), 5);
    EXPECT_EQ(error_of("C:\\AB"), 5);
    EXPECT_EQ(error_of(""), 5);
    EXPECT_EQ(error_of("C:\\算\\数"), 5);  // 6 characters, p = 2
}

}  // namespace
