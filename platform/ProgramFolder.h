// The program folder, where the data files, the language tables and the help file lie.
#pragma once

#include <QString>

// Environment variable that points the program at another folder (tests, packaging).
inline constexpr char kProgramFolderVariable[] = "TENSIMO_PROGRAM_DIR";

// The folder of the running executable, or the folder the environment variable names.
QString programFolder();

// Full path of a file in the program folder. The data files are named in mixed case by
// their callers ("tenso20.dad", "TENSO20.DAD"), so an existing file is found whatever the
// case of its name; a file that does not exist yet keeps the name as given.
QString programFilePath(const QString &fileName);

// The same lookup in any folder.
QString findFileIgnoringCase(const QString &folder, const QString &fileName);
