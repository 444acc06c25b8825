#include "program_identity.h"

#include "app_texts.h"
#include "folder_paths.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace kestrune {

namespace {

const QString historyFolderName = QStringLiteral("history");

}  // namespace

void nameProgram()
{
    QCoreApplication::setOrganizationName(texts::applicationName);
    QCoreApplication::setApplicationName(texts::applicationName);
}

QString pressHistoryFolder()
{
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), historyFolderName);
}

}  // namespace kestrune
