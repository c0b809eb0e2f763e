#pragma once

#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace testsupport {

// The folder that holds the built programs (set by CTest; "bin" beside the test otherwise).
inline std::string binDir() {
    if (const char* dir = std::getenv("PROGRAM_BIN_DIR"))
        return dir;
    return ".";
}

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs one of the built programs with the given words and collects its output.
inline ProgramRun runProgram(const std::string& program, const std::vector<std::string>& words,
                             const TempDir& scratch) {
    std::string command = shellQuote(binDir() + "/" + program);
    for (const auto& word : words)
        command += " " + shellQuote(word);
    const auto out = scratch / ".stdout";
    const auto err = scratch / ".stderr";
    command += " >" + shellQuote(out.string()) + " 2>" + shellQuote(err.string()) + " </dev/null";
    ProgramRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(out);
    run.err = slurp(err);
    return run;
}

} // namespace testsupport
