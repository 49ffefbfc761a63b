#include "tools/bench/BenchProgram.h"

#include "tools/PristineProgramFolder.h"
#include "tools/bench/Catalogue.h"

#include <QDir>
#include <QFile>

namespace bench {

BenchProgramFolder::BenchProgramFolder()
{
    tools::copyPristineProgramFolder(QStringLiteral(QVL_SOURCE_DIR), programFolder(), folder());
    m_catalogue = m_drive.filePath(QStringLiteral("catalogue.bib"));
    makeCatalogue(m_catalogue);
    reset();
}

void BenchProgramFolder::enter() const
{
    files::setProgramFolder(folder());
    QDir::setCurrent(folder());
}

void BenchProgramFolder::reset() const
{
    QFile::remove(folder() + QStringLiteral("/Test1.bib"));
    QFile::copy(m_catalogue, folder() + QStringLiteral("/Test1.bib"));
}

}  // namespace bench
