#include "session/transport/TempWbFm.h"

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>

namespace {

// Every session browser alive, oldest first.
QList<TTempWbFm*>& LiveBrowsers() {
  static QList<TTempWbFm*> browsers;
  return browsers;
}

}  // namespace

TTempWbFm::TTempWbFm(TPrompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts), network_(new QNetworkAccessManager(this)) {
  setObjectName(QStringLiteral("TempWbFm"));
  setFixedSize(0, 0);
  hide();
  // No cache is ever set on the manager, and each request asks for the network.
  network_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
  network_->setCookieJar(new QNetworkCookieJar(network_));
  LiveBrowsers().append(this);
}

TTempWbFm::~TTempWbFm() {
  LiveBrowsers().removeAll(this);
}

TTempWbFm* TTempWbFm::Current() {
  return LiveBrowsers().isEmpty() ? nullptr : LiveBrowsers().constLast();
}

void TTempWbFm::SetDocument(const QString& text) {
  hasDocument_ = true;
  documentText_ = text;
}

void TTempWbFm::ClearDocument() {
  hasDocument_ = false;
  documentText_.clear();
}

void TTempWbFm::GoOffline() {
  ClearDocument();
  // The manager deletes the old jar, which is its child.
  network_->setCookieJar(new QNetworkCookieJar(network_));
}
