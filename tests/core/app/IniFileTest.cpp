#include "IniFileTestSupport.h"

#include <gtest/gtest.h>

using program::IniFile;
using testsupport::readText;
using Names = std::vector<std::string>;

namespace {

class IniFileContent : public ::testing::Test, protected testsupport::IniFixture {};

TEST_F(IniFileContent, ReadsLinesCommentsAndDefaults) {
    IniFile ini;
    open(ini, "top = level \r\n[Setup]\n  Language =  English \t\r\nPath=a=b\nBare\n = no key\n\n"
              "; c=1\n/ c=2\n\\ c=3\n* c=4\n"
              "Word=value // remark\nTab=value\t; remark\nBlock=v/* r */\nUrl=http://host\n"
              "Semi=a;b ; c\nOrder=x/*y//z\n[English]\r\nTitle=Program\tEditor"); // no final LF
    EXPECT_EQ(ini.GetString("", "top"), "level");
    EXPECT_EQ(ini.GetString("Setup", "Language"), "English");
    EXPECT_EQ(ini.GetString("Setup", "Path"), "a=b");
    EXPECT_EQ(ini.GetString("Setup", "Bare", "x"), "");
    EXPECT_EQ(ini.GetString("English", "Title"), "Program\tEditor");
    EXPECT_EQ(ini.SectionNames(), (Names{"", "Setup", "English"}));
    EXPECT_EQ(ini.KeyNames("Setup").size(), 9u) << "comments and key-less lines are dropped";
    // Comment markers cut values; the text before a marker keeps its blanks.
    EXPECT_EQ(ini.GetString("Setup", "Word"), "value ");
    EXPECT_EQ(ini.GetString("Setup", "Tab"), "value");
    EXPECT_EQ(ini.GetString("Setup", "Block"), "v");
    EXPECT_EQ(ini.GetString("Setup", "Url"), "http:");
    EXPECT_EQ(ini.GetString("Setup", "Semi"), "a;b ; c");
    EXPECT_EQ(ini.GetString("Setup", "Order"), "x");
    // A missing key gives the default trimmed, a missing section gives it as it is.
    EXPECT_EQ(ini.GetString("Setup", "EnableSql", "  0 \t"), "0");
    EXPECT_EQ(ini.GetString("Chinese", "Title", " as given "), " as given ");
}

TEST_F(IniFileContent, DuplicatesUseTheFirstSectionAndTheLastKey) {
    IniFile ini;
    open(ini, "; settings\n[Setup]\nA=1\nA=2\n\n[Other]\n[Setup]\nA=3\nB=4\n");
    EXPECT_EQ(ini.GetString("Setup", "A"), "2");
    EXPECT_EQ(ini.GetString("Setup", "B", "none"), "none");
    ini.WriteString("Setup", "A", "5");
    ini.WriteString("Setup", "B", "6");
    ini.WriteString("New", "K", "v");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "[Setup]\r\nA=1\r\nA=5\r\nB=6\r\n[Other]\r\n[Setup]\r\nA=3\r\nB=4\r\n"
                              "[New]\r\nK=v\r\n");
}

TEST_F(IniFileContent, IgnoreCaseFoldsAsciiLettersOnlyAndDirtyFollowsContent) {
    IniFile ini;
    open(ini, "[SETUP]\nlanguage=English\n[\xC4]\nk=upper\n[\xE4]\nk=lower\n");
    EXPECT_EQ(ini.GetString("setup", "LANGUAGE"), "English");
    // 0xC4 and 0xE4 are halves of GBK or UTF-8 characters here, not Latin-1 letters.
    EXPECT_EQ(ini.GetString("\xE4", "k"), "lower");

    ini.WriteString("Setup", "Language", "English");
    ini.WriteString("setup", "LANGUAGE", "ENGLISH");
    EXPECT_FALSE(ini.isDirty()) << "a change of letter case alone calls for no save";
    EXPECT_EQ(ini.GetString("Setup", "Language"), "ENGLISH");
    ini.WriteString("Setup", "Language", "Chinese");
    EXPECT_TRUE(ini.isDirty());
    ASSERT_TRUE(ini.Save());
    EXPECT_FALSE(ini.isDirty());

    IniFile exact;
    open(exact, "[SETUP]\nlanguage=English\n", /*ignoreCase=*/false);
    EXPECT_EQ(exact.GetString("setup", "language", "none"), "none");
    exact.WriteString("SETUP", "language", "ENGLISH");
    EXPECT_TRUE(exact.isDirty());
}

