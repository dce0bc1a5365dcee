#include "SheetToolRun.h"

#include "CommandLine.h"

#include <QDir>
#include <QProcess>

#include <cmath>

namespace veridi::test {

QStringList ToolRun::lines() const {
    return QString::fromUtf8(out).split(u'\n', Qt::SkipEmptyParts);
}

ToolRun runSheet(const QStringList& args, const QByteArray& input) {
    QProcess process;
    process.setWorkingDirectory(QDir::currentPath());
    process.start(QStringLiteral(VERIDI_SHEET), args);
    process.write(input);
    process.closeWriteChannel();
    // Far longer than any page takes; a hang fails the test instead of blocking the run.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QStringList fieldsOf(const QString& line) {
    return splitFields(line);
}

bool matchesFields(const QStringList& fields, const QStringList& pattern) {
    if (fields.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (pattern[i] == u"*" || fields[i] == pattern[i])
            continue;
        const auto got = parseReal(fields[i]);
        const auto wanted = parseReal(pattern[i]);
        if (!got || !wanted || std::abs(double(*got - *wanted)) > 1e-9)
            return false;
    }
    return true;
}

double realField(const QStringList& fields, int i) {
    return double(readReal(fields.value(i)));
}

} // namespace veridi::test
