#include "FuzzSupport.h"

#include "Fonts.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace veridi::fuzz {

void require(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

void ensureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "veridi-fuzz";
    static char* argv[] = {name, nullptr};
    // Ended by endGuiApplication while main still runs: ended among the static destructors,
    // after Qt's own per-thread storage, it would leave the font caches behind.
    new QGuiApplication(argc, argv);
    registerFontSubstitutions();
}

const QString& scratchFolder() {
    static QTemporaryDir folder;
    require(folder.isValid(), "a temporary folder can be made");
    static const QString path = folder.path();
    return path;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "a scratch file can be written");
}

void endGuiApplication() {
    delete QGuiApplication::instance();
}

} // namespace veridi::fuzz
