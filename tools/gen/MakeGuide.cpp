// Usage: qvl-make-guide SOURCE.md TARGET.pdf
// Lays out a guide written in Markdown (UTF-8) on A4 pages and writes it as a PDF whose text
// can be searched and copied; its first line is the document's title. The target's folder is
// made when missing, and a guide that cannot be written leaves no half-written file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: qvl-make-guide SOURCE.md TARGET.pdf\n");
        return 2;
    }
    const QString sourcePath = QString::fromLocal8Bit(argv[1]);
    const QString targetPath = QString::fromLocal8Bit(argv[2]);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "qvl-make-guide: cannot read %s\n", qPrintable(sourcePath));
        return 1;
    }
    QTextDocument guide;
    guide.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    guide.setMarkdown(QString::fromUtf8(source.readAll()));

    QDir().mkpath(QFileInfo(targetPath).absolutePath());
    QSaveFile target(targetPath);
    if (!target.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "qvl-make-guide: cannot write %s\n", qPrintable(targetPath));
        return 1;
    }
    {
        QPdfWriter pdf(&target);
        pdf.setTitle(guide.firstBlock().text());
        pdf.setCreator(QStringLiteral("Qvlzantor"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                      QPageLayout::Millimeter));
        guide.print(&pdf);
    }
    if (!target.commit()) {
        std::fprintf(stderr, "qvl-make-guide: cannot write %s\n", qPrintable(targetPath));
        return 1;
    }
    return 0;
}
