// The owner of a growable array on the C heap for code built without exceptions, in the
// manner of WIL's nothrow owners: a call that may allocate says whether it could and, when
// not, leaves the array as it was. The add-in's allocations go through this type and
// HeapString (heap_string.h) and nothing else, so that running out of memory is a status
// the caller passes up, never an abort of the host. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <span>
#include <type_traits>
#include <utility>

namespace zorvane {

template <typename T>
class HeapArray {
  static_assert(std::is_nothrow_move_constructible_v<T> && std::is_nothrow_destructible_v<T>,
                "growing moves the elements, so moving and destroying one must be noexcept");

 public:
  HeapArray() noexcept = default;
  HeapArray(HeapArray&& other) noexcept
      : data_(std::exchange(other.data_, nullptr)),
        size_(std::exchange(other.size_, 0)),
        capacity_(std::exchange(other.capacity_, 0)) {}
  HeapArray& operator=(HeapArray&& other) noexcept {
    HeapArray(std::move(other)).swap(*this);
    return *this;
  }
  HeapArray(const HeapArray&) = delete;
  HeapArray& operator=(const HeapArray&) = delete;
  ~HeapArray() {
    Clear();
    std::free(data_);
  }

  T* data() noexcept { return data_; }
  const T* data() const noexcept { return data_; }
  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  T* begin() noexcept { return data_; }
  T* end() noexcept { return data_ + size_; }
  const T* begin() const noexcept { return data_; }
  const T* end() const noexcept { return data_ + size_; }
  T& operator[](std::size_t i) noexcept { return data_[i]; }
  const T& operator[](std::size_t i) const noexcept { return data_[i]; }
  T& back() noexcept { return data_[size_ - 1]; }
  std::span<T> span() noexcept { return {data_, size_}; }
  std::span<const T> span() const noexcept { return {data_, size_}; }

  // Room for `capacity` elements, so that growing up to it cannot fail.
  [[nodiscard]] bool Reserve(std::size_t capacity) noexcept {
    if (capacity <= capacity_) return true;
    if (capacity > kMaxCount) return false;
    T* grown = static_cast<T*>(std::malloc(capacity * sizeof(T)));
    if (grown == nullptr) return false;
    for (std::size_t i = 0; i < size_; ++i) {
      new (grown + i) T(std::move(data_[i]));
      data_[i].~T();
    }
    std::free(data_);
    data_ = grown;
    capacity_ = capacity;
    return true;
  }

  template <typename... Args>
  [[nodiscard]] bool EmplaceBack(Args&&... args) noexcept {
    static_assert(std::is_nothrow_constructible_v<T, Args&&...>);
    if (!Grow(1)) return false;
    new (data_ + size_) T(std::forward<Args>(args)...);
    ++size_;
    return true;
  }

  [[nodiscard]] bool Append(std::span<const T> items) noexcept {
    static_assert(std::is_nothrow_copy_constructible_v<T>);
    if (!Grow(items.size())) return false;
    for (const T& item : items) new (data_ + size_++) T(item);
    return true;
  }

  // `count` elements: the first ones kept, new ones value-initialised (zero for numbers).
  [[nodiscard]] bool Resize(std::size_t count) noexcept {
    if (count <= size_) {
      Truncate(count);
      return true;
    }
    if (!Grow(count - size_)) return false;
    while (size_ < count) new (data_ + size_++) T();
    return true;
  }

  // Drops the elements from `count` on; the memory stays for later growth.
  void Truncate(std::size_t count) noexcept {
    while (size_ > count) data_[--size_].~T();
  }
  void Clear() noexcept { Truncate(0); }

  void swap(HeapArray& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
  }

 private:
  // The most elements an array may hold: its bytes must fit an object's largest size.
  static constexpr std::size_t kMaxCount = PTRDIFF_MAX / sizeof(T);

  // Room for `more` elements past the end; the capacity at least doubles, so that a series
  // of appends costs linear time.
  bool Grow(std::size_t more) noexcept {
    if (more <= capacity_ - size_) return true;
    if (more > kMaxCount - size_) return false;
    const std::size_t needed = size_ + more;
    const std::size_t doubled = capacity_ <= kMaxCount / 2 ? capacity_ * 2 : kMaxCount;
    return Reserve(needed > doubled ? needed : doubled);
  }

  T* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace zorvane
