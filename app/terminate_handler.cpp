// libstdc++'s default terminate handler, the verbose one, names the type of an uncaught exception
// through the C++ demangler and the C runtime's printf: some 70 KiB of the program, for a message
// to a standard error that this windowed program does not have. This definition stands in for the
// library's, so none of that is linked. The program throws nothing of its own and catches
// nothing; an exception from the library (out of memory) still ends it, by abort.
#include <cstdlib>
#include <exception>

void __gnu_cxx::__verbose_terminate_handler() {
    std::abort();
}
