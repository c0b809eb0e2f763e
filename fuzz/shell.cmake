# The language pack's menus.json and the texts and numbers read from Program.ini,
# as the desktop program parses them (Qt Core only).
find_package(Qt6 COMPONENTS Core)
if(Qt6Core_FOUND)
    program_fuzzer(shell_texts
        SOURCES ShellTextsFuzz.cpp
                ${PROJECT_SOURCE_DIR}/src/gui/app/MenuPack.cpp
                ${PROJECT_SOURCE_DIR}/src/gui/common/SettingsText.cpp
        LIBS Qt6::Core)
    target_include_directories(fuzz_shell_texts PRIVATE ${PROJECT_SOURCE_DIR}/src/gui)
endif()
