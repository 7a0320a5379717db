#pragma once

#include <QString>
#include <QStringList>

namespace ql {

// The command line: the switch "/S" or "-S" (upper case only) asks for the initial setup;
// a parameter that is no switch names a data file to open.
struct CSetupCmdLineInfo {
    bool setupRequested = false;
    QString fileName;

    // arguments without the program name.
    [[nodiscard]] static CSetupCmdLineInfo Parse(const QStringList& arguments);
};

}  // namespace ql
