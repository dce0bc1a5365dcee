#include "Fonts.h"
#include "HelpText.h"
#include "Options.h"
#include "Subcommands.h"

#include <QGuiApplication>

#include <cstdio>
#include <malloc.h>

using namespace veridi::sheettool;

namespace {

void printUsage() {
    std::fputs("usage: veridi-sheet problems|recalc|draw|page|render [options] (--help explains)\n", stderr);
}

int printHelp(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}

// stderr carries the drawing's and the generator's messages only; Qt's own chatter about the
// platform would be mistaken for them.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    // A batch makes and drops a page image of a few megabytes for every sheet. Kept in the heap,
    // freed memory serves the next sheet instead of being handed back to the system and mapped
    // afresh, page by page.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    // Drawing and measuring need a Gui application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    QGuiApplication app(argc, argv);
    // Pages are measured and drawn in the same fonts as the program's.
    veridi::registerFontSubstitutions();

    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && (args.first() == u"--help" || args.first() == u"-h" || args.first() == u"help"))
        return printHelp(overviewText());
    if (args.isEmpty() || !subcommands().count(args.first())) {
        printUsage();
        return 2;
    }
    const QString name = args.takeFirst();
    try {
        return subcommands().at(name)(args);
    } catch (const HelpRequested&) {
        return printHelp(helpText(*subcommandHelp(name)));
    } catch (const UsageError& error) {
        std::fprintf(stderr, "veridi-sheet %s: %s\n", name.toUtf8().constData(), error.what());
        return 2;
    }
}
