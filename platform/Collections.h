// MFC-style containers: CArray, CStringArray, and the linked lists CPtrList and CObList whose
// positions stay valid while other elements are added or removed.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Object.h"

// A growable array; indexes out of range throw std::out_of_range instead of corrupting memory.
template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  int GetSize() const { return (int)items_.size(); }
  int GetCount() const { return GetSize(); }
  int GetUpperBound() const { return GetSize() - 1; }
  bool IsEmpty() const { return items_.empty(); }
  void SetSize(int size) { items_.resize(size > 0 ? size : 0); }
  void RemoveAll() { items_.clear(); }
  TYPE& ElementAt(int i) { return items_.at(i); }
  const TYPE& GetAt(int i) const { return items_.at(i); }
  void SetAt(int i, ARG_TYPE value) { items_.at(i) = value; }
  TYPE& operator[](int i) { return items_.at(i); }
  const TYPE& operator[](int i) const { return items_.at(i); }
  TYPE* GetData() { return items_.data(); }
  const TYPE* GetData() const { return items_.data(); }
  int Add(ARG_TYPE value) {
    items_.push_back(value);
    return GetUpperBound();
  }
  void SetAtGrow(int i, ARG_TYPE value) {
    if (i >= GetSize()) SetSize(i + 1);
    items_.at(i) = value;
  }
  void InsertAt(int i, ARG_TYPE value, int count = 1) {
    if (i > GetSize()) SetSize(i);
    items_.insert(items_.begin() + i, count, value);
  }
  void RemoveAt(int i, int count = 1) {
    if (i < 0 || count <= 0 || i >= GetSize()) return;
    if (i + count > GetSize()) count = GetSize() - i;
    items_.erase(items_.begin() + i, items_.begin() + i + count);
  }
  void Copy(const CArray& other) { items_ = other.items_; }
  void Append(const CArray& other) { items_.insert(items_.end(), other.items_.begin(), other.items_.end()); }

 private:
  std::vector<TYPE> items_;
};

class CStringArray : public CArray<CString, const char*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CPtrArray : public CArray<void*, void*> {};

// A doubly linked list of values; POSITION is a node.
template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CList : public CObject {
  struct Node {
    Node* next;
    Node* prev;
    TYPE data;
  };

 public:
  CList() = default;
  CList(const CList&) = delete;
  CList& operator=(const CList&) = delete;
  ~CList() override { RemoveAll(); }

  int GetCount() const { return count_; }
  int GetSize() const { return count_; }
  // Grows with every insertion, removal and replacement: whoever keeps something derived from
  // the list sees whether it changed since.
  unsigned GetChangeCount() const { return changes_; }
  bool IsEmpty() const { return count_ == 0; }
  POSITION GetHeadPosition() const { return (POSITION)head_; }
  POSITION GetTailPosition() const { return (POSITION)tail_; }
  TYPE& GetHead() { return head_->data; }
  TYPE& GetTail() { return tail_->data; }
  const TYPE& GetHead() const { return head_->data; }
  const TYPE& GetTail() const { return tail_->data; }

  // Returns the element at pos and moves pos to the next (NULL after the last).
  TYPE& GetNext(POSITION& pos) const {
    Node* node = (Node*)pos;
    pos = (POSITION)node->next;
    return node->data;
  }
  TYPE& GetPrev(POSITION& pos) const {
    Node* node = (Node*)pos;
    pos = (POSITION)node->prev;
    return node->data;
  }
  TYPE& GetAt(POSITION pos) const { return ((Node*)pos)->data; }
  void SetAt(POSITION pos, ARG_TYPE value) {
    ((Node*)pos)->data = value;
    ++changes_;
  }

  POSITION AddHead(ARG_TYPE value) { return InsertBefore(GetHeadPosition(), value); }
  POSITION AddTail(ARG_TYPE value) { return InsertAfter(GetTailPosition(), value); }
  POSITION InsertBefore(POSITION pos, ARG_TYPE value) {
    Node* at = (Node*)pos;
    Node* node = new Node{at, at ? at->prev : tail_, value};
    Link(node);
    return (POSITION)node;
  }
  POSITION InsertAfter(POSITION pos, ARG_TYPE value) {
    Node* at = (Node*)pos;
    Node* node = new Node{at ? at->next : head_, at, value};
    Link(node);
    return (POSITION)node;
  }
  TYPE RemoveHead() {
    TYPE value = head_->data;
    RemoveAt((POSITION)head_);
    return value;
  }
  TYPE RemoveTail() {
    TYPE value = tail_->data;
    RemoveAt((POSITION)tail_);
    return value;
  }
  void RemoveAt(POSITION pos) {
    Node* node = (Node*)pos;
    (node->prev ? node->prev->next : head_) = node->next;
    (node->next ? node->next->prev : tail_) = node->prev;
    delete node;
    --count_;
    ++changes_;
  }
  void RemoveAll() {
    while (head_) RemoveAt((POSITION)head_);
  }
  POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const {
    for (Node* n = startAfter ? ((Node*)startAfter)->next : head_; n; n = n->next)
      if (n->data == value) return (POSITION)n;
    return nullptr;
  }
  // The position of the index-th element, NULL when out of range.
  POSITION FindIndex(int index) const {
    if (index < 0) return nullptr;
    Node* n = head_;
    while (n && index-- > 0) n = n->next;
    return (POSITION)n;
  }

 private:
  void Link(Node* node) {
    (node->prev ? node->prev->next : head_) = node;
    (node->next ? node->next->prev : tail_) = node;
    ++count_;
    ++changes_;
  }
  Node* head_ = nullptr;
  Node* tail_ = nullptr;
  int count_ = 0;
  unsigned changes_ = 0;
};

class CPtrList : public CList<void*, void*> {};
class CObList : public CList<CObject*, CObject*> {};
class CStringList : public CList<CString, const char*> {};
