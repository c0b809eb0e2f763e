program_fuzzer(service SOURCES ServiceFuzz.cpp LIBS core_settings core_service)
