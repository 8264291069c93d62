#pragma once
// CObject, CArray and CStringArray: the base record class and the growable arrays of the
// plug-in's state.
#include <algorithm>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/CString.h"

class CObject {
public:
    virtual ~CObject() = default;
};

// An ordered array of T. Each element lives in an allocation of its own, so removing one from
// the middle of a long list moves pointers instead of whole records (a QSO record holds ten
// texts), and references to elements stay valid while others are added or removed.
template <class T>
class CArray : public CObject {
    using Slots = std::vector<std::unique_ptr<T>>;

    // Walks the slots and yields the elements themselves.
    template <class Element, class SlotIterator>
    class ElementIterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = Element*;
        using reference = Element&;

        ElementIterator() = default;
        explicit ElementIterator(SlotIterator slot) : slot_(slot) {}

        reference operator*() const { return **slot_; }
        pointer operator->() const { return slot_->get(); }
        reference operator[](difference_type n) const { return *slot_[n]; }
        ElementIterator& operator++() { ++slot_; return *this; }
        ElementIterator operator++(int) { return ElementIterator(slot_++); }
        ElementIterator& operator--() { --slot_; return *this; }
        ElementIterator operator--(int) { return ElementIterator(slot_--); }
        ElementIterator& operator+=(difference_type n) { slot_ += n; return *this; }
        ElementIterator& operator-=(difference_type n) { slot_ -= n; return *this; }
        ElementIterator operator+(difference_type n) const { return ElementIterator(slot_ + n); }
        ElementIterator operator-(difference_type n) const { return ElementIterator(slot_ - n); }
        difference_type operator-(const ElementIterator& other) const { return slot_ - other.slot_; }
        bool operator==(const ElementIterator& other) const { return slot_ == other.slot_; }
        bool operator!=(const ElementIterator& other) const { return slot_ != other.slot_; }
        bool operator<(const ElementIterator& other) const { return slot_ < other.slot_; }

    private:
        SlotIterator slot_{};
    };

public:
    using iterator = ElementIterator<T, typename Slots::iterator>;
    using const_iterator = ElementIterator<const T, typename Slots::const_iterator>;
    using value_type = T;

    CArray() = default;
    CArray(std::initializer_list<T> items)
    {
        for (const T& item : items)
            Add(item);
    }
    CArray(const CArray& other) : CObject(other) { CopyFrom(other); }
    CArray(CArray&&) noexcept = default;
    CArray& operator=(const CArray& other)
    {
        if (this != &other) {
            RemoveAll();
            CopyFrom(other);
        }
        return *this;
    }
    CArray& operator=(CArray&&) noexcept = default;

    int GetSize() const { return static_cast<int>(slots_.size()); }
    bool IsEmpty() const { return slots_.empty(); }
    int Add(const T& item)
    {
        slots_.push_back(std::make_unique<T>(item));
        return GetSize() - 1;
    }
    void RemoveAt(int index) { slots_.erase(slots_.begin() + CheckedIndex(index)); }
    void RemoveAll() { slots_.clear(); }
    const T& GetAt(int index) const { return *slots_[CheckedIndex(index)]; }
    T& operator[](int index) { return *slots_[CheckedIndex(index)]; }
    const T& operator[](int index) const { return GetAt(index); }

    iterator begin() { return iterator(slots_.begin()); }
    iterator end() { return iterator(slots_.end()); }
    const_iterator begin() const { return const_iterator(slots_.begin()); }
    const_iterator end() const { return const_iterator(slots_.end()); }

    // Exact (case-sensitive) membership.
    bool Has(const T& item) const { return std::find(begin(), end(), item) != end(); }

private:
    void CopyFrom(const CArray& other)
    {
        slots_.reserve(other.slots_.size());
        for (const auto& slot : other.slots_)
            slots_.push_back(std::make_unique<T>(*slot));
    }

    // An index outside the array throws, as std::vector::at does.
    size_t CheckedIndex(int index) const
    {
        if (index < 0 || static_cast<size_t>(index) >= slots_.size())
            throw std::out_of_range("CArray index");
        return static_cast<size_t>(index);
    }

    Slots slots_;
};

class CStringArray : public CArray<CString> {
public:
    using CArray<CString>::CArray;
};
