#include "platform/db/ChunkPool.h"

#include <mutex>
#include <vector>

namespace db {

namespace {

// Enough for the rows of the largest catalogue's few open data sets; more is given back to
// the system.
constexpr std::size_t kChunksKept = 96;

struct Pool {
    std::mutex mutex;
    std::vector<char*> free;
};

// Never destroyed: data sets living until the end of the process give their chunks back after
// every other static is gone.
Pool& pool()
{
    static Pool* const instance = new Pool;
    return *instance;
}

}  // namespace

void ChunkRelease::operator()(char* chunk) const
{
    if (size == kUsualChunkSize) {
        Pool& p = pool();
        const std::lock_guard lock(p.mutex);
        if (p.free.size() < kChunksKept) {
            p.free.push_back(chunk);
            return;
        }
    }
    delete[] chunk;
}

Chunk takeChunk(std::size_t size)
{
    if (size <= kUsualChunkSize) {
        Pool& p = pool();
        const std::lock_guard lock(p.mutex);
        if (!p.free.empty()) {
            char* chunk = p.free.back();
            p.free.pop_back();
            return Chunk(chunk, ChunkRelease{kUsualChunkSize});
        }
        size = kUsualChunkSize;
    }
    return Chunk(new char[size], ChunkRelease{size});
}

}  // namespace db
