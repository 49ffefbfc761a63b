/* SANE's test backend stops its reader thread with an asynchronous cancel. One that lands while
 * the thread is inside malloc leaves the allocator's lock held, and sane_cancel then waits for
 * the thread for ever: a scan test hung so on a loaded machine. The backend's reader only
 * computes and writes to a pipe, so a deferred cancel, taken at its next write, stops it as
 * surely. Only the processes that scan with the test backend (tests, benchmarks, the scenario
 * driver) carry this; a real scanner's reader may block where no deferred cancel reaches. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <pthread.h>

int pthread_setcanceltype(int type, int* oldtype)
{
    static int (*next)(int, int*);
    if (!next)
        next = (int (*)(int, int*))dlsym(RTLD_NEXT, "pthread_setcanceltype");
    (void)type;
    return next(PTHREAD_CANCEL_DEFERRED, oldtype);
}
