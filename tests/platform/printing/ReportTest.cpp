#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLibraryInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QTranslator>

#include "TextBands.h"
#include "platform/errors/ClerkError.h"
#include "platform/printing/Report.h"
#include "platform/prompts/ChineseTranslation.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "support/PdfText.h"
#include "support/TempAppDir.h"

namespace {

// A report of three pages whose printer writes a PDF file, and the printings
// that its events saw.
class Report : public testing::Test {
 protected:
  Report() {
    report.SetTitle("电子转账凭证打印");
    report.SetBeforePrint([this] { ++before; });
    report.SetAfterPrint([this] { ++after; });
    report.Printer().setOutputFormat(QPrinter::PdfFormat);
    report.Printer().setOutputFileName(dir.File("printed.pdf"));
  }

  QString ModalNames() const {
    QStringList names;
    for (const TScriptedModal& run : prompts.ModalRuns()) names << run.ObjectName;
    return names.join(' ');
  }

  TempAppDir dir;
  TScriptedPrompts prompts;
  const TTextBands layout{{"第一条", "第二条", "第三条", "第四条", "第五条"}, 1000};
  TReport report{layout};
  int before = 0;
  int after = 0;
};

TEST_F(Report, afterPrintComesOncePerPrintingFromThePreviewAndNeverForItsOwnDrawing) {
  prompts.AnswerModal([this](QDialog& preview) {
    preview.show();  // the preview draws the pages
    QApplication::processEvents();
    EXPECT_EQ(preview.findChild<QPrintPreviewWidget*>()->pageCount(), 3);
    QAction* print = preview.findChild<QAction*>("actPrint");
    prompts.AnswerModal(QDialog::Rejected);
    print->trigger();
    EXPECT_EQ(after, 0);
    EXPECT_FALSE(QFile::exists(dir.File("printed.pdf")));
    prompts.AnswerModal(QDialog::Accepted);
    print->trigger();
    EXPECT_EQ(PdfPages(dir.File("printed.pdf")), 3);
    prompts.AnswerModal(QDialog::Accepted);
    print->trigger();
    prompts.AnswerFile(dir.File("saved"));
    preview.findChild<QAction*>("actSavePdf")->trigger();
    EXPECT_TRUE(preview.isVisible());  // printing leaves the preview open
    report.SetAfterPrint([] { throw TClerkError("打印次数上报失败"); });
    prompts.AnswerModal(QDialog::Accepted);
    print->trigger();
    EXPECT_EQ(prompts.LastMessage().Text, "打印次数上报失败");
    return int(QDialog::Rejected);
  });
  report.Preview(prompts);
  // A modal run is recorded when it ends: the preview's after those it opened.
  EXPECT_EQ(ModalNames(), "PrintDialog PrintDialog PrintDialog PrintDialog ReportPreview");
  EXPECT_EQ(before, 4);
  EXPECT_EQ(after, 3);
  EXPECT_EQ(PdfPages(dir.File("saved.pdf")), 3);
}

TEST_F(Report, aCancelledDialogPrintsNothingAndAFailedSaveIsToldWithoutAfterPrint) {
  prompts.AnswerModal(QDialog::Rejected);
  EXPECT_FALSE(report.Print(prompts));
  EXPECT_FALSE(report.SaveAsPdf(prompts));  // no file name chosen
  prompts.AnswerFile(dir.File("missing/a.pdf"));
  EXPECT_FALSE(report.SaveAsPdf(prompts));
  EXPECT_EQ(after, 0);
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_TRUE(prompts.LastMessage().Text.contains("missing/a.pdf"))
      << prompts.LastMessage().Text.toStdString();
  EXPECT_EQ(prompts.FileDialogs()[0].Path, "电子转账凭证打印.pdf");

  prompts.AnswerModal(QDialog::Accepted);
  EXPECT_TRUE(report.Print(prompts));
  EXPECT_EQ(after, 1);
  EXPECT_EQ(PdfLines(dir.File("printed.pdf"), 3), QStringList{"第五条"});
}

TEST_F(Report, thePreviewToolbarSpeaksChineseAndOffersNoPageSetup) {
  ASSERT_TRUE(InstallChineseTranslation(*qApp));
  QStringList shown;
  prompts.AnswerModal([&shown](QDialog& preview) {
    for (QAction* action : preview.findChild<QToolBar*>()->actions())
      if (action->isVisible() && !action->isSeparator() && !action->text().isEmpty())
        shown << action->text();
    return int(QDialog::Rejected);
  });
  report.Preview(prompts);
  qDeleteAll(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
  QLocale::setDefault(QLocale::system());
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "打印预览: 电子转账凭证打印");
  EXPECT_EQ(shown, QStringList({"适应宽度", "适应页面", "缩小", "放大", "第一页", "上一页",
                                "下一页", "最后一页", "单页显示", "对页显示", "显示全部页面概览",
                                "打印", "保存为PDF"}));
}

}  // namespace
