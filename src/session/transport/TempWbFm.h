#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWidget>

class QNetworkAccessManager;
class TPrompts;

// The session browser: a hidden window that lives for the whole run and owns the
// one network access manager through which every exchange with the bank goes, so
// that all of them share one cookie jar. Nothing is cached.
//
// It also holds the "document": the text of the last reply that was a page (not
// a file), as TWebDownloader left it.
class TTempWbFm : public QWidget {
  Q_OBJECT
 public:
  // Files that replies turn out to be are offered for saving through the prompts.
  explicit TTempWbFm(TPrompts& prompts, QWidget* parent = nullptr);
  ~TTempWbFm() override;

  // The session browser of the run: the most recently created one still alive,
  // or nullptr.
  static TTempWbFm* Current();

  QNetworkAccessManager& Network() { return *network_; }
  TPrompts& Prompts() const { return prompts_; }

  // The current document: whether there is one, and its text decoded by its charset.
  bool HasDocument() const { return hasDocument_; }
  const QString& DocumentText() const { return documentText_; }
  void SetDocument(const QString& text);
  void ClearDocument();

  // Logoff: the document becomes "about:blank" (none) and every cookie is
  // forgotten (a new, empty jar).
  void GoOffline();

 Q_SIGNALS:
  // A reply turned out to be a file: it is being offered for saving.
  void DownloadStarted();

 private:
  TPrompts& prompts_;
  QNetworkAccessManager* network_;
  bool hasDocument_ = false;
  QString documentText_;
};
