// The verbs that read and change every editor's fields by key: settings, set, diff.

#include "CommandLine.h"
#include "Verbs.h"

#include "service/ServiceAccessCode.h"
#include "settings/Catalogue.h"
#include "settings/Differences.h"

#include <cstdio>

namespace program::cli {

namespace {

std::string sectionNames() {
    std::string names;
    for (const auto& section : settings::catalogue())
        names += (names.empty() ? "" : ", ") + std::string(section->name());
    return names;
}

void print(const std::vector<settings::Setting>& shown) {
    for (const auto& setting : shown)
        std::printf("%s=%s\n", setting.key.c_str(), setting.value.c_str());
}

} // namespace

bool serviceCodeGiven(const char* verb, const CommandLine& line, bool required, int& status) {
    const std::string prefix = std::string(verb) + ": ";
    if (!line.has("--service-code")) {
        if (required)
            status = fail(ExitFailure, prefix + "params needs the service access code "
                                                "(--service-code CODE); nothing was changed");
        return false;
    }
    if (service::acceptsServiceCode(line.value("--service-code")))
        return true;
    status =
        fail(ExitFailure, prefix + "the service access code is not right; nothing was changed");
    return false;
}

int runSettings(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("settings", words, {{"--lang", "--section"}, {}}, 1,
                          "FILE.dat [--lang en|zh] [--section NAME]", status);
    if (!line)
        return status;
    const auto language = languageOption("settings", *line, status);
    if (!language)
        return status;
    const settings::Section* section = nullptr;
    if (line->has("--section")) {
        section = settings::findSection(line->value("--section"));
        if (!section)
            return fail(ExitUsage, "settings: no section '" + line->value("--section") +
                                       "' (sections: " + sectionNames() + ")");
    }

    Workspace workspace(*language);
    if (auto failure = workspace.document.open(line->positional[0]))
        return fail(ExitFailure, describe(*failure));
    const CodeplugImage& image = workspace.document.image();
    print(section ? section->show(image, *language) : settings::showSettings(image, *language));
    return ExitOk;
}

int runSet(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("set", words, {{"--service-code"}, {}}, 2,
                          "FILE.dat KEY=VALUE [KEY=VALUE...] [--service-code CODE]", status, true);
    if (!line)
        return status;
    std::vector<settings::Assignment> assignments;
    for (std::size_t i = 1; i < line->positional.size(); ++i) {
        const std::string& pair = line->positional[i];
        const auto eq = pair.find('=');
        if (eq == std::string::npos || eq == 0)
            return fail(ExitUsage, "set: '" + pair + "' is not KEY=VALUE");
        assignments.push_back({pair.substr(0, eq), pair.substr(eq + 1)});
    }
    const bool serviceAccess = serviceCodeGiven("set", *line, false, status);
    if (status != ExitOk)
        return status;

    Workspace workspace;
    Document& document = workspace.document;
    const std::string& path = line->positional[0];
    if (auto failure = document.open(path))
        return fail(ExitFailure, describe(*failure));
    CodeplugImage edited = document.image();
    if (auto refusal = settings::applySettings(edited, assignments, serviceAccess))
        return fail(ExitFailure, refusal->text() + "; nothing was changed");
    document.applyEdit(edited);
    if (auto failure = document.save(path))
        return fail(ExitFailure, describe(*failure));
    return ExitOk;
}

int printDifferences(const CodeplugImage& a, const CodeplugImage& b, Language language,
                     bool bytes) {
    const auto found = settings::differences(a, b, language, bytes);
    for (const auto& difference : found)
        std::printf("%s\n", settings::diffLine(difference, language).c_str());
    return found.empty() ? ExitOk : ExitFailure;
}

int runDiff(const Words& words) {
    int status = ExitOk;
    auto line = parseVerb("diff", words, {{"--lang"}, {"--bytes"}}, 2,
                          "A.dat B.dat [--bytes] [--lang en|zh]", status);
    if (!line)
        return status;
    const auto language = languageOption("diff", *line, status);
    if (!language)
        return status;
    // diff(1)'s statuses: trouble is 2, so that 1 always means "they differ".
    Workspace a(*language), b(*language);
    Workspace* sides[] = {&a, &b};
    for (int side = 0; side < 2; ++side) {
        if (auto failure = sides[side]->document.open(line->positional[side]))
            return fail(ExitUsage, describe(*failure));
    }
    return printDifferences(a.document.image(), b.document.image(), *language,
                            line->has("--bytes"));
}

} // namespace program::cli
