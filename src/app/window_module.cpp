#include "window_module.h"

#include "app_texts.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

namespace kestrune {

namespace {

// The folder of the running program, with a trailing "/"; empty when unknown.
QByteArray programFolder()
{
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length == static_cast<ssize_t>(sizeof path))
        return {};
    QByteArray folder(path, length);
    folder.truncate(folder.lastIndexOf('/') + 1);
    return folder;
}

void tell(const QString& message)
{
    const QByteArray bytes = (texts::commandName + QStringLiteral(": ") + message + u'\n').toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

}  // namespace

int runWindowModule(int argc, char* argv[])
{
    const QByteArray folder = programFolder();
    void* module = nullptr;
    QString failures;
    for (const QByteArray& place : {folder + KESTRUNE_WINDOW_MODULE_NAME, folder + KESTRUNE_WINDOW_MODULE_INSTALLED}) {
        module = ::dlopen(place.constData(), RTLD_LAZY | RTLD_LOCAL);
        if (module != nullptr)
            break;
        failures += u'\n' + QString::fromLocal8Bit(::dlerror());
    }
    if (module == nullptr) {
        tell(texts::windowModuleMissing + failures);
        return 1;
    }
    // The module stays loaded until the process ends: Qt's own clean-up at
    // exit may still run code in it.
    const auto windowMain = reinterpret_cast<WindowMain>(::dlsym(module, "kestruneWindowMain"));
    if (windowMain == nullptr) {
        tell(texts::windowModuleMissing + u'\n' + QString::fromLocal8Bit(::dlerror()));
        return 1;
    }
    return windowMain(argc, argv);
}

}  // namespace kestrune
