// NyqLists.h: the owned lists of the generated schema classes (repeated children and values).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBaseNyqList {
public:
    virtual ~TBaseNyqList() = default;
    virtual int Count() const = 0;
    virtual void Clear() = 0;
};

// Owns its objects; Add creates one at the end and returns it.
template <class T>
class TItemNyqList : public TBaseNyqList {
public:
    int Count() const override { return static_cast<int>(FItems.size()); }
    void Clear() override { FItems.clear(); }
    T& Add()
    {
        FItems.push_back(std::make_unique<T>());
        return *FItems.back();
    }
    T& Add(std::unique_ptr<T> item)
    {
        FItems.push_back(std::move(item));
        return *FItems.back();
    }
    T& operator[](int index) const { return *FItems.at(static_cast<std::size_t>(index)); }
    const std::vector<std::unique_ptr<T>>& GetItems() const { return FItems; }

private:
    std::vector<std::unique_ptr<T>> FItems;
};

template <class V>
class TValueNyqList : public TBaseNyqList {
public:
    int Count() const override { return static_cast<int>(FItems.size()); }
    void Clear() override { FItems.clear(); }
    void Add(V value) { FItems.push_back(std::move(value)); }
    const V& operator[](int index) const { return FItems.at(static_cast<std::size_t>(index)); }
    const std::vector<V>& GetItems() const { return FItems; }

private:
    std::vector<V> FItems;
};

using TStringNyqList = TValueNyqList<std::string>;
using TIntegerNyqList = TValueNyqList<int>;
using TLongwordNyqList = TValueNyqList<std::uint32_t>;
using TFloatNyqList = TValueNyqList<double>;
using TExtendedNyqList = TValueNyqList<long double>;
using TBooleanNyqList = TValueNyqList<char>;  // char, not bool: elements must be addressable
using TEnumNyqList = TValueNyqList<int>;
using TTDateTimeNyqList = TValueNyqList<double>;
