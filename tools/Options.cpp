#include "Options.h"

#include "NumberText.h"

namespace veridi::sheettool {

Options::Options(const QStringList& args, const std::set<QString>& valued,
                 const std::set<QString>& switches) {
    // Asking for help anywhere on the line wins over any mistake elsewhere on it.
    for (const QString& arg : args)
        if (arg == u"--help" || arg == u"-h")
            throw HelpRequested{valued, switches};
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(QLatin1String("--"))) {
            positional_ << arg;
            continue;
        }
        const qsizetype eq = arg.indexOf(u'=');
        const QString name = arg.mid(2, eq < 0 ? -1 : eq - 2);
        if (switches.count(name)) {
            if (eq >= 0)
                throw UsageError(QStringLiteral("option --%1 takes no value").arg(name));
            values_[name] = QString();
        } else if (valued.count(name)) {
            if (eq >= 0) {
                values_[name] = arg.mid(eq + 1);
            } else if (i + 1 < args.size()) {
                values_[name] = args[++i];
            } else {
                throw UsageError(QStringLiteral("option --%1 needs a value").arg(name));
            }
        } else {
            throw UsageError(QStringLiteral("unknown option --%1").arg(name));
        }
    }
}

std::optional<QString> Options::value(const QString& name) const {
    const auto it = values_.find(name);
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

std::optional<qint32> Options::integer(const QString& name, qint32 low, qint32 high) const {
    const auto text = value(name);
    if (!text)
        return std::nullopt;
    const auto number = parseInteger32(*text);
    if (!number || *number < low || *number > high)
        throw UsageError(QStringLiteral("--%1: %2 is not a whole number from %3 to %4")
                             .arg(name, *text)
                             .arg(low)
                             .arg(high));
    return number;
}

std::optional<QString> Options::choice(const QString& name, const QStringList& words) const {
    auto text = value(name);
    if (text && !words.contains(*text))
        throw UsageError(QStringLiteral("--%1: %2 is not one of %3").arg(name, *text, words.join(u'|')));
    return text;
}

std::pair<qint32, qint32> parseRange(const QString& option, const QString& text) {
    // The colon that separates the bounds is the first one after the first character, so that
    // "-5:0" and "-10:-5" read as expected.
    const qsizetype colon = text.indexOf(u':', 1);
    const auto low = colon < 0 ? std::nullopt : parseInteger32(text.left(colon));
    const auto high = colon < 0 ? std::nullopt : parseInteger32(text.mid(colon + 1));
    if (!low || !high)
        throw UsageError(QStringLiteral("--%1: %2 is not MIN:MAX").arg(option, text));
    return {*low, *high};
}

} // namespace veridi::sheettool
