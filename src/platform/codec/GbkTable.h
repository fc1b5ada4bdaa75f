#pragma once

#include <cstdint>

// The code page 936 mapping as two lookup tables, built once from the platform's
// "GBK" converter, so that whole files convert in one pass without it.
namespace codec::detail {

class GbkTable {
 public:
  static const GbkTable& Instance();

  static constexpr bool IsLead(uint8_t b) { return b >= 0x81 && b <= 0xFE; }

  // The character of a double-byte code, or 0 when the pair is not GBK.
  char16_t Pair(uint8_t lead, uint8_t trail) const {
    if (trail < 0x40 || trail > 0xFE) return 0;
    return pairs_[(lead - 0x81) * kTrails + (trail - 0x40)];
  }

  // The character of a single byte of 0x80 and above that is not a lead byte
  // (0x80 and 0xFF), or 0.
  char16_t Single(uint8_t b) const { return singles_[b - 0x80]; }

  // The GBK code of a character: below 0x100 one byte, else two bytes (lead in
  // the high byte); 0 when GBK has no code for it.
  uint16_t Code(char16_t ch) const { return ch < 0x80 ? ch : codes_[ch]; }

 private:
  GbkTable();
  static constexpr int kLeads = 0xFE - 0x81 + 1;
  static constexpr int kTrails = 0xFE - 0x40 + 1;

  char16_t pairs_[kLeads * kTrails] = {};
  char16_t singles_[0x80] = {};
  uint16_t codes_[0x10000] = {};
};

}  // namespace codec::detail
