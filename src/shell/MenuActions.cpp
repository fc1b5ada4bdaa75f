#include "shell/MenuActions.h"

std::optional<TMenuAction> MenuActionFor(qint32 code) {
  struct Row {
    const char* Caption;
    bool IsDialog;
    bool NeedsSession;
  };
  static const Row kRows[] = {
      {"批量制单", false, false},
      {"浏览转化外部文件", false, false},
      {"批量代发代扣交易结果浏览", false, false},
      {"浏览交易明细", false, false},
      {"浏览转账流水", false, false},
      {"更新客户端软件参数", true, true},
      {"账户明细联机查询", false, true},
      {"交易流水联机查询", false, true},
      {"他行信息文件更新", true, false},
      {"付款人名册", false, false},
      {"收款人名册", false, false},
      {"本地名册", false, false},
      {"转账用途", false, false},
      {"中央财政批量支付文件制作", false, false},
      {"代发代扣批量结果文件下载", false, false},
      {"中央财政支付付款人名册", false, false},
      {"中央财政支付收款人名册", false, false},
      {"中央财政支付附加信息", false, false},
  };
  if (code < 0 || code >= qint32(std::size(kRows))) return std::nullopt;
  const Row& row = kRows[code];
  return TMenuAction{code, QString::fromUtf8(row.Caption), row.IsDialog, row.NeedsSession};
}
