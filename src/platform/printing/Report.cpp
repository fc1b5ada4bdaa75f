#include "platform/printing/Report.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "platform/files/AtomicFile.h"
#include "platform/printing/PaintPages.h"
#include "platform/printing/PdfTextMaps.h"
#include "platform/printing/PreviewWindow.h"
#include "platform/printing/PrintLayout.h"
#include "platform/prompts/Prompts.h"

namespace {

constexpr int kPdfResolution = 600;

// The commands of the preview window run in its own event loop, which no
// exception may reach: one meant for the clerk is shown, any other as a fixed text.
void RunGuarded(TPrompts& prompts, const std::function<void()>& command) {
  try {
    command();
  } catch (const TClerkError& error) {
    prompts.Error(error.Caption().isEmpty() ? TPrompts::kErrorCaption : error.Caption(),
                  error.Message());
  } catch (...) {
    prompts.Error(TPrompts::kErrorCaption, QStringLiteral("打印时发生错误，本次打印未能完成。"));
  }
}

void SetA4Portrait(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
}

}  // namespace

TReport::TReport(const TPrintLayout& layout) : layout_(layout) {}

TReport::~TReport() = default;

QPrinter& TReport::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    SetA4Portrait(*printer_);
    // The bands are placed from the paper's corner, as on every other device.
    printer_->setFullPage(true);
  }
  printer_->setDocName(title_);
  return *printer_;
}

void TReport::Preview(TPrompts& prompts) {
  QPrinter& printer = Printer();
  QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
  dialog.setObjectName(QStringLiteral("ReportPreview"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [this](QPrinter* pages) { PaintPages(layout_, *pages); });
  auto* pages = dialog.findChild<QPrintPreviewWidget*>();
  const auto followPrinting = [pages](bool printed) {
    if (printed && pages) pages->updatePreview();
  };
  AdaptPreviewWindow(
      dialog, [&] { RunGuarded(prompts, [&] { followPrinting(Print(prompts)); }); },
      [&] { RunGuarded(prompts, [&] { followPrinting(SaveAsPdf(prompts)); }); });
  prompts.RunModal(dialog);
}

bool TReport::Print(TPrompts& prompts) {
  QPrinter& printer = Printer();
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  dialog.setObjectName(QStringLiteral("PrintDialog"));
  // Every page of the layout is printed.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (prompts.RunModal(dialog) != QDialog::Accepted) return false;
  return PrintOn(printer, prompts);
}

bool TReport::PrintOn(QPrinter& printer, TPrompts& prompts) {
  BeforePrint();
  if (PaintPages(layout_, printer) == 0) {
    prompts.Error(TPrompts::kErrorCaption, QStringLiteral("打印失败，请检查打印机是否可用。"));
    return false;
  }
  AfterPrint();
  return true;
}

bool TReport::SaveAsPdf(TPrompts& prompts) {
  QString path = prompts.SaveFileOfKind(
      TFileKind::Prints, QStringLiteral("保存为PDF"), QStringLiteral("PDF文件 (*.pdf)"),
      title_.isEmpty() ? QString() : title_ + QStringLiteral(".pdf"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  try {
    WritePdf(path);
    return true;
  } catch (const TFileError& error) {
    prompts.Error(TPrompts::kErrorCaption, error.Message());
    return false;
  }
}

int TReport::WritePdf(const QString& path) {
  BeforePrint();
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter writer(&pdf);
    writer.setTitle(title_);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setResolution(kPdfResolution);
    SetA4Portrait(writer);
    pages = PaintPages(layout_, writer);
  }
  if (pages == 0) throw TFileError(QStringLiteral("无法生成PDF文件：") + path);
  WriteFileAtomically(path, WithPlainCharacterMaps(pdf.data()));
  AfterPrint();
  return pages;
}

void TReport::BeforePrint() const {
  if (beforePrint_) beforePrint_();
}

void TReport::AfterPrint() const {
  if (afterPrint_) afterPrint_();
}
