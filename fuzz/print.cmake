program_fuzzer(PrintLayout SOURCES PrintLayoutFuzz.cpp LIBS core_print)
