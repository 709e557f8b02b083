#pragma once
// Qt hands a queued call to another thread through locks of its own. Qt is
// not built with ThreadSanitizer, so in a ThreadSanitizer build (ZANO_TSAN)
// that hand-off is invisible, and every byte a queued call carries would read
// as a race. These marks tell the sanitizer what Qt guarantees; in any other
// build they are empty and do nothing.

#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

namespace handoff {

// Everything this thread did before Release(key) happens before what a
// thread does after a later Acquire(key).
inline void Release([[maybe_unused]] const void* key) {
#if defined(__SANITIZE_THREAD__)
    __tsan_release(const_cast<void*>(key));
#endif
}
inline void Acquire([[maybe_unused]] const void* key) {
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(const_cast<void*>(key));
#endif
}

// A callable for QMetaObject::invokeMethod. Qt moves it into its call object
// on the posting thread; the mark, moved last, releases once the call is
// stored, and the call acquires before it runs on the receiving thread. Qt
// frees the call object on whichever thread lets go of it last, so the call
// releases again when done and the mark acquires as it is destroyed.
template <typename Fn>
struct Call {
    struct Mark {
        Mark() = default;
        Mark(Mark&&) noexcept { Release(this); }
        Mark(const Mark&) { Release(this); }
        Mark& operator=(const Mark&) = delete;
        ~Mark() { Acquire(this); }
    };
    struct Ran {
        const Mark* mark;
        ~Ran() { Release(mark); }
    };
    Fn fn;
    Mark mark;  // after fn: its move runs once fn is in place
    decltype(auto) operator()() {
        Acquire(&mark);
        const Ran ran{&mark};
        return fn();
    }
};

template <typename Fn>
Call<Fn> Over(Fn fn) {
    return {std::move(fn), {}};
}

}  // namespace handoff
