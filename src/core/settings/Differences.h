#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"
#include "model/ImageMap.h"

#include <string>
#include <vector>

namespace program::settings {

// One thing two images hold otherwise, as the editors show it.
struct Difference {
    enum class Kind { Setting, ChannelCell, Bytes };

    Kind kind = Kind::Setting;
    // The editor that shows it (for byte runs, the one of their region).
    imagemap::Editor editor = imagemap::Editor::None;
    // The catalogue key ("optional.tot"), "channel.ROW.COLUMN" for a channel cell
    // (ROW as the grid labels it, "Fr" for the last), empty for a byte run.
    std::string key;
    // The shown values of the first image and of the second; for a byte run the
    // bytes in hexadecimal ("13 17").
    std::string was;
    std::string is;
    int row = 0;                // a channel cell's grid row, 1..129
    int column = 0;             // and its column, 1..9
    imagemap::Region run{0, 0}; // a byte run
};

// What `b` holds otherwise than `a`: every catalogue key whose shown value
// differs, in the catalogue's order; then every channel cell, row by row; then,
// with `bytes`, each run of differing bytes, cut where the image map's regions
// meet. The shown values are in `language`.
std::vector<Difference> differences(const CodeplugImage& a, const CodeplugImage& b,
                                    Language language, bool bytes);

// The editors in the order the Differences window groups them: Channel
// Information, then the catalogue's editors, then the bytes no editor shows.
int editorRank(imagemap::Editor editor);

// One line as `program-cli diff` prints it: "optional.tot: 60 -> 90",
// "channel.9.1: ... -> ...", "bytes 0xFD4-0xFD5 (band shadow): 13 17 -> 42 17".
std::string diffLine(const Difference& difference, Language language);

} // namespace program::settings
