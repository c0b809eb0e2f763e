#pragma once

#include "app/BilingualText.h"
#include "model/CodeplugImage.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

// Where everything lives in the radio's 4096-byte memory. Every offset the program
// uses is named here once; codecs, the transfer plans, the simulator and the front
// ends take their offsets from this file. Offsets inside a region (the fields of
// one record, say) belong to that region's codec.
namespace program::imagemap {

// A run of bytes [offset, offset + size).
struct Region {
    std::size_t offset;
    std::size_t size;

    constexpr std::size_t end() const { return offset + size; }
    constexpr bool contains(std::size_t at) const { return at >= offset && at < end(); }
};

// 129 channel records of 24 bytes: channels 1..128, then the extra channel "Fr".
inline constexpr std::size_t ChannelRecordSize = 24;
inline constexpr int ChannelRecordCount = 129;
inline constexpr Region ChannelRecords{0x000, ChannelRecordSize* ChannelRecordCount};

// Optional feature bytes (time-out timer, squelch level, VOX, step, key bits...).
inline constexpr Region OptionalFeatures{0xC40, 10};
// Feature flag bytes; bits of 0xC70 belong to DTMF, bits 0-1 of 0xC72 to the side key.
inline constexpr Region FeatureFlags{0xC70, 4};

// The PTT ID texts the radio sends at the beginning and at the end of a
// transmission; no editor changes them, the printed listing shows them.
inline constexpr Region PttIdBeginning{0xC50, 16};
inline constexpr Region PttIdEnd{0xC60, 16};

// MSK own ID code and MSK call list.
inline constexpr Region Msk{0xC80, 0x28};

// DTMF timing, own ID, group and stun codes.
inline constexpr Region Dtmf{0xCB0, 0x2A};
// DTMF timing: speed (bits 0-1), first digit delay, first digit time, "*" and "#" time.
inline constexpr Region DtmfTiming{0xCB0, 4};
// The radio's own DTMF ID code, up to 10 characters.
inline constexpr Region DtmfIdCode{0xCC0, 10};
// The DTMF group code byte ("A" when new).
inline constexpr std::size_t DtmfGroupCode = 0xCCF;
// The DTMF stun code, up to 10 characters.
inline constexpr Region DtmfStunCode{0xCD0, 10};
// A DTMF byte past the codes that a new document sets to 0.
inline constexpr std::size_t DtmfTail = 0xCDF;
// DTMF fast call list.
inline constexpr Region DtmfCallList{0xD00, 0x90};

// 2-Tone: 32 encode entries of 4 bytes, 8 decode entries of 8 bytes, one encode
// timing block of 8 bytes.
inline constexpr std::size_t TwoToneEncodeEntrySize = 4;
inline constexpr std::size_t TwoToneEncodeEntryCount = 32;
inline constexpr std::size_t TwoToneDecodeEntrySize = 8;
inline constexpr std::size_t TwoToneDecodeEntryCount = 8;
inline constexpr Region TwoToneEncodeList{0xE00, TwoToneEncodeEntrySize* TwoToneEncodeEntryCount};
inline constexpr Region TwoToneDecodeEntries{0xE80,
                                             TwoToneDecodeEntrySize* TwoToneDecodeEntryCount};
inline constexpr Region TwoToneEncodeTiming{0xEC0, 8};
inline constexpr Region TwoTone{TwoToneEncodeList.offset, TwoToneEncodeTiming.end() - 0xE00};
// Values the 2-Tone dialog derives for the radio: a divider for each encode tone
// (0xF00, laid out as the encode list) and for decode entries 1 to 4 (0xF80, each
// entry's two dividers and its four times in 50 ms steps). The derived blocks of
// decode entries 5 to 8 and of the encode times would lie on the squelch table
// and the parameter block, which SQL Tuning and Parameter Adjust own: the dialog
// never writes them.
inline constexpr Region TwoToneEncodeDividers{0xF00, TwoToneEncodeList.size};
inline constexpr std::size_t TwoToneDerivedDecodeEntryCount = 4;
inline constexpr Region TwoToneDerivedDecodeEntries{
    0xF80, TwoToneDecodeEntrySize* TwoToneDerivedDecodeEntryCount};
inline constexpr Region TwoToneDerived{TwoToneEncodeDividers.offset,
                                       TwoToneDerivedDecodeEntries.end() - 0xF00};

// Squelch table (SQL tuning values), read and written by SQL Tuning.
inline constexpr Region SquelchTable{0xFA0, 0x14};
// Two bytes inside the squelch table that hold no slice of a band; every store of
// the table sets them to 0x1A.
inline constexpr Region SquelchFixed{0xFA5, 2};
// Parameter block, read and written by Parameter Adjust.
inline constexpr Region ParameterBlock{0xFB4, 0x1C};
// Both together: what a write sends only when the squelch-write switch is on.
inline constexpr Region Tuning{SquelchTable.offset, ParameterBlock.end() - SquelchTable.offset};

// Identity block (maker, band fitting, band shadow), read and written by Software
// Info as two blocks of 8 bytes.
inline constexpr Region IdentityBlock{0xFD0, 16};
inline constexpr Region IdentityFirstHalf{0xFD0, 8};
inline constexpr Region IdentitySecondHalf{0xFD8, 8};
// The two parts of the identity block that Software Info does not edit; a whole
// image write sends them.
inline constexpr Region IdentityUnedited1{0xFD2, 2};
inline constexpr Region IdentityUnedited2{0xFDC, 4};
// The band shadow: the four band limits as 16-bit little-endian MHz values.
inline constexpr Region BandShadow{0xFD4, 8};

// The block of 8 bytes holding the radio type and the password, and the one after.
inline constexpr Region TypeAndPasswordBlock{0xFE0, 8};
inline constexpr Region BlockAfterPassword{0xFE8, 8};
// The radio type index; it travels with the image and no editor changes it.
inline constexpr std::size_t RadioType = 0xFE1;
// The radio password, erased (0xFF) when none is set.
inline constexpr Region Password{0xFE2, 6};

// The band-limit block: the four band limits in whole MHz as BCD digits.
inline constexpr Region BandLimitBlock{0xFF0, 6};
// Squelch threshold bytes; only a new document's defaults set them.
inline constexpr Region SquelchThreshold{0xFF6, 4};

// A whole image write sends the rows before the squelch table in full; the rest
// goes block by block.
inline constexpr std::size_t FullRowsEnd = SquelchTable.offset;

static_assert(ChannelRecords.end() == 0xC18);
static_assert(TwoTone.end() == 0xEC8);
static_assert(TwoToneEncodeDividers.end() == TwoToneDerivedDecodeEntries.offset);
static_assert(TwoToneDerived.end() == SquelchTable.offset);
static_assert(SquelchTable.end() == ParameterBlock.offset);
static_assert(SquelchTable.contains(SquelchFixed.offset) &&
              SquelchTable.contains(SquelchFixed.end() - 1));
static_assert(ParameterBlock.end() == IdentityBlock.offset);
static_assert(BandLimitBlock.end() == SquelchThreshold.offset);
static_assert(SquelchThreshold.end() <= CodeplugImage::Size);
static_assert(FullRowsEnd % CodeplugImage::RowSize == 0);

// The editor that shows a byte, for the names a verify, a comparison and the memory
// map give to the bytes.
enum class Editor {
    None, // no editor shows the byte; it is carried as read
    ChannelInformation,
    OptionalFeatures,
    Dtmf,
    TwoTone,
    Msk,
    KeyAssignment,
    SqlTuning,
    ParameterAdjust,
    SoftwareInfo,
};

// A region with what it holds and who shows it. Every byte of the memory lies in
// exactly one of them; where two editors share a byte (the 2-Tone dialog's derived
// values on the squelch table, DTMF's bits in the first feature flag byte) the
// region names the editor that reads it back.
struct NamedRegion {
    Region region;
    BilingualText name; // "channel 9", "band shadow"
    Editor editor = Editor::None;
    int channel = 0; // the grid row of a channel record (1..129, 129 is "Fr"), else 0
};

// The regions in offset order, from 0x000 to 0xFFF without a gap.
std::span<const NamedRegion> namedRegions();
// The region that holds `offset` (0x000..0xFFF); throws std::out_of_range beyond.
const NamedRegion& regionAt(std::size_t offset);

// The region of a channel record by its grid row (1..129); throws std::out_of_range
// for another row.
const NamedRegion& channelRegion(int row);

// The editor as its window is called; Editor::None reads "not shown by any editor
// (kept as read)".
const BilingualText& editorName(Editor editor);

// "0x0C0-0x0C7", or "0xFE1" for one byte.
std::string hexRange(Region run);
// The bytes of `run` in `image` as "13 17".
std::string hexBytes(const CodeplugImage& image, Region run);
// "0x0C0-0x0C7: channel 9": the run, named by the region of its first byte.
std::string describeRun(Region run, Language language);

// The runs of bytes inside `within` where `a` and `b` differ, in offset order, each
// cut at the regions' boundaries so that it lies in one region.
std::vector<Region> differingRuns(const CodeplugImage& a, const CodeplugImage& b,
                                  std::span<const Region> within);
// The same over the whole memory.
std::vector<Region> differingRuns(const CodeplugImage& a, const CodeplugImage& b);

} // namespace program::imagemap
