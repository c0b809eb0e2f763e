program_fuzzer(link_protocol SOURCES LinkProtocolFuzz.cpp LIBS core_link)
