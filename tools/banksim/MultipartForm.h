#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// One part of a multipart/form-data body.
struct TFormPart {
  QByteArray Name;      // the "name" of its Content-Disposition
  QByteArray FileName;  // its "filename", empty for a plain field
  QByteArray Content;   // the exact bytes between its header and the next delimiter
};

// True for a Content-Type of "multipart/form-data" (any parameters).
bool IsMultipartForm(const QByteArray& contentType);
// The boundary parameter of a Content-Type (quotes removed), or empty.
QByteArray MultipartBoundary(const QByteArray& contentType);
// The parts of a body, in order. Nothing when the body is not a complete
// multipart form: empty boundary, no delimiter, a part without the blank line
// after its header or without a name, or no closing delimiter.
std::optional<QList<TFormPart>> ParseMultipart(const QByteArray& body, const QByteArray& boundary);
