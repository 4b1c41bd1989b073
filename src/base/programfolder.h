#pragma once

#include <QString>

// The one place that answers "where is the program's folder": the folder that
// holds Vlm, the shipped databases, the help files and the report files.
// Tests point it at a temporary folder with SetProgramFolder().
QString ProgramFolder();

// Overrides the program's folder (tests, vlmcli). An empty text restores the default,
// the folder of the running executable.
void SetProgramFolder(const QString &folder);

// ProgramFolder() joined with a file name, with exactly one separator between them.
QString ProgramFile(const QString &fileName);
