#pragma once
// The 50,000-copy catalogue the benchmarks measure against.
#include <QString>

namespace bench {

constexpr int kCatalogueCopies = 50000;

// The assembled program folder beside the benchmark binary.
QString programFolder();
// Fills a copy of the empty database template at `path` with the catalogue; every cover name
// is written with a capital extension, as older versions of the program stored some.
void makeCatalogue(const QString& path);
// Adds the catalogue's copies to the database at `path`: copy n is titled "Élément de titre n°n",
// one in five is a DVD, the others books, and their codes repeat every 9,000 copies.
void addCatalogueCopies(const QString& path, int copies = kCatalogueCopies);
// The code and the title the catalogue gives copy n.
QString copyCode(int copy);
QString copyTitle(int copy);

}  // namespace bench
