#pragma once

#include <memory>

// Holder of one of the program's single instances: created on first use,
// destroyed when the program frees it (in the order the program chooses,
// because some of them write files when they go).
template <typename T>
class TSingleInstance
{
public:
    static T& Get()
    {
        if (!s_instance)
            s_instance = std::make_unique<T>();
        return *s_instance;
    }
    static bool Exists() { return s_instance != nullptr; }
    // Destroys the instance now; the next Get creates a fresh one.
    static void Free() { s_instance.reset(); }
    // Puts a prepared instance in place (tests use their own, on their own folders).
    static void Replace(std::unique_ptr<T> instance) { s_instance = std::move(instance); }

private:
    static inline std::unique_ptr<T> s_instance;
};
