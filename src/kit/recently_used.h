#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>

// Values found by a key, as many as their weights allow within `budget`;
// adding one more lets the least recently used go. Finding is by hash, not by
// walking the list.
template <typename Value>
class RecentlyUsed {
public:
    explicit RecentlyUsed(size_t budget) : budget_(budget) {}
    RecentlyUsed(const RecentlyUsed&) = delete; // the index points into the list
    RecentlyUsed& operator=(const RecentlyUsed&) = delete;

    // The value under `key` if `matches` accepts it, made the most recent.
    template <typename Match>
    const Value* find(size_t key, Match matches)
    {
        const auto known = index_.find(key);
        if (known == index_.end() || !matches(known->second->value))
            return nullptr;
        items_.splice(items_.begin(), items_, known->second);
        return &items_.front().value;
    }

    // Keeps `value` under `key`, in place of any value kept there; the value
    // added last stays, whatever it weighs.
    const Value& add(size_t key, Value value, size_t weight = 1)
    {
        if (const auto known = index_.find(key); known != index_.end())
            drop(known->second);
        items_.push_front(Item{key, weight, std::move(value)});
        index_[key] = items_.begin();
        weight_ += weight;
        while (weight_ > budget_ && items_.size() > 1)
            drop(std::prev(items_.end()));
        return items_.front().value;
    }

    size_t size() const { return items_.size(); }
    size_t weight() const { return weight_; }

private:
    struct Item {
        size_t key;
        size_t weight;
        Value value;
    };
    using Items = std::list<Item>;

    void drop(typename Items::iterator item)
    {
        weight_ -= item->weight;
        index_.erase(item->key);
        items_.erase(item);
    }

    size_t budget_;
    size_t weight_ = 0;
    Items items_; // most recently used first
    std::unordered_map<size_t, typename Items::iterator> index_;
};
