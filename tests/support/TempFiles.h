#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <map>

namespace veridi::test {

// A fresh folder that is the current directory while the object lives, as relative names in
// list files are taken from the current directory.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Writes bytes under a name relative to the folder and returns the name.
    QString write(const QString& name, const QByteArray& bytes) const;
    void writeAll(const std::map<QString, QByteArray>& files) const;
    // A name that exists as a file but fails when it is read (the system answers with an
    // input/output error), whoever runs the tests.
    QString unreadable(const QString& name) const;
    // A name that exists as a regular file, readable, reporting a size of 0 and practically
    // endless (a link to the process's page map).
    QString endless(const QString& name) const;
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace veridi::test
