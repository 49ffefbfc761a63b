#pragma once
// SQLite's settings for the whole process, made once before its first use (a later call
// changes nothing: whatever used SQLite first keeps its defaults).
namespace db {

// Each connection's page cache, as PRAGMA cache_size counts it (negative: KiB).
constexpr int kPageCacheKiB = 32000;

void configureEngine();

}  // namespace db
