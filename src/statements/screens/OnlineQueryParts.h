#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <pugixml.hpp>

class QLineEdit;
class QPushButton;
class QWidget;
class StatementTable;
class TPartyPanel;
class TStatementGrid;
class TPrompts;
class TSessionControl;

// What the two online statement screens share.

// The main platform path of the session's interface: V6 for trade type 1.
QString QueryUrl(TSessionControl& session);
// The older interface's path, where the print counts always go.
QString CountUrl(TSessionControl& session);

// A date field of at most eight characters, named as given.
QLineEdit* DateField(QWidget* parent, const char* name);
// The date check of a field as the clerk types ("edtBeginDate" is the begin
// date): the message and the focus on the field when it fails.
bool CheckDateField(TPrompts& prompts, QLineEdit& field);

// Posts a page query and reads its reply; a failed exchange or reply is shown
// in an error box "错误", what was read before it staying. Either way the grid
// then shows the table from its first row.
void QueryPage(TPrompts& prompts, const QString& url, const QByteArray& body,
               const std::function<void(const pugi::xml_node& root)>& read, TStatementGrid& grid,
               StatementTable& table);

// "下一页" while pages are left, "上一页" past the first page.
void UpdatePaging(QPushButton& prior, QPushButton& next, int page, int pages);

// The payer's (汇款人) and the payee's (收款人) blocks of a receipt panel, their
// values named stxtPayName … stxtRevBank.
TPartyPanel* ReceiptPayerPanel(QWidget* parent);
TPartyPanel* ReceiptPayeePanel(QWidget* parent);
