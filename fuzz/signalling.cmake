program_fuzzer(Signalling SOURCES SignallingFuzz.cpp LIBS core_signalling)
