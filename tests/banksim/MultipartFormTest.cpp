#include <gtest/gtest.h>

#include "MultipartForm.h"

namespace {

const QByteArray kBoundary = "---------------------------7d8119e403d4";

QByteArray Part(const QByteArray& disposition, const QByteArray& content) {
  return "--" + kBoundary + "\r\nContent-Disposition: " + disposition + "\r\n\r\n" + content +
         "\r\n";
}

TEST(MultipartForm, BoundaryComesFromTheContentType) {
  EXPECT_TRUE(IsMultipartForm("multipart/form-data; boundary=" + kBoundary));
  EXPECT_TRUE(IsMultipartForm(" Multipart/Form-Data"));
  EXPECT_FALSE(IsMultipartForm("application/x-www-form-urlencoded"));
  EXPECT_EQ(MultipartBoundary("multipart/form-data; boundary=" + kBoundary), kBoundary);
  EXPECT_EQ(MultipartBoundary("multipart/form-data; BOUNDARY=\"a b;c\"; charset=GBK"), "a b;c");
  EXPECT_EQ(MultipartBoundary("multipart/form-data;boundary=xyz ; charset=GBK"), "xyz");
  EXPECT_TRUE(MultipartBoundary("multipart/form-data").isEmpty());
  EXPECT_TRUE(MultipartBoundary("multipart/form-data; charset=GBK").isEmpty());
}

TEST(MultipartForm, PartsKeepNamesFileNamesAndExactContent) {
  // The file content ends with its own line end; a delimiter-like text that does
  // not start a line belongs to the content.
  const QByteArray file = "001|a|b|\r\n002|c --" + kBoundary + "|\r\n";
  const QByteArray body = "preamble\r\n" +
                          Part("form-data; name=\"SEND_FILE\"; filename=\"C:\\tmp.txt\"", file) +
                          Part("form-data; name=\"PASSWORD\"", " 12 34 ") +
                          Part("form-data; name=EMPTY", "") + "--" + kBoundary + "--\r\nepilogue";
  const auto parts = ParseMultipart(body, kBoundary);
  ASSERT_TRUE(parts);
  ASSERT_EQ(parts->size(), 3);
  EXPECT_EQ((*parts)[0].Name, "SEND_FILE");
  EXPECT_EQ((*parts)[0].FileName, "C:\\tmp.txt");
  EXPECT_EQ((*parts)[0].Content, file);
  EXPECT_EQ((*parts)[1].Name, "PASSWORD");
  EXPECT_TRUE((*parts)[1].FileName.isEmpty());
  EXPECT_EQ((*parts)[1].Content, " 12 34 ");
  EXPECT_EQ((*parts)[2].Name, "EMPTY");
  EXPECT_TRUE((*parts)[2].Content.isEmpty());

  // Other header lines of a part, in any case, are passed over.
  const QByteArray typed = "--" + kBoundary +
                           "\r\ncontent-type: text/plain\r\nCONTENT-DISPOSITION: form-data; "
                           "name=\"X\"\r\n\r\nvalue\r\n--" +
                           kBoundary + "--";
  const auto typedParts = ParseMultipart(typed, kBoundary);
  ASSERT_TRUE(typedParts);
  EXPECT_EQ(typedParts->value(0).Content, "value");
}

}  // namespace
