#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <cstddef>

// The bytes of a password, or of a request body that carries one. The buffer has
// one owner (it moves, never copies or shares), and every byte is zeroed before
// its memory is given back: when it grows, on Wipe and on destruction.
class TSecretBytes {
 public:
  TSecretBytes() = default;
  ~TSecretBytes() { Wipe(); }
  TSecretBytes(TSecretBytes&& other) noexcept;
  TSecretBytes& operator=(TSecretBytes&& other) noexcept;
  TSecretBytes(const TSecretBytes&) = delete;
  TSecretBytes& operator=(const TSecretBytes&) = delete;

  TSecretBytes& Append(QByteArrayView bytes);
  TSecretBytes& Append(char byte) { return Append(QByteArrayView(&byte, 1)); }
  void Wipe();

  QByteArrayView View() const { return {data_, qsizetype(size_)}; }
  qsizetype Size() const { return qsizetype(size_); }
  bool IsEmpty() const { return size_ == 0; }

 private:
  void Grow(size_t needed);

  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

// Zeroes memory so that the compiler cannot leave the stores out.
void ZeroSecret(void* data, size_t size);

// Zeroes the heap buffer of the text (or bytes) where it lies, then empties it.
// Every copy that shares the buffer sees the zeros: a widget's text and the
// QString its text() returned are one buffer, and this wipes both.
void WipeInPlace(QString& text);
void WipeInPlace(QByteArray& bytes);

// The GBK bytes of the text (a character GBK cannot hold becomes "?"), with no
// other copy of them left behind.
TSecretBytes SecretGbk(QStringView text);
