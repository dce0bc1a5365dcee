// Writes veridi-sheet's manual page to standard output, from the texts --help prints.
#include "HelpText.h"

#include <cstdio>

int main() {
    const QByteArray page = veridi::sheettool::manPage().toUtf8();
    return std::fwrite(page.constData(), 1, size_t(page.size()), stdout) == size_t(page.size()) ? 0 : 1;
}
