#include "platform/db/EngineSettings.h"

#include <cstddef>
#include <sqlite3.h>

namespace db {

namespace {

constexpr int kPageSize = 4096;

bool configure()
{
    // Memory statistics cost a global lock on every allocation; nothing reads them.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    // Page caches take their pages from one block kept for the whole process: pages a closed
    // connection gave back serve the next one without the page faults of fresh memory, which
    // cost more than the reads that fill the cache. Pages beyond it are allocated as usual.
    int header = 0;
    if (sqlite3_config(SQLITE_CONFIG_PCACHE_HDRSZ, &header) == SQLITE_OK) {
        const int slotSize = kPageSize + header;
        const int pageSlots = kPageCacheKiB * 1024 / kPageSize;
        char* block = new char[std::size_t(slotSize) * std::size_t(pageSlots)];
        if (sqlite3_config(SQLITE_CONFIG_PAGECACHE, block, slotSize, pageSlots) != SQLITE_OK)
            delete[] block;
    }
    return true;
}

}  // namespace

void configureEngine()
{
    [[maybe_unused]] static const bool configured = configure();
}

}  // namespace db
