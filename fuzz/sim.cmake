program_fuzzer(sim SOURCES RadioSimFuzz.cpp LIBS radio_sim_engine)
