#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/WorkbookData.h"

typedef struct zip zip_t;

namespace spreadsheet {

// How much an .xlsx package may inflate to before it is refused as hostile.
struct TXlsxLimits {
  uint64_t BytesPerPart = 512ull << 20;
  uint64_t BytesInTotal = 1ull << 30;
  int64_t Entries = 10000;
  // The workbook and its relationships are read into a tree, which takes
  // several times their size: they are held to much less.
  uint64_t BytesPerTreePart = 16ull << 20;
  // What the strings and cells read may take in memory, together with the
  // part being read: a small package of tiny, highly compressible cells can
  // stand for far more memory than its inflated bytes.
  uint64_t HeldBytes = 512ull << 20;
};

// The inflated bytes of one part.
struct TXlsxPart {
  std::unique_ptr<char, void (*)(void*)> Bytes{nullptr, &std::free};
  size_t Size = 0;
  char* begin() const { return Bytes.get(); }
  char* end() const { return Bytes.get() + Size; }
};

// The parts of an .xlsx package (a zip archive), read under TXlsxLimits that
// count the bytes actually inflated. Errors throw TSpreadsheetError with a
// message that names the file.
class TXlsxPackage {
 public:
  TXlsxPackage(const QString& path, const TXlsxLimits& limits);
  // The package held in bytes, which must outlive it; messages call it name.
  TXlsxPackage(const QByteArray& bytes, const QString& name, const TXlsxLimits& limits);
  ~TXlsxPackage();
  TXlsxPackage(const TXlsxPackage&) = delete;
  TXlsxPackage& operator=(const TXlsxPackage&) = delete;

  // The inflated part, or nothing when the package has no such part.
  std::optional<TXlsxPart> Read(const std::string& name, bool asTree = false);
  [[noreturn]] void Fail(const QString& reason) const;

 private:
  struct TZipCloser {
    void operator()(zip_t* zip) const;
  };

  // Takes the handle zip_open gave, refusing the package when there is none.
  void Opened(zip_t* zip, int error);

  QString path_;
  TXlsxLimits limits_;
  // Owned from the opening on, so that a package refused in the constructor
  // is closed too.
  std::unique_ptr<zip_t, TZipCloser> zip_;
  uint64_t inflated_ = 0;
};

// ReadXlsx with other limits, for tests.
TWorkbookData ReadXlsxWithLimits(const QString& path, const TXlsxLimits& limits);

// ReadXlsx of a workbook held in memory, which messages call name.
TWorkbookData ReadXlsxFromMemory(const QByteArray& bytes, const QString& name,
                                 const TXlsxLimits& limits = TXlsxLimits());

}  // namespace spreadsheet
