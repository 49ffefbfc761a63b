/* Options the sanitizers read at start, before those of the environment: whoever starts a
 * program of the sanitizer build (ctest, a test, the build itself) gets the same checks. */

const char* __asan_default_options(void)
{
    /* Chromium inside Qt WebEngine frees some objects with a size other than their own: a
     * finding in the system's library that no program of ours can mend. */
    return "detect_leaks=1:strict_init_order=1:check_initialization_order=1:new_delete_type_mismatch=0";
}

const char* __lsan_default_options(void)
{
    return "suppressions=" QVL_LSAN_SUPPRESSIONS;
}

const char* __ubsan_default_options(void)
{
    return "print_stacktrace=1:halt_on_error=1";
}
