// Linked into every deliverable (not into the tests): the thread primitives
// that the C++ runtime's exception support asks for, for programs with one
// thread. Each program of the suite runs on its user-interface thread alone,
// so a lock has nothing to exclude and thread-local means process-wide; the
// full pthread layer would add 30 KB and import functions that Windows 2000
// lacks (GetTickCount64).
#include <cstdint>

namespace {

constexpr unsigned KeyCount = 16;
const void* keyValues[KeyCount];
unsigned keysCreated = 0;

} // namespace

extern "C" {

int pthread_once(long* once, void (*routine)(void)) {
    if (*once == 0) {
        *once = 1;
        routine();
    }
    return 0;
}

int pthread_mutex_init(intptr_t*, const unsigned*) {
    return 0;
}
int pthread_mutex_destroy(intptr_t*) {
    return 0;
}
int pthread_mutex_lock(intptr_t*) {
    return 0;
}
int pthread_mutex_unlock(intptr_t*) {
    return 0;
}

// Values are never destroyed: the one thread lives as long as the process.
int pthread_key_create(unsigned* key, void (*)(void*)) {
    if (keysCreated == KeyCount)
        return 11; // EAGAIN
    *key = keysCreated++;
    return 0;
}
void* pthread_getspecific(unsigned key) {
    return key < KeyCount ? const_cast<void*>(keyValues[key]) : nullptr;
}
int pthread_setspecific(unsigned key, const void* value) {
    if (key >= KeyCount)
        return 22; // EINVAL
    keyValues[key] = value;
    return 0;
}

} // extern "C"
