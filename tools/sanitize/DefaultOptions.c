/* Options the sanitizers read at start, before those of the environment: whoever starts a
 * program of the sanitizer build (ctest, a test, the build itself) gets the same checks. */
#include <dlfcn.h>

const char* __asan_default_options(void)
{
    /* Chromium inside Qt WebEngine frees some objects with a size other than their own: a
     * finding in the system's library that no program of ours can mend. Up to GCC 13 the
     * runtime's __tls_get_addr interceptor can take a heap block for an old glibc's TLS header
     * and send the leak check's tracer reading a wild address: a crash at exit, now and then. */
    return "detect_leaks=1:strict_init_order=1:check_initialization_order=1:new_delete_type_mismatch=0:"
           "intercept_tls_get_addr=0";
}

const char* __lsan_default_options(void)
{
    return "suppressions=" QVL_LSAN_SUPPRESSIONS;
}

const char* __ubsan_default_options(void)
{
    return "print_stacktrace=1:halt_on_error=1";
}

/* SANE unloads its backends at every exit: a block its test backend never frees would then be
 * reported from an unknown module, which no suppression can name. Kept loaded, it is named. */
__attribute__((constructor)) static void keepSaneTestBackendLoaded(void)
{
    if (QVL_SANE_TEST_BACKEND[0] != '\0')
        dlopen(QVL_SANE_TEST_BACKEND, RTLD_LAZY | RTLD_NODELETE);
}