TEST_F(IniFileContent, GbkAndOddBytesSurviveARoundTrip) {
    // "中文" in GBK, GBK characters whose second byte is an ASCII letter, a NUL byte and a
    // line of a megabyte.
    const std::string chinese = "\xD6\xD0\xCE\xC4", trail = "\x81\x61\x81\x41";
    const std::string nul("a\0b", 3), longValue(1 << 20, 'x');
    IniFile ini;
    open(ini, "[" + chinese + "]\nTrail=" + trail + "\nNul=" + nul + "\nLong=" + longValue);
    ini.WriteString(chinese, "Company", chinese);
    ASSERT_TRUE(ini.Save());

    IniFile reread;
    open(reread, readText(file));
    EXPECT_EQ(reread.GetString(chinese, "Company"), chinese);
    EXPECT_EQ(reread.GetString(chinese, "Trail"), trail);
    EXPECT_EQ(reread.GetString(chinese, "Nul"), nul);
    EXPECT_EQ(reread.GetString(chinese, "Long"), longValue);
}

TEST_F(IniFileContent, WritesTheFileCouldNotHoldAreRefused) {
    IniFile ini;
    open(ini, "[Setup]\nLanguage=English\n[x=1\n");
    EXPECT_FALSE(ini.WriteString("Setup", "Language", "Chinese\r\n[Setup]\r\nEnableSql=1"));
    EXPECT_FALSE(ini.WriteString("Setup]\n[Other", "K", "v"));
    for (const char* key : {"", " Language", "Lang\nuage", "; Language", "*x", "a=b"})
        EXPECT_FALSE(ini.WriteString("Setup", key, "v")) << key;
    EXPECT_FALSE(ini.WriteString("Setup", "[x", "2] ")) << "would read as a section header";
    EXPECT_FALSE(ini.isDirty());
    EXPECT_EQ(ini.GetString("Setup", "Language"), "English");
    EXPECT_TRUE(ini.WriteString("Setup", "[x", "[2"));
}

TEST_F(IniFileContent, SectionsWithoutANameKeepTheirKeysApart) {
    IniFile ini;
    open(ini, "a=0\n[S]\na=1\n[]\na=2\n");
    ini.WriteString("", "b", "3");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "a=0\r\nb=3\r\n[S]\r\na=1\r\n[]\r\na=2\r\n");
}

TEST_F(IniFileContent, ListItemsAndRemoval) {
    IniFile ini;
    open(ini, "k=top\n[List]\nTones = 67.0, 71.9 ,74.4 // old\nk=1\nK=2\n[Gone]\nx=1\n[gone]\n");
    EXPECT_EQ(ini.GetListItem("list", "tones", 1), "71.9");
    EXPECT_EQ(ini.GetListItem("List", "Tones", 2), "74.4");
    EXPECT_EQ(ini.GetListItem("List", "Tones", 3, ',', "none"), "none");

    EXPECT_TRUE(ini.RemoveKey("List", "k"));
    EXPECT_EQ(ini.GetString("List", "k", "none"), "none") << "every occurrence goes";
    EXPECT_TRUE(ini.RemoveSection("GONE"));
    EXPECT_TRUE(ini.RemoveSection(""));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "[List]\r\nTones=67.0, 71.9 ,74.4 // old\r\n");
}

} // namespace
