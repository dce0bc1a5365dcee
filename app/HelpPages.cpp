#include "HelpPages.h"
#include "Links.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace veridi {

QString helpFolder() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {QStringLiteral("help"), QStringLiteral("../share/veridi/help")}) {
        const QFileInfo folder(programDir.filePath(candidate));
        if (folder.isDir())
            return folder.canonicalFilePath();
    }
    return {};
}

void openLink(const QUrl& url, Links& links, Prompts& prompts) {
    if (!links.openUrl(url))
        prompts.message(QStringLiteral("エラー：繰り返し発生する場合作者へご連絡下さい"),
                        Prompts::Icon::Error);
}

void openHelpPage(const QString& folder, const QString& page, Links& links, Prompts& prompts) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        prompts.message(QStringLiteral("ヘルプが見つかりません。プログラムと共にインストールして下さい"),
                        Prompts::Icon::Warning);
        return;
    }
    const QString pagePath = QDir(folder).filePath(page);
    const QString target = QFileInfo::exists(pagePath) ? pagePath : folder;
    openLink(QUrl::fromLocalFile(target), links, prompts);
}

} // namespace veridi
