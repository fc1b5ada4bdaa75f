#pragma once

#include <QString>

// Entries of the lists that server replies carry.

struct TModeItem {
  QString ModeNo;
  QString ModeName;
  QString TempName;
};

struct TPayItem {
  QString ItemNo;
  QString ItemId;
  QString ItemEctip;
  QString ItemCaption;
  QString FileSize;
};

struct TPayUse {
  QString UseNo;
  QString UseCaption;
  QString UseId;
  QString ModeId;
  QString Locked;
};

struct TACCItem {
  QString Display;
  QString AccNo;
  QString AccName;
  QString AccType;
  QString BankName;
  QString CurType;
};
