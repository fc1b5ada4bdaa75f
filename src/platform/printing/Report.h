#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class TPrintLayout;
class TPrompts;

// A layout as the clerk prints it: shown in a preview window from which it can
// be printed or saved, printed through the system's print dialog, or saved as a
// PDF file. The layout is drawn afresh, from its first band, each time.
//
// "Before print" and "after print" frame each printing: each time the layout
// goes to the printer (from the preview window too) and each time it is saved
// as a PDF, which is a printing the clerk asked for as much as one on paper.
// "After print" comes once the pages are out; never for the preview's own
// drawing, a cancelled dialog or a printing that failed.
class TReport {
 public:
  explicit TReport(const TPrintLayout& layout);
  ~TReport();
  TReport(const TReport&) = delete;
  TReport& operator=(const TReport&) = delete;

  // The document's name: in the preview's caption, the printer's queue, the
  // PDF's title and the PDF file name proposed.
  void SetTitle(const QString& title) { title_ = title; }
  const QString& Title() const { return title_; }
  void SetBeforePrint(std::function<void()> handler) { beforePrint_ = std::move(handler); }
  void SetAfterPrint(std::function<void()> handler) { afterPrint_ = std::move(handler); }

  // The preview window, run modally through the prompts; its print and save
  // commands go through the prompts too, and what they throw (the events'
  // handlers included) is shown there. The preview follows each printing, so
  // a line that "after print" changed shows at once.
  void Preview(TPrompts& prompts);
  // The print dialog, then the printer. True when the pages went out.
  bool Print(TPrompts& prompts);
  // A file name asked for, then the PDF. True when it was saved; a file that
  // cannot be written is told with its reason.
  bool SaveAsPdf(TPrompts& prompts);
  // The PDF written to the path (replacing a file there whole or not at all);
  // a printing as SaveAsPdf is. Throws TFileError. Returns the number of pages.
  int WritePdf(const QString& path);

  // The printer of the preview and of Print, kept for the run with what the
  // clerk chose in the print dialog; made on first use.
  QPrinter& Printer();

 private:
  bool PrintOn(QPrinter& printer, TPrompts& prompts);
  void BeforePrint() const;
  void AfterPrint() const;

  const TPrintLayout& layout_;
  QString title_;
  std::function<void()> beforePrint_;
  std::function<void()> afterPrint_;
  std::unique_ptr<QPrinter> printer_;
};
