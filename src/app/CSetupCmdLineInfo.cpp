#include "app/CSetupCmdLineInfo.h"

namespace ql {

CSetupCmdLineInfo CSetupCmdLineInfo::Parse(const QStringList& arguments) {
    CSetupCmdLineInfo info;
    for (const QString& argument : arguments) {
        const bool isSwitch = argument.size() > 1 && (argument.startsWith(QLatin1Char('/')) ||
                                                      argument.startsWith(QLatin1Char('-')));
        // A path such as /home/x.icf is a file, not a switch: switches are one word.
        if (isSwitch && !argument.mid(1).contains(QLatin1Char('/'))) {
            if (argument.mid(1) == QLatin1String("S")) info.setupRequested = true;
            continue;
        }
        if (info.fileName.isEmpty()) info.fileName = argument;
    }
    return info;
}

}  // namespace ql
