// What the program takes from the C++ library, and what it leaves out. The program catches no
// exception, and a failed library check (a string too long, memory gone) ends it just as the
// uncaught exception would; so no piece here raises one.
#include <cstdlib>
#include <new>
#include <string>

// A window program has no console for the library's verbose message on an uncaught exception;
// leaving that handler out also leaves out the name demangler it carries (some 45 KB).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

// Raising none keeps the library's exception classes, and the second string implementation
// they carry, out of the program (some 35 KB).
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
} // namespace std

// The library's prebuilt strings are compiled to catch and rethrow, and its operator new raises
// bad_alloc: either brings in the whole exception runtime and the thread library it locks with.
// The strings built here, without exceptions, and memory straight from the C library keep both
// out (some 80 KB).
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;

void* operator new(std::size_t size)
{
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    std::abort();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
