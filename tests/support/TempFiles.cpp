#include "TempFiles.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace veridi::test {

WorkFolder::WorkFolder() : previous_(QDir::currentPath()) {
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
        throw std::runtime_error("cannot make a temporary folder");
}

WorkFolder::~WorkFolder() {
    QDir::setCurrent(previous_);
}

QString WorkFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + name.toStdString());
    return name;
}

void WorkFolder::writeAll(const std::map<QString, QByteArray>& files) const {
    for (const auto& [name, bytes] : files)
        write(name, bytes);
}

QString WorkFolder::unreadable(const QString& name) const {
    // Reading the start of a process's own memory file always fails; root is not exempt as it
    // would be from missing permissions.
    if (!QFile::link(QStringLiteral("/proc/self/mem"), dir_.filePath(name)))
        throw std::runtime_error("cannot link " + name.toStdString());
    return name;
}

QString WorkFolder::endless(const QString& name) const {
    // Eight bytes for every page of the address space, readable by the process itself.
    if (!QFile::link(QStringLiteral("/proc/self/pagemap"), dir_.filePath(name)))
        throw std::runtime_error("cannot link " + name.toStdString());
    return name;
}

} // namespace veridi::test
