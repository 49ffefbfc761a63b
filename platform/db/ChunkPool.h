#pragma once
// Memory for the rows that data sets read, handed out in chunks and taken back when a data set
// lets its rows go. Memory touched for the first time costs the system a page fault per page,
// which at 50,000 rows costs more than reading them; a chunk kept from one read serves the next
// one without any.
#include <cstddef>
#include <memory>

namespace db {

struct ChunkRelease {
    std::size_t size = 0;
    void operator()(char* chunk) const;
};
using Chunk = std::unique_ptr<char[], ChunkRelease>;

// At least `size` bytes; chunks of the usual size come from those given back.
Chunk takeChunk(std::size_t size);

constexpr std::size_t kUsualChunkSize = std::size_t(1) << 20;

}  // namespace db
