#include "platform/secrets/SecretBytes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/codec/Gbk.h"

void ZeroSecret(void* data, size_t size) {
  if (size == 0) return;
  std::memset(data, 0, size);
  // The buffer escapes to an empty asm that may read it, so the stores above
  // cannot be dropped as dead before the memory is freed.
  asm volatile("" : : "r"(data) : "memory");
}

TSecretBytes::TSecretBytes(TSecretBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

TSecretBytes& TSecretBytes::operator=(TSecretBytes&& other) noexcept {
  if (this != &other) {
    Wipe();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

TSecretBytes& TSecretBytes::Append(QByteArrayView bytes) {
  if (bytes.isEmpty()) return *this;
  Grow(size_ + size_t(bytes.size()));
  std::memcpy(data_ + size_, bytes.data(), size_t(bytes.size()));
  size_ += size_t(bytes.size());
  return *this;
}

void TSecretBytes::Wipe() {
  ZeroSecret(data_, capacity_);
  std::free(data_);
  data_ = nullptr;
  size_ = 0;
  capacity_ = 0;
}

// Never realloc: it could move the bytes and free the old place unzeroed.
void TSecretBytes::Grow(size_t needed) {
  if (needed <= capacity_) return;
  const size_t capacity = std::max(needed, capacity_ * 2);
  auto* grown = static_cast<char*>(std::malloc(capacity));
  if (!grown) throw std::bad_alloc();
  if (size_ > 0) std::memcpy(grown, data_, size_);
  ZeroSecret(data_, capacity_);
  std::free(data_);
  data_ = grown;
  capacity_ = capacity;
}

namespace {

// Zeroes the whole allocation of a Qt array, not only its text: room before and
// after the text may still hold characters that were deleted or moved.
template <typename Array>
void ZeroAllocation(Array& array) {
  auto& d = array.data_ptr();
  // Static text (a literal, raw data) has no heap buffer of its own.
  if (!d.isMutable()) return;
  using Element = std::remove_cv_t<std::remove_pointer_t<decltype(d.data())>>;
  // d.data() is the array's own pointer: reading it does not detach the array.
  Element* begin = d.data() - d.freeSpaceAtBegin();
  const auto count = d.freeSpaceAtBegin() + array.size() + d.freeSpaceAtEnd();
  ZeroSecret(begin, size_t(count) * sizeof(Element));
}

}  // namespace

void WipeInPlace(QString& text) {
  ZeroAllocation(text);
  text = QString();
}

void WipeInPlace(QByteArray& bytes) {
  ZeroAllocation(bytes);
  bytes = QByteArray();
}

TSecretBytes SecretGbk(QStringView text) {
  QByteArray gbk = codec::ToGbk(text);
  TSecretBytes secret;
  secret.Append(gbk);
  WipeInPlace(gbk);
  return secret;
}
