#pragma once
#include <memory>
#include <unordered_map>

// Borrowing wrappers around handles that belong to someone else: one per
// handle value and thread, kept for the thread's lifetime, so that a pointer
// handed out stays valid.
template <class Wrapper, class Handle>
Wrapper* BorrowedWrapper(Handle handle) {
    thread_local std::unordered_map<Handle, std::unique_ptr<Wrapper>> wrappers;
    if (!handle) return nullptr;
    auto& slot = wrappers[handle];
    if (!slot) slot = std::make_unique<Wrapper>();
    return slot.get();
}
