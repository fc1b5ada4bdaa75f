#pragma once

#include <QString>
#include <QUrl>

// The application title: caption of the program's own messages.
inline QString AppTitle() {
  return QStringLiteral("维岭银行网银企业客户端");
}

inline QString MainWindowCaption() {
  return AppTitle() + QStringLiteral("V8.4");
}

// The bank's corporate online-banking site, opened by the "企业网银链接" button.
inline QUrl BankSiteUrl() {
  return QUrl(QStringLiteral("https://b2b.weilingbank.example/"));
}
