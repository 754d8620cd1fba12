// The class library's typed array CArray<TYPE, ARG_TYPE>, over a std::vector.
//
// New elements (SetSize, SetAtGrow, InsertAt past the end) are
// value-initialised: a plain record comes out zero-filled, a class is
// default-constructed. The grow-by hint of SetSize is accepted and left to the
// vector's own growth policy.
// An out-of-range index (or a negative size or count) is a programming error:
// it asserts in debug builds. In release builds it never touches memory
// outside the array and loses nothing: SetAt, RemoveAt (also with a count that
// runs past the end), InsertAt and SetSize with a bad index or size do
// nothing, and GetAt, ElementAt and [] give a value-initialised scratch element.
// An element passed by reference may live in the array itself (Add(a[0])).
#pragma once
#include <algorithm>
#include <cassert>
#include <iterator>
#include <type_traits>
#include <vector>

#include "windef.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
  static_assert(!std::is_same_v<TYPE, bool>, "CArray<bool> has no addressable elements; use CArray<BOOL>");

 public:
  INT_PTR GetSize() const { return static_cast<INT_PTR>(elements_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  bool IsEmpty() const { return elements_.empty(); }

  void SetSize(INT_PTR newSize, INT_PTR /*growBy*/ = -1) {
    assert(newSize >= 0 && "CArray::SetSize with a negative size");
    if (newSize >= 0) elements_.resize(static_cast<size_t>(newSize));
  }
  void RemoveAll() { elements_.clear(); }
  void FreeExtra() { elements_.shrink_to_fit(); }

  const TYPE& GetAt(INT_PTR index) const { return const_cast<CArray*>(this)->ElementAt(index); }
  TYPE& ElementAt(INT_PTR index) {
    assert(InRange(index) && "CArray index out of range");
    return InRange(index) ? elements_[static_cast<size_t>(index)] : Scratch();
  }
  void SetAt(INT_PTR index, ARG_TYPE element) {
    assert(InRange(index) && "CArray::SetAt index out of range");
    if (InRange(index)) elements_[static_cast<size_t>(index)] = element;
  }
  const TYPE* GetData() const { return elements_.data(); }
  TYPE* GetData() { return elements_.data(); }
  const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
  TYPE& operator[](INT_PTR index) { return ElementAt(index); }

  // Returns the index of the new element.
  INT_PTR Add(ARG_TYPE element) {
    elements_.push_back(element);
    return GetUpperBound();
  }
  // Returns the index of the first appended element.
  INT_PTR Append(const CArray& source) {
    INT_PTR first = GetSize();
    InsertElements(first, std::vector<TYPE>(source.elements_));
    return first;
  }
  void Copy(const CArray& source) {
    if (&source != this) elements_ = source.elements_;
  }
  void SetAtGrow(INT_PTR index, ARG_TYPE element) {
    assert(index >= 0 && "CArray::SetAtGrow with a negative index");
    if (index < 0) return;
    TYPE value(element);
    if (index >= GetSize()) elements_.resize(static_cast<size_t>(index) + 1);
    elements_[static_cast<size_t>(index)] = std::move(value);
  }

  // Inserting past the end first grows the array to index.
  void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1) {
    assert(index >= 0 && count >= 0 && "CArray::InsertAt with a negative index or count");
    if (index < 0 || count < 0) return;
    InsertElements(index, std::vector<TYPE>(static_cast<size_t>(count), element));
  }
  void InsertAt(INT_PTR index, const CArray* source) {
    assert(index >= 0 && source != nullptr && "CArray::InsertAt with a negative index or no array");
    if (index < 0 || source == nullptr) return;
    InsertElements(index, std::vector<TYPE>(source->elements_));
  }
  void RemoveAt(INT_PTR index, INT_PTR count = 1) {
    assert(InRange(index) && count >= 0 && index + count <= GetSize() && "CArray::RemoveAt out of range");
    if (!InRange(index) || count <= 0 || index + count > GetSize()) return;
    auto first = elements_.begin() + index;
    elements_.erase(first, first + count);
  }

 private:
  bool InRange(INT_PTR index) const { return index >= 0 && index < GetSize(); }

  static TYPE& Scratch() {
    thread_local TYPE scratch;
    scratch = TYPE();
    return scratch;
  }

  void InsertElements(INT_PTR index, std::vector<TYPE> inserted) {
    if (index > GetSize()) elements_.resize(static_cast<size_t>(index));
    elements_.insert(elements_.begin() + index, std::make_move_iterator(inserted.begin()),
                     std::make_move_iterator(inserted.end()));
  }

  std::vector<TYPE> elements_;
};
