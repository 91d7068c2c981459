// Code page 932 tables derived from ICU's Shift_JIS converter and corrected where ICU differs from
// Windows. The program itself uses the static copy in src/core/cp932data.inc, generated from these
// by tools/cp932/generate.cpp; a test checks that the two agree.
#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

struct Cp932IcuTables {
    std::array<char16_t, 256> single{}; // characters of the bytes that are not lead bytes
    std::vector<char16_t> pairs;        // by lead << 8 | trail; 0 where the pair has no character
    std::vector<quint16> codes;         // by character: one byte, or lead << 8 | trail; 0 for none
};

Cp932IcuTables buildCp932FromIcu();

constexpr bool isCp932LeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isCp932TrailByte(uchar b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}
