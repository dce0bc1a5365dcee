#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <set>
#include <stdexcept>

namespace veridi::sheettool {

// A bad option or value; its text is the one-line message the tool prints.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// "--help" or "-h" where an option may stand: the subcommand's help is printed instead of running
// it. It carries the options the subcommand accepts, so that its help can be checked against them.
struct HelpRequested {
    std::set<QString> valued;
    std::set<QString> switches;
};

// The options of one subcommand: "--name VALUE", "--name=VALUE" and bare switches.
class Options {
public:
    // valued: options that take a value; switches: options that take none. Anything else, or a
    // valued option without its value, is a UsageError; "--help" or "-h" throws HelpRequested.
    // Positional arguments are kept in order.
    Options(const QStringList& args, const std::set<QString>& valued, const std::set<QString>& switches);

    bool has(const QString& name) const { return values_.count(name) > 0; }
    std::optional<QString> value(const QString& name) const;
    const QStringList& positional() const { return positional_; }

    // A value that must be a 32-bit integer in [low, high].
    std::optional<qint32> integer(const QString& name, qint32 low, qint32 high) const;
    // A value that must be one of the given words.
    std::optional<QString> choice(const QString& name, const QStringList& words) const;

private:
    std::map<QString, QString> values_;
    QStringList positional_;
};

// "MIN:MAX" as two 32-bit integers.
std::pair<qint32, qint32> parseRange(const QString& option, const QString& text);

} // namespace veridi::sheettool
