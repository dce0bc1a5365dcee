#include "HelpText.h"
#include "Options.h"
#include "Subcommands.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace veridi::sheettool {
namespace {

// The options a help text describes, by the "--name" at the start of their lines.
std::set<QString> describedOptions(const QString& help) {
    std::set<QString> names;
    static const QRegularExpression term(QStringLiteral("^  --([a-z0-9-]+)"),
                                         QRegularExpression::MultilineOption);
    for (auto it = term.globalMatch(help); it.hasNext();)
        names.insert(it.next().captured(1));
    names.erase(QStringLiteral("help"));
    return names;
}

// What the subcommand's parser accepts, as it tells when asked for help (even after a mistake).
HelpRequested acceptedOptions(Subcommand run, const QString& helpWord) {
    try {
        run({QStringLiteral("--bogus"), helpWord});
    } catch (const HelpRequested& request) {
        return request;
    } catch (const UsageError& error) {
        ADD_FAILURE() << helpWord.toStdString() << " was a usage error: " << error.what();
    }
    ADD_FAILURE() << helpWord.toStdString() << " ran the subcommand";
    return {};
}

TEST(HelpText, DescribesEveryOptionEachSubcommandAcceptsAndNoOther) {
    for (const auto& [name, run] : subcommands()) {
        SCOPED_TRACE(name.toStdString());
        const SubcommandHelp* help = subcommandHelp(name);
        ASSERT_NE(help, nullptr);
        const QString text = helpText(*help);
        for (const QString& word : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const HelpRequested accepted = acceptedOptions(run, word);
            std::set<QString> all = accepted.valued;
            all.insert(accepted.switches.begin(), accepted.switches.end());
            EXPECT_EQ(describedOptions(text), all);
            // A valued option is shown with its value, a switch alone.
            for (const QString& option : accepted.valued)
                EXPECT_TRUE(text.contains(QStringLiteral("  --%1 ").arg(option))) << option.toStdString();
            for (const QString& option : accepted.switches)
                EXPECT_TRUE(text.contains(QStringLiteral("  --%1\n").arg(option))) << option.toStdString();
        }
        EXPECT_TRUE(overviewText().contains(QStringLiteral("\n  %1\n").arg(name)));
        EXPECT_TRUE(
            text.section(QStringLiteral("Example:"), 1).contains(QStringLiteral("veridi-sheet ") + name));
    }
}

TEST(HelpText, ManualPageHoldsEveryOptionWithItsHyphensEscaped) {
    const QString page = manPage();
    for (const SubcommandHelp& help : subcommandHelps()) {
        EXPECT_TRUE(page.contains(QStringLiteral(".SH ") + help.name.toUpper()));
        for (const OptionHelp& option : help.options)
            EXPECT_TRUE(
                page.contains(QStringLiteral(".B \\-\\-") + QString(option.name).replace(u'-', u"\\-"_qs)))
                << option.name.toStdString();
    }
    // No text line is taken for a troff request by starting with a dot.
    const QRegularExpression request(QStringLiteral("^\\.(TH|SH|B|TP|PP|nf|fi|br)( |$)"));
    for (const QString& line : page.split(u'\n')) {
        if (line.startsWith(u'.')) {
            EXPECT_TRUE(request.match(line).hasMatch()) << line.toStdString();
        }
    }
}

} // namespace
} // namespace veridi::sheettool
