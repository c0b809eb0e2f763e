#include "IniFileTestSupport.h"

#include <gtest/gtest.h>

using program::IniFile;
using testsupport::readText;

namespace {

class IniFileContent : public ::testing::Test, protected testsupport::IniFixture {};

TEST_F(IniFileContent, ReadsSectionsAndKeysWhateverTheLineEnds) {
    IniFile ini;
    open(ini, "top = level \r\n"
              "[Setup]\n"
              "  Language =  English \t\r\n"
              "Path=a=b\n"
              "Bare\n"
              " = no key\n"
              "\n"
              "[English]\r\n"
              "Title=Program\tEditor"); // no final line break
    EXPECT_EQ(ini.GetString("", "top"), "level");
    EXPECT_EQ(ini.GetString("Setup", "Language"), "English");
    EXPECT_EQ(ini.GetString("Setup", "Path"), "a=b");
    EXPECT_EQ(ini.GetString("Setup", "Bare", "x"), "");
    EXPECT_EQ(ini.GetString("English", "Title"), "Program\tEditor");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"", "Setup", "English"}));
    EXPECT_EQ(ini.KeyNames("Setup"), (std::vector<std::string>{"Language", "Path", "Bare"}));
}

TEST_F(IniFileContent, CommentLinesAreDroppedAndCommentMarkersCutValues) {
    IniFile ini;
    open(ini, "[S]\n"
              "; note=1\n/ note=2\n\\ note=3\n* note=4\n"
              "Word=value // remark\n"
              "Tab=value\t; remark\n"
              "Block=value/* remark */\n"
              "Url=http://host\n"
              "Semicolon=a;b ; c\n"
              "Order=x/*y//z\n");
    EXPECT_EQ(ini.KeyNames("S").size(), 6u);
    EXPECT_EQ(ini.GetString("S", "note", "none"), "none");
    // The text before a marker keeps its blanks.
    EXPECT_EQ(ini.GetString("S", "Word"), "value ");
    EXPECT_EQ(ini.GetString("S", "Tab"), "value");
    EXPECT_EQ(ini.GetString("S", "Block"), "value");
    EXPECT_EQ(ini.GetString("S", "Url"), "http:");
    EXPECT_EQ(ini.GetString("S", "Semicolon"), "a;b ; c");
    EXPECT_EQ(ini.GetString("S", "Order"), "x");
}

TEST_F(IniFileContent, DefaultsForMissingSectionsAndKeys) {
    IniFile ini;
    open(ini, "[Setup]\nLanguage=English\n");
    EXPECT_EQ(ini.GetString("Setup", "EnableSql", "  0 \t"), "0");
    EXPECT_EQ(ini.GetString("Chinese", "Title", " as given "), " as given ");
    EXPECT_EQ(ini.GetString("Setup", "ShowLang"), "");
    EXPECT_EQ(ini.GetListItem("Setup", "Missing", 0, ',', "d"), "d");
}

TEST_F(IniFileContent, DuplicateKeysReadAndWriteTheLastOccurrence) {
    IniFile ini;
    open(ini, "[Setup]\nLanguage=English\nEnableSql=0\nLanguage=Chinese\n");
    EXPECT_EQ(ini.GetString("Setup", "Language"), "Chinese");

    ini.WriteString("Setup", "Language", "German");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "[Setup]\r\nLanguage=English\r\nEnableSql=0\r\nLanguage=German\r\n");
}

TEST_F(IniFileContent, DuplicateSectionsAreKeptAndTheFirstIsUsed) {
    IniFile ini;
    open(ini, "[Setup]\nA=1\n[Other]\n[Setup]\nA=2\nB=3\n");
    EXPECT_EQ(ini.GetString("Setup", "A"), "1");
    EXPECT_EQ(ini.GetString("Setup", "B", "none"), "none");

    ini.WriteString("Setup", "B", "4");
    ini.WriteString("New", "K", "v");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file),
              "[Setup]\r\nA=1\r\nB=4\r\n[Other]\r\n[Setup]\r\nA=2\r\nB=3\r\n[New]\r\nK=v\r\n");
}

TEST_F(IniFileContent, SavedFileHasCrLfAndLosesCommentsAndBlankLines) {
    IniFile ini;
    open(ini, "; settings\ntop=1\n\n[Setup]\n  Flag  \n// gone\nEnableSql = 1 // on\n");
    ini.WriteString("Setup", "EnableSql", "0");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "top=1\r\n[Setup]\r\nFlag=\r\nEnableSql=0\r\n");
}

TEST_F(IniFileContent, IgnoreCaseMatchesAsciiLettersOnly) {
    IniFile ini;
    open(ini, "[SETUP]\nlanguage=English\n[\xC4]\nk=upper\n[\xE4]\nk=lower\n");
    EXPECT_EQ(ini.GetString("setup", "LANGUAGE"), "English");
    // Bytes from 0x80 up belong to GBK or UTF-8 characters and never fold, whatever a
    // Latin-1 locale would say about 0xC4 and 0xE4.
    EXPECT_EQ(ini.GetString("\xE4", "k"), "lower");
    EXPECT_EQ(ini.GetString("\xC4", "k"), "upper");

    IniFile exact;
    open(exact, "[SETUP]\nlanguage=English\n", /*ignoreCase=*/false);
    EXPECT_EQ(exact.GetString("setup", "language", "none"), "none");
    EXPECT_EQ(exact.GetString("SETUP", "Language", "none"), "none");
}

