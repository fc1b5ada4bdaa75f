#pragma once

#include <QByteArrayView>
#include <QString>
#include <pugixml.hpp>

// A form posted to the bank (url is the base URL and the path) with the form
// header; the reply that passed the check. A failed transport or a reply that
// reports an error throws EResponseError.
pugi::xml_document PostForm(const QString& url, QByteArrayView body);

// A form whose answer may be a file. True when it was one: the session browser
// has offered it for saving. Otherwise the reply's text is left in reply. A
// failed transport throws EResponseError.
bool PostForFile(const QString& url, QByteArrayView body, QString& reply);

// A form the bank answers with a file, which is offered for saving; an answer
// that is a page instead is checked, so that the bank's refusal throws
// EResponseError.
void DownloadFile(const QString& url, QByteArrayView body);
