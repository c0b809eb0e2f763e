#pragma once

#include "app/ChoiceList.h"
#include "model/CodeplugImage.h"
#include "signalling/Spin.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The DTMF dialog's three pages: what each shows, read from and written to the
// image, and the rules its edits and spin buttons follow.
namespace program::signalling {

// Encode page: the encoder's timing and side tone, as the edits show them.
struct DtmfEncode {
    int speed = 6;               // digits per second: 6, 8, 10 or 15
    int firstDigitDelayMs = 200; // 0 ... 1000 in steps of 50
    int firstDigitTimeMs = 0;    // 0, 100, 500 or 1000
    int starHashTimeMs = 0;      // as the first digit time
    bool sideTone = true;

    friend bool operator==(const DtmfEncode&, const DtmfEncode&) = default;
};

// A stored time byte counts only its low five bits, so a page may show a time
// the edits would not take (up to 1550 ms); storing normalises every field.
DtmfEncode loadDtmfEncode(const CodeplugImage& image);
// Writes the speed bits, the three time bytes whole and the side-tone bit.
void storeDtmfEncode(const DtmfEncode& values, CodeplugImage& image);

// An encode edit's text as a number: the whole number at its start (blanks and a
// sign before it count), 0 when there is none; far too large numbers stop at a
// billion either way.
int readWholeNumber(std::string_view text);

// Normalisation when an encode edit loses the focus, and its spin button's step.
int normaliseSpeed(int speed);
int spinSpeed(int speed, Spin spin);
int normaliseFirstDigitDelay(int ms);
int spinFirstDigitDelay(int ms, Spin spin);
// First digit time and "*" and "#" time.
int normaliseDigitTime(int ms);
int spinDigitTime(int ms, Spin spin);

// Decode page: the radio's own codes and what a stun code does.
struct DtmfDecode {
    static constexpr std::size_t CodeLength = 10;
    // The group code byte: 0xFF is "Off", any other byte is shown as that character.
    static constexpr std::uint8_t GroupCodeOff = 0xFF;

    std::string idCode;
    std::uint8_t groupCode = 'A';
    bool stunActivation = true;
    std::string stunCode;
    int stunType = 0; // position in stunTypes(): 0 "Tx inhibit", 1 "Transceiver inhibit"

    friend bool operator==(const DtmfDecode&, const DtmfDecode&) = default;
};

DtmfDecode loadDtmfDecode(const CodeplugImage& image);
// Writes the two codes (padded with 0xFF), the group code byte and the two stun
// bits; the other bits of their byte are kept.
void storeDtmfDecode(const DtmfDecode& values, CodeplugImage& image);

// "Off", "A" ... "#", in list order; the group-code edit shows one of them or the
// character of a byte outside the list.
const ChoiceList& groupCodes();
const ChoiceList& stunTypes();
// The group code as the edit shows it, and the byte an edit's text stores.
std::string groupCodeText(std::uint8_t byte, Language language);
std::uint8_t groupCodeByte(std::string_view text);

// Fast call list: nine DTMF strings.
struct DtmfCallList {
    static constexpr std::size_t EntryCount = 9;
    static constexpr std::size_t EntryLength = 16;

    std::array<std::string, EntryCount> calls;

    friend bool operator==(const DtmfCallList&, const DtmfCallList&) = default;
};

DtmfCallList loadDtmfCallList(const CodeplugImage& image);
void storeDtmfCallList(const DtmfCallList& values, CodeplugImage& image);

// The characters a DTMF code is made of: 0-9, A-D, "*" and "#".
bool isDtmfCharacter(char c);
// Up to `length` DTMF characters (stun code: 10, call-list entry: 16).
bool isDtmfCode(std::string_view text, std::size_t length);

} // namespace program::signalling
