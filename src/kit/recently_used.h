#pragma once

#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>

// Values found by a key, as many as `capacity`; adding one more lets the
// least recently used go. Finding is by hash, not by walking the list.
template <typename Value>
class RecentlyUsed {
public:
    explicit RecentlyUsed(size_t capacity) : capacity_(capacity) {}
    RecentlyUsed(const RecentlyUsed&) = delete; // the index points into the list
    RecentlyUsed& operator=(const RecentlyUsed&) = delete;

    // The value under `key` if `matches` accepts it, made the most recent.
    template <typename Match>
    const Value* find(size_t key, Match matches)
    {
        const auto known = index_.find(key);
        if (known == index_.end() || !matches(known->second->second))
            return nullptr;
        items_.splice(items_.begin(), items_, known->second);
        return &items_.front().second;
    }

    // Keeps `value` under `key`, in place of any value kept there.
    const Value& add(size_t key, Value value)
    {
        if (const auto known = index_.find(key); known != index_.end()) {
            items_.erase(known->second);
            index_.erase(known);
        }
        items_.emplace_front(key, std::move(value));
        index_[key] = items_.begin();
        if (items_.size() > capacity_) {
            index_.erase(items_.back().first);
            items_.pop_back();
        }
        return items_.front().second;
    }

private:
    using Items = std::list<std::pair<size_t, Value>>;
    size_t capacity_;
    Items items_; // most recently used first
    std::unordered_map<size_t, typename Items::iterator> index_;
};
