#include "user_name.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace kestrune {

QString currentUserName()
{
    const uid_t user = ::geteuid();
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_name != nullptr && found->pw_name[0] != '\0')
        return QFile::decodeName(found->pw_name);
    const QString fromEnvironment = qEnvironmentVariable("USER");
    return fromEnvironment.isEmpty() ? QString::number(user) : fromEnvironment;
}

}  // namespace kestrune
