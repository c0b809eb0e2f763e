program_fuzzer(ini SOURCES IniFileFuzz.cpp LIBS core_app)
