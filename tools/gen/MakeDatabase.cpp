// Usage: qvl-make-database SCHEMA.sql OUTPUT.bib...
// Makes each output, replacing it, as an empty database of the schema.
#include "platform/db/DatabaseFile.h"
#include "platform/db/Error.h"

#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SCHEMA.sql OUTPUT.bib...\n", argv[0]);
        return 2;
    }
    QFile schema(QFile::decodeName(argv[1]));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(schema.errorString()));
        return 1;
    }
    const QString sql = QString::fromUtf8(schema.readAll());
    try {
        for (int i = 2; i < argc; ++i)
            db::createDatabase(QFile::decodeName(argv[i]), sql);
    } catch (const db::Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
