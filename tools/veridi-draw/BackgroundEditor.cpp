#include "BackgroundEditor.h"

#include "FileError.h"
#include "HelpPages.h"
#include "ListFile.h"
#include "PreviewWindow.h"
#include "Prompts.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

namespace veridi {

BackgroundEditor::BackgroundEditor(TFrmPrev& preview, Prompts& prompts, Links& links)
    : QObject(&preview), preview_(preview), prompts_(prompts), links_(links) {
    preview.Set_LimitLevel(0);
    // The page being drawn is the hand-typed list; no list source file is drawn under it.
    preview.document().sources.ListIniFile.clear();
    preview.E1->setChecked(true);
    preview.setWindowTitle(QStringLiteral("背景ページの作成"));

    auto* openItem = new QAction(QStringLiteral("開く(&O)..."), &preview);
    openItem->setShortcut(QKeySequence::Open);
    preview.FileMenu->insertAction(preview.FileMenu->actions().constFirst(), openItem);
    connect(openItem, &QAction::triggered, this, &BackgroundEditor::chooseAndOpen);

    QAction* howTo = preview.HelpMenu->addAction(QStringLiteral("背景ページの作り方(&B)"));
    connect(howTo, &QAction::triggered, this,
            [this] { openHelpPage(helpFolder(), QStringLiteral("background.html"), links_, prompts_); });
}

void BackgroundEditor::chooseAndOpen() {
    const QString fileName = QFileDialog::getOpenFileName(
        &preview_, QStringLiteral("コマンドファイルを開く"), preview_.engine().SaveName,
        QStringLiteral("コマンドファイル (*.prv *.txt);;すべてのファイル (*)"));
    if (!fileName.isEmpty())
        open(fileName);
}

void BackgroundEditor::open(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        prompts_.message(QStringLiteral("%1 が見つかりません").arg(fileName), Prompts::Icon::Error);
        return;
    }
    QStringList lines;
    try {
        loadListFile(fileName, lines);
    } catch (const FileError& error) {
        prompts_.message(error.text(), Prompts::Icon::Error);
        return;
    }
    DrawEngine& engine = preview_.engine();
    engine.ListByManual = lines;
    // Saving offers the file it came from.
    engine.SaveName = QFileInfo(fileName).absoluteFilePath();
    preview_.setWindowTitle(QStringLiteral("背景ページの作成 - %1").arg(QFileInfo(fileName).fileName()));
    preview_.document().sources.PrevUpDateManual();
}

} // namespace veridi
