#include <gtest/gtest.h>

#include "platform/files/AtomicFile.h"
#include "registers/codetables/CodeFileConversion.h"
#include "xml/XmlFiles.h"

using codetables::TCodeFile;

namespace {

QString DataDir() {
  return QStringLiteral(REPOSITORY_DIR "/data");
}

// The shipped tables are what the shipped code files convert to, and readable XML.
TEST(SampleCodeFiles, convertToTheShippedTables) {
  for (const TCodeFile kind : {TCodeFile::Area, TCodeFile::Bank, TCodeFile::Branch}) {
    const QString source =
        DataDir() + QStringLiteral("/codefiles/") + codetables::SourceFileName(kind);
    const QString table = DataDir() + QStringLiteral("/param/") + codetables::TableFileName(kind);
    SCOPED_TRACE(source.toStdString());
    const std::optional<QByteArray> text = ReadWholeFile(source);
    const std::optional<QByteArray> shipped = ReadWholeFile(table);
    ASSERT_TRUE(text && shipped);
    EXPECT_TRUE(text->endsWith("|\r\n"));
    EXPECT_EQ(codetables::ConvertCodeFile(kind, *text), shipped);
    xml::Document doc;
    EXPECT_TRUE(xml::ParseRegisterBytes(*shipped, doc));
  }
}

}  // namespace
