// Where the program's file dialogs start: the folder of the last test file
// opened or saved in this run, else the user's documents folder. Shared by
// the file commands and the report commands.
#pragma once

#include <QString>

namespace kaldoventri {

class RecentFolder {
public:
    // An existing folder: the remembered one while it exists, else the
    // documents folder, else the home folder.
    QString StartFolder() const;
    // Remembers the folder of a file that was opened or saved.
    void Remember(const QString& filePath);

private:
    QString folder_;
};

}  // namespace kaldoventri
