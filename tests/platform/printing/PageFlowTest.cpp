#include <gtest/gtest.h>

#include "TextBands.h"
#include "platform/printing/PdfTextMaps.h"
#include "platform/printing/Report.h"
#include "support/PdfText.h"
#include "support/TempAppDir.h"

namespace {

TEST(PageFlow, bandsFlowDownThePagesAndABandThatDoesNotFitStartsTheNext) {
  TempAppDir dir;
  // 2730 of an A4 page hold two bands of 1000, not three.
  const TTextBands layout({"第一条", "第二条", "第三条", "第四条", "第五条"}, 1000);
  TReport report(layout);
  EXPECT_EQ(report.WritePdf(dir.File("bands.pdf")), 3);
  EXPECT_EQ(PdfPages(dir.File("bands.pdf")), 3);
  EXPECT_EQ(PdfLines(dir.File("bands.pdf"), 1), QStringList({"第一条", "第二条"}));
  EXPECT_EQ(PdfLines(dir.File("bands.pdf"), 2), QStringList({"第三条", "第四条"}));
  EXPECT_EQ(PdfLines(dir.File("bands.pdf"), 3), QStringList({"第五条"}));
}

TEST(PdfText, ideographsAndBlanksComeOutOfThePdfAsTheyWerePrinted) {
  TempAppDir dir;
  // Each of 行 网 子 人 民 日 用 一 shares its glyph with a radical of the font.
  const QString text = "维岭银行网上银行电子回单 人民币 日  期 用途 一";
  const TTextBands layout({text}, 100);
  TReport report(layout);
  report.WritePdf(dir.File("text.pdf"));
  EXPECT_EQ(PdfLines(dir.File("text.pdf")),
            QStringList({"维岭银行网上银行电子回单 人民币 日 期 用途 一"}));

  // Only codes that stand for one glyph each change; a range stays.
  EXPECT_EQ(WithPlainCharacterMaps("1 beginbfrange\n<0001> <0003> [<2F8F> <0009> <4E00>]\n"
                                   "<0004> <0004> <2F47>\n<0005> <000E> <2F00>\nendbfrange\n"
                                   "<2F8F>"),
            QByteArray("1 beginbfrange\n<0001> <0003> [<884C> <0020> <4E00>]\n"
                       "<0004> <0004> <65E5>\n<0005> <000E> <2F00>\nendbfrange\n<2F8F>"));
}

}  // namespace
