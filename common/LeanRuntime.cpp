// Linked into every deliverable and every in-process test: keeps the C++
// runtime's error reporting out of the programs. They are built without
// exceptions, so a throw from the standard library ends in terminate anyway;
// ending at once spares the exception objects, their strings and the name
// demangler of the verbose terminate handler, which writes to a console
// these programs do not have.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
} // namespace __gnu_cxx

namespace std {
void __throw_bad_exception() {
    abort();
}
void __throw_bad_alloc() {
    abort();
}
void __throw_bad_array_new_length() {
    abort();
}
void __throw_bad_cast() {
    abort();
}
void __throw_bad_typeid() {
    abort();
}
void __throw_logic_error(const char*) {
    abort();
}
void __throw_domain_error(const char*) {
    abort();
}
void __throw_invalid_argument(const char*) {
    abort();
}
void __throw_length_error(const char*) {
    abort();
}
void __throw_out_of_range(const char*) {
    abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    abort();
}
void __throw_runtime_error(const char*) {
    abort();
}
void __throw_range_error(const char*) {
    abort();
}
void __throw_overflow_error(const char*) {
    abort();
}
void __throw_underflow_error(const char*) {
    abort();
}
} // namespace std
