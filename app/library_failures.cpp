// The standard library reports a broken precondition (a string longer than it can hold, an index
// out of range) and exhausted memory by throwing. glint.exe is built without exceptions and
// catches nothing, so such a throw could only end in std::terminate. These definitions take the
// place of libstdc++'s throw helpers and of the global operator new and delete, and end the program
// at once instead: the same outcome, without linking the exception classes, their copy-on-write
// strings, the unwinder and the verbose terminate handler (over 100 KiB of each build). Were the
// library to need a helper not defined here, the link would fail on the duplicate, not quietly.
#include <cstdlib>
#include <new>

namespace std {
void __throw_bad_alloc() {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
void __throw_length_error(const char*) {
    abort();
}
void __throw_logic_error(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}
} // namespace std

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) {
        return block;
    }
    std::abort();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
