program_fuzzer(DatImage SOURCES DatImageFuzz.cpp LIBS core_channels)
