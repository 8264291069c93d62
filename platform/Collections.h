#pragma once
// CObject, CArray and CStringArray: the base record class and the growable arrays of the
// plug-in's state, kept as thin wrappers over std::vector.
#include <algorithm>
#include <vector>

#include "platform/CString.h"

class CObject {
public:
    virtual ~CObject() = default;
};

template <class T>
class CArray : public CObject {
public:
    CArray() = default;
    CArray(std::initializer_list<T> items) : items_(items) { }

    int GetSize() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    int Add(const T& item)
    {
        items_.push_back(item);
        return GetSize() - 1;
    }
    void RemoveAt(int index) { items_.erase(items_.begin() + index); }
    void RemoveAll() { items_.clear(); }
    T& operator[](int index) { return items_.at(static_cast<size_t>(index)); }
    const T& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Exact (case-sensitive) membership.
    bool Has(const T& item) const { return std::find(begin(), end(), item) != end(); }

private:
    std::vector<T> items_;
};

class CStringArray : public CArray<CString> {
public:
    using CArray<CString>::CArray;
};
