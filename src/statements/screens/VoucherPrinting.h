#pragma once

struct TFormHisDetailRep;
class TPrompts;

enum class TVoucherOutput { Preview, Printer };

// The transfer vouchers of file rows, titled "电子转账凭证打印", in the
// preview window (from which the clerk may print) or through the print dialog.
void PrintVouchers(TPrompts& prompts, const TFormHisDetailRep& vouchers, TVoucherOutput output);
