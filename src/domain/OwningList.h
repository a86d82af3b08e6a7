#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

// A list that owns its elements: removing, clearing or destroying frees them.
template <typename T>
class TOwningList
{
public:
    TOwningList() = default;
    TOwningList(const TOwningList&) = delete;
    TOwningList& operator=(const TOwningList&) = delete;
    TOwningList(TOwningList&&) = default;
    TOwningList& operator=(TOwningList&&) = default;

    // Appends the element; the list now owns it. Returns it for convenience.
    T* Add(std::unique_ptr<T> item)
    {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }
    T* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)).get(); }
    int Count() const { return static_cast<int>(m_items.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index <= Count() - 1; }
    void Clear() { m_items.clear(); }
    void Delete(int index)
    {
        // A bad position is a programming error, reported as Items reports it.
        if (!IsValidIndex(index))
            throw std::out_of_range("TOwningList::Delete: index out of range");
        m_items.erase(m_items.begin() + index);
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

protected:
    std::vector<std::unique_ptr<T>> m_items;
};
