// qvl-drive PROGRAM_FOLDER SCRIPT: runs the program headless in PROGRAM_FOLDER and plays SCRIPT.
#include "platform/files/WindowsPath.h"
#include "platform/text/TextLines.h"
#include "tools/drive/ScenarioRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication qt(argc, argv);
    const QStringList args = qt.arguments().mid(1);
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qvl-drive PROGRAM_FOLDER SCRIPT\n");
        return 2;
    }
    QFile scriptFile(args[1]);
    if (!scriptFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "qvl-drive: cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    std::vector<drive::Action> actions;
    try {
        actions = drive::parseScript(QString::fromUtf8(scriptFile.readAll()));
    } catch (const drive::ScriptError& e) {
        std::fprintf(stderr, "qvl-drive: %s: %s\n", qPrintable(args[1]), e.what());
        return 2;
    }
    const QString folder = QFileInfo(args[0]).absoluteFilePath();
    if (!QFileInfo(folder).isDir()) {
        std::fprintf(stderr, "qvl-drive: no program folder %s\n", qPrintable(folder));
        return 2;
    }
    files::setProgramFolder(folder);
    QDir::setCurrent(folder);

    QTextStream out(stdout);
    drive::ScenarioRunner runner(out);
    return runner.run(actions);
}
