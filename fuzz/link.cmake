program_fuzzer(link_protocol SOURCES LinkProtocolFuzz.cpp LIBS core_link)
program_fuzzer(system_text SOURCES SystemTextFuzz.cpp LIBS core_link)
