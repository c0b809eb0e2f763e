#pragma once

namespace program::message {

// Messages of the language packs' string table, shared by every front end.
inline constexpr int OutOfRange = 61446;
inline constexpr int ErrorDataFormat = 61447;
inline constexpr int NotEnoughBytes = 61448;
inline constexpr int CommunicationError = 61449;
inline constexpr int AllDataCleared = 61450;
inline constexpr int CouldNotOpenPort = 61451;
inline constexpr int ProgramInterrupt = 61452;
inline constexpr int BandOverRange = 61453;
inline constexpr int ErrorDataValue = 61454;
inline constexpr int ErrorHappened = 61455;
inline constexpr int Caution = 61456;

// The English text of a string-table message (the program's own resource set);
// empty for an unknown id.
const char* englishText(int id);

} // namespace program::message
