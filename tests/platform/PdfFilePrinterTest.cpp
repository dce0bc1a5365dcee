#include "FakePrompts.h"
#include "QtPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace veridi;

TEST(PdfFilePrinter, OffersADatedNameInTheDocumentsFolderAndSaysWhereItWrote) {
    const QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    QDir(home.path()).mkdir(u"Documents"_qs);
    test::FakePrompts prompts;
    PdfFilePrinter printer(prompts);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"sheet.pdf"_qs);
    prompts.saveAnswers = {path, std::nullopt};

    const auto printPage = [&printer] {
        QPainter painter(printer.beginJob());
        painter.drawText(100, 100, u"1 + 2 ="_qs);
        painter.end();
        printer.endJob();
    };
    printPage();
    ASSERT_EQ(prompts.saveRequests.size(), 1);
    const QFileInfo offered(prompts.saveRequests[0].lastName);
    EXPECT_EQ(offered.absolutePath(), QDir(home.path()).filePath(u"Documents"_qs));
    EXPECT_TRUE(offered.fileName().contains(QDate::currentDate().toString(Qt::ISODate)));
    EXPECT_TRUE(QFileInfo(path).size() > 0);
    EXPECT_EQ(prompts.messages,
              QStringList{QDir::toNativeSeparators(path) + QStringLiteral(" に保存しました")});

    printPage(); // the next job offers the name chosen before; cancelled, nothing is said
    EXPECT_EQ(prompts.saveRequests[1].lastName, path);
    EXPECT_EQ(prompts.messages.size(), 1);

    // Without a documents folder the name is offered in the home folder, where it can be written.
    QDir(home.path()).rmdir(u"Documents"_qs);
    PdfFilePrinter another(prompts);
    prompts.saveAnswers = {std::nullopt};
    QPainter(another.beginJob()).end();
    another.endJob();
    EXPECT_EQ(QFileInfo(prompts.saveRequests[2].lastName).absolutePath(), home.path());
    qputenv("HOME", oldHome);
}
