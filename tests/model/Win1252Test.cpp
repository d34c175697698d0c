// Windows-1252 texts to UTF-8 and back.
#include "model/Win1252.h"

#include <gtest/gtest.h>

TEST(Win1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
}

TEST(Win1252, KnownCharactersAndReplacements) {
    EXPECT_EQ(Win1252ToUtf8("\x80 \xe9"), "\u20ac \u00e9");
    EXPECT_EQ(Utf8ToWin1252("caf\u00e9 \u20ac"), "caf\xe9 \x80");
    EXPECT_EQ(Utf8ToWin1252("\u4e2d"), "?") << "outside the code page";
    EXPECT_EQ(Utf8ToWin1252("a\xff"
                            "b"),
              "a?b")
        << "malformed UTF-8";
    EXPECT_EQ(Utf8ToWin1252("\xc3"), "?") << "cut off sequence";
}
