#include "platform/launcher.h"

#include <QProcess>
#include <QString>

namespace platform {

bool ProcessLauncher::start(const std::filesystem::path& program,
                            const std::filesystem::path& folder) {
    if (!std::filesystem::is_regular_file(program)) return false;
    return QProcess::startDetached(QString::fromStdString(program.string()), {},
                                   QString::fromStdString(folder.string()));
}

}  // namespace platform
