// Reading the settings file as start-up does, some fifty times, when one of its lines holds 5 MB:
// the first read parses the file, the others find it unchanged.
#include "platform/files/IniFile.h"
#include "tools/bench/Benchmark.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>

QVL_BENCHMARK(settings_reads)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fichier.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("[Language]\r\nLanguage=francais.txt\r\n[Notes]\r\nNote=" + QByteArray(5 << 20, 'x') +
               "\r\n[Animation]\r\nAnimConfig=1\r\n");
    file.close();
    // Written long ago, as at a start.
    const timespec old{::time(nullptr) - 3600, 0};
    const timespec times[2] = {old, old};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);

    const files::IniFile ini(path);
    const double firstMs = bench::timeMs([&] { ini.readString(QStringLiteral("Animation"), QStringLiteral("AnimConfig"), {}); });
    const double nextMs = bench::timeMs([&] {
        for (int i = 0; i < 50; ++i)
            ini.readString(QStringLiteral("Animation"), QStringLiteral("AnimConfig"), {});
    }) / 50;
    bench::print(QStringLiteral("settings_reads first_ms"), firstMs, "ms");
    bench::print(QStringLiteral("settings_reads next_ms"), nextMs, "ms");
    bench::printRatio(QStringLiteral("settings_reads_first_over_next"), firstMs / nextMs);
}
