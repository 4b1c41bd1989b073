#include "shell/helpfile.h"

#include "base/programfolder.h"

#include <QFileInfo>

namespace
{
QString &helpFile()
{
    static QString file;
    return file;
}
} // namespace

QString HelpFileForLanguage(int languageIndex, const QString &currentFile)
{
    switch (languageIndex) {
    case 0:
        return ProgramFile(QStringLiteral("Help/MANUAL_EN.HLP"));
    case 1:
        return ProgramFile(QStringLiteral("Help/MANUAL_NL.HLP"));
    case 2:
    case 3:
        return ProgramFile(QStringLiteral("Help/MANUAL_FR.HLP"));
    default: {
        const QString dutch = ProgramFile(QStringLiteral("Help/MANUAL_NL.HLP"));
        return QFileInfo::exists(dutch) ? dutch : currentFile;
    }
    }
}

void SelectHelpFile(int languageIndex)
{
    helpFile() = HelpFileForLanguage(languageIndex, helpFile());
}

QString ApplicationHelpFile()
{
    return helpFile();
}

void SetApplicationHelpFile(const QString &path)
{
    helpFile() = path;
}