TEST_F(IniFileContent, DirtyOnlyWhenTheContentChanges) {
    IniFile ini;
    open(ini, "[Setup]\nLanguage=English\n");
    ini.WriteString("Setup", "Language", "English");
    EXPECT_FALSE(ini.isDirty());

    // A change of letter case alone is stored but does not call for a save.
    ini.WriteString("setup", "LANGUAGE", "ENGLISH");
    EXPECT_FALSE(ini.isDirty());
    EXPECT_EQ(ini.GetString("Setup", "Language"), "ENGLISH");

    ini.WriteString("Setup", "Language", "Chinese");
    EXPECT_TRUE(ini.isDirty());
    ASSERT_TRUE(ini.Save());
    EXPECT_FALSE(ini.isDirty());

    IniFile exact;
    open(exact, "[Setup]\nLanguage=English\n", /*ignoreCase=*/false);
    exact.WriteString("Setup", "Language", "ENGLISH");
    EXPECT_TRUE(exact.isDirty());
}

TEST_F(IniFileContent, GbkAndOddBytesSurviveARoundTrip) {
    // "中文" in GBK, a GBK character whose second byte is an ASCII letter ("丂" is 81 40,
    // 0x81 0x61 is another character), a NUL byte and a very long line.
    const std::string chinese = "\xD6\xD0\xCE\xC4";
    const std::string trailLetter = "\x81\x61\x81\x41";
    const std::string withNul("a\0b", 3);
    const std::string longValue(1 << 20, 'x');
    IniFile ini;
    open(ini, "[" + chinese + "]\nCompany=" + chinese + "\nTrail=" + trailLetter +
                  "\nNul=" + withNul + "\nLong=" + longValue + "\n");
    ini.WriteString(chinese, "Title", chinese + " " + chinese);
    ASSERT_TRUE(ini.Save());

    IniFile reread;
    open(reread, readText(file));
    EXPECT_EQ(reread.GetString(chinese, "Company"), chinese);
    EXPECT_EQ(reread.GetString(chinese, "Trail"), trailLetter);
    EXPECT_EQ(reread.GetString(chinese, "Nul"), withNul);
    EXPECT_EQ(reread.GetString(chinese, "Long"), longValue);
    EXPECT_EQ(reread.GetString(chinese, "Title"), chinese + " " + chinese);
}

TEST_F(IniFileContent, WritesTheFileCouldNotHoldAreRefused) {
    IniFile ini;
    open(ini, "[Setup]\nLanguage=English\n[x=1\n");
    // A line break would add settings of its own.
    EXPECT_FALSE(ini.WriteString("Setup", "Language", "Chinese\r\n[Setup]\r\nEnableSql=1"));
    EXPECT_FALSE(ini.WriteString("Setup", "Key\nX", "v"));
    EXPECT_FALSE(ini.WriteString("Setup]\n[Other", "K", "v"));
    // Keys that would come back as something else, or not at all.
    for (const char* key : {"", " Language", "Language\t", "; Language", "*x", "a=b"})
        EXPECT_FALSE(ini.WriteString("Setup", key, "v")) << key;
    EXPECT_FALSE(ini.WriteString("Setup", "[x", "2] "));
    EXPECT_FALSE(ini.isDirty());
    EXPECT_EQ(ini.GetString("Setup", "Language"), "English");

    // A key read from the file that starts with "[" still takes any other value.
    EXPECT_TRUE(ini.WriteString("Setup", "[x", "[2"));
    EXPECT_TRUE(ini.WriteString("[Odd] name", "k", "v"));
    ASSERT_TRUE(ini.Save());
    IniFile reread;
    open(reread, readText(file));
    EXPECT_EQ(reread.GetString("Setup", "[x"), "[2");
    EXPECT_EQ(reread.GetString("[Odd] name", "k"), "v");
}

TEST_F(IniFileContent, SectionsWithoutANameKeepTheirKeysApart) {
    IniFile ini;
    open(ini, "a=0\n[S]\na=1\n[]\na=2\n");
    EXPECT_EQ(ini.GetString("", "a"), "0");
    ini.WriteString("", "b", "3");
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "a=0\r\nb=3\r\n[S]\r\na=1\r\n[]\r\na=2\r\n");

    IniFile reread;
    open(reread, readText(file));
    EXPECT_EQ(reread.GetString("S", "a"), "1");
    EXPECT_EQ(reread.SectionNames(), (std::vector<std::string>{"", "S", ""}));
}

TEST_F(IniFileContent, ListItemsRemovalAndListings) {
    IniFile ini;
    open(ini, "k=top\n[List]\nTones = 67.0, 71.9 ,74.4 // old\nk=1\nK=2\n[Gone]\nx=1\n[gone]\n");
    EXPECT_EQ(ini.GetListItem("list", "tones", 1), "71.9");
    EXPECT_EQ(ini.GetListItem("List", "Tones", 2), "74.4");
    EXPECT_EQ(ini.GetListItem("List", "Tones", 3, ',', "none"), "none");
    EXPECT_EQ(ini.GetListItem("List", "Tones", 0, ';'), "67.0, 71.9 ,74.4");

    EXPECT_TRUE(ini.RemoveKey("List", "k"));
    EXPECT_EQ(ini.GetString("List", "k", "none"), "none");
    EXPECT_FALSE(ini.RemoveKey("List", "k"));
    EXPECT_TRUE(ini.RemoveSection("GONE"));
    EXPECT_TRUE(ini.RemoveSection(""));
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"", "List"}));
    EXPECT_TRUE(ini.KeyNames("").empty());
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(readText(file), "[List]\r\nTones=67.0, 71.9 ,74.4 // old\r\n");
}

} // namespace
