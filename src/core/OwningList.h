#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

// A list that owns its records: a record handed to the list belongs to it until
// it is taken out again with Take. Iteration yields the records themselves.
template <class T>
class TOwningList {
  using Storage = std::vector<std::unique_ptr<T>>;

  template <class Value, class BaseIt>
  class Iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::remove_const_t<Value>;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    explicit Iterator(BaseIt it) : it_(it) {}
    reference operator*() const { return **it_; }
    pointer operator->() const { return it_->get(); }
    reference operator[](difference_type n) const { return *it_[n]; }
    Iterator& operator++() {
      ++it_;
      return *this;
    }
    Iterator operator++(int) { return Iterator(it_++); }
    Iterator& operator--() {
      --it_;
      return *this;
    }
    Iterator operator--(int) { return Iterator(it_--); }
    Iterator& operator+=(difference_type n) {
      it_ += n;
      return *this;
    }
    Iterator& operator-=(difference_type n) {
      it_ -= n;
      return *this;
    }
    friend Iterator operator+(Iterator i, difference_type n) { return i += n; }
    friend Iterator operator+(difference_type n, Iterator i) { return i += n; }
    friend Iterator operator-(Iterator i, difference_type n) { return i -= n; }
    friend difference_type operator-(const Iterator& a, const Iterator& b) { return a.it_ - b.it_; }
    friend bool operator==(const Iterator& a, const Iterator& b) { return a.it_ == b.it_; }
    friend auto operator<=>(const Iterator& a, const Iterator& b) { return a.it_ <=> b.it_; }

   private:
    BaseIt it_{};
  };

 public:
  using value_type = T;
  using iterator = Iterator<T, typename Storage::iterator>;
  using const_iterator = Iterator<const T, typename Storage::const_iterator>;

  TOwningList() = default;
  TOwningList(TOwningList&&) noexcept = default;
  TOwningList& operator=(TOwningList&&) noexcept = default;

  qsizetype Count() const { return qsizetype(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }

  T& At(qsizetype index) { return *items_.at(std::size_t(index)); }
  const T& At(qsizetype index) const { return *items_.at(std::size_t(index)); }
  T& operator[](qsizetype index) { return At(index); }
  const T& operator[](qsizetype index) const { return At(index); }

  // Takes ownership; returns the record now held by the list.
  T& Append(std::unique_ptr<T> item) {
    items_.push_back(std::move(item));
    return *items_.back();
  }
  T& Insert(qsizetype index, std::unique_ptr<T> item) {
    return **items_.insert(items_.begin() + index, std::move(item));
  }

  // Hands the record back to the caller and removes it from the list.
  std::unique_ptr<T> Take(qsizetype index) {
    std::unique_ptr<T> item = std::move(items_.at(std::size_t(index)));
    items_.erase(items_.begin() + index);
    return item;
  }
  void Remove(qsizetype index) { Take(index); }
  void Clear() { items_.clear(); }
  void Move(qsizetype from, qsizetype to) { Insert(to, Take(from)); }

  // Position of that very record, or -1.
  qsizetype IndexOf(const T* item) const {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [item](const std::unique_ptr<T>& p) { return p.get() == item; });
    return it == items_.end() ? -1 : qsizetype(it - items_.begin());
  }

  iterator begin() { return iterator(items_.begin()); }
  iterator end() { return iterator(items_.end()); }
  const_iterator begin() const { return const_iterator(items_.cbegin()); }
  const_iterator end() const { return const_iterator(items_.cend()); }

 private:
  Storage items_;
};
