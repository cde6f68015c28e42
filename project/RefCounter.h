// Intrusive reference count shared by the records that several owners hold: the
// document, the check run's work list, undo records and the rows of the results list.
#pragma once

#include <atomic>
#include <cstdint>
#include <utility>

template <class T> class CRefCounter {
public:
    CRefCounter() = default;
    CRefCounter(const CRefCounter&) = delete;
    CRefCounter& operator=(const CRefCounter&) = delete;
    virtual ~CRefCounter() = default;

    void AddRef() { m_nRefs.fetch_add(1, std::memory_order_relaxed); }

    // Deletes the object when the count was 1.
    void Release() {
        if (m_nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }

    int32_t GetRefCount() const { return m_nRefs.load(std::memory_order_acquire); }

private:
    std::atomic<int32_t> m_nRefs{0};
};

// Holds one reference for as long as it lives.
template <class T> class CRefPtr {
public:
    CRefPtr() = default;
    explicit CRefPtr(T* p) : m_p(p) {
        if (m_p)
            m_p->AddRef();
    }
    CRefPtr(const CRefPtr& other) : CRefPtr(other.m_p) {}
    CRefPtr(CRefPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    CRefPtr& operator=(CRefPtr other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }
    ~CRefPtr() {
        if (m_p)
            m_p->Release();
    }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};
