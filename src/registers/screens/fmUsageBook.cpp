#include "registers/screens/fmUsageBook.h"

#include "platform/prompts/Prompts.h"
#include "registers/books/UsageText.h"
#include "widgets/grid/ListModel.h"

TfmUsageBook::TfmUsageBook(const TRegisterContext& context, QWidget* parent)
    : TRegisterBook(context.Screen, QStringLiteral("转账用途"), QStringLiteral(" 转账用途"),
                    parent),
      registers_(context.Registers) {
  setObjectName(QStringLiteral("fmUsageBook"));
  model_ = std::make_unique<TRecordListModel<QStringList>>(
      registers_.Usages.Texts(),
      QList<TColumnDef>{{QStringLiteral("序号"), 48, TColumnAlignment::Center},
                        {QStringLiteral("用途"), 360, TColumnAlignment::Left}},
      [](const QString& usage, int col) { return col == 1 ? usage : QString(); }, true);
  SetModel(model_.get());
  AddCommand(
      QStringLiteral("btnAdd"), QStringLiteral("新增"), [this] { btnAddClick(); }, true);
  AddCommand(QStringLiteral("btnEdit"), QStringLiteral("修改"), [this] { btnEditClick(); });
  AddCommand(QStringLiteral("btnDelete"), QStringLiteral("删除"), [this] { btnDeleteClick(); });
  Refresh();
}

TfmUsageBook::~TfmUsageBook() {
  // The grid lets go of the model before the model goes.
  SetModel(nullptr);
}

void TfmUsageBook::RemoveEntries(int first, int last) {
  for (int i = last; i >= first; --i) registers_.Usages.Remove(i);
}

void TfmUsageBook::SaveEntries() const {
  registers_.SaveUsages();
}

void TfmUsageBook::btnAddClick() {
  const std::optional<QString> typed =
      Prompts().InputText(QStringLiteral("请输入新的转帐用途"),
                          QStringLiteral("用途信息最多可保存15个汉字"), QString());
  if (!typed) return;
  const QString usage = UsageText(*typed);
  if (usage.isEmpty()) return;
  TUsageList& usages = registers_.Usages;
  // A text that differs from a registered one only in case counts as that one.
  if (usages.Add(usage)) SaveAndRefresh();
  MakeCurrent(int(usages.IndexOf(usage)));
}

void TfmUsageBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  TUsageList& usages = registers_.Usages;
  const QString old = usages.At(row);
  const std::optional<QString> typed =
      Prompts().InputText(QStringLiteral("修改转帐用途"), QString(), old);
  if (!typed) return;
  const QString usage = UsageText(*typed);
  if (usage.isEmpty() || usage == old) return;
  const qsizetype same = usages.IndexOf(usage);
  if (same >= 0 && same != row) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("该项记录已存在，请检查后重新输入！"));
    return;
  }
  usages.Remove(row);
  usages.Add(usage);
  SaveAndRefresh();
  MakeCurrent(int(usages.IndexOf(usage)));
}

void TfmUsageBook::btnDeleteClick() {
  DeleteEntries(QStringLiteral("是否要删除所选择的转帐用途记录?"), false);
}
