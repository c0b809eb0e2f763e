#pragma once

#include "app/IniFile.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

inline void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A settings file with the given content in a fresh folder, opened the way the program
// opens "Program.ini" (the program's path as the first argument).
struct IniFixture {
    TempDir dir;
    std::filesystem::path file = dir / "Program.ini";

    void open(program::IniFile& ini, const std::string& content, bool ignoreCase = true,
              bool saveOnClose = false) {
        writeText(file, content);
        ini.Open("Program.ini", saveOnClose, ignoreCase, (dir / "Program").string());
    }
};

} // namespace testsupport
