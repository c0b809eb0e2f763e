program_fuzzer(ChannelCsv SOURCES ChannelCsvFuzz.cpp LIBS core_exchange)
