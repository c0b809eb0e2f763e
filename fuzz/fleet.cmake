program_fuzzer(FleetValues SOURCES FleetValuesFuzz.cpp LIBS core_fleet)
