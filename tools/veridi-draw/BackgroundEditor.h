#pragma once

#include <QObject>
#include <QString>

namespace veridi {

class Links;
class Prompts;
class TFrmPrev;

// The preview window as a drawing tool of its own: every menu and item offered, typing on the
// page switched on, and a command file opened into the hand-typed list, where it can be changed
// and saved again. A background page made so is what the worksheet program draws under every
// page when it is its list source file.
class BackgroundEditor : public QObject {
    Q_OBJECT

public:
    BackgroundEditor(TFrmPrev& preview, Prompts& prompts, Links& links);

    // Reads a command file (its INCLUDE lines expanded, as the worksheet program reads it) into
    // the hand-typed list and draws it; a file that cannot be read is reported and changes nothing.
    void open(const QString& fileName);

private:
    void chooseAndOpen();

    TFrmPrev& preview_;
    Prompts& prompts_;
    Links& links_;
};

} // namespace veridi
