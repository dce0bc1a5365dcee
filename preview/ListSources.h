#pragma once

#include "MetafileTime.h"

#include <QString>

#include <functional>
#include <optional>

namespace veridi {

class DrawEngine;
class Prompts;

// Where the engine's three command lists and their pictures come from, and the refreshes that
// reload them before the page is drawn again. A file that exists but cannot be read shows the
// system's report through the prompts and ends the refresh without drawing; the load
// operations then return false.
class ListSources {
public:
    ListSources(DrawEngine& engine, Prompts& prompts) : engine_(engine), prompts_(prompts) {}

    // The list source file; a relative name is taken from the current directory.
    QString ListIniFile = QStringLiteral("ZezaVivo.prv");

    // The clock by which a refresh spends its metafile conversion time (all loads of one
    // refresh share it; a load called alone is a refresh of its own).
    std::function<MetafileTime::Clock::time_point()> MetafileClock = &MetafileTime::Clock::now;

    // The file list afresh from the list source file (INCLUDE lines expanded), then its pictures.
    bool LoadListByFile();
    bool LoadFilePictures();
    bool LoadManualPictures();
    bool LoadProgramPictures();
    bool LoadPictureSlot(int slot, const QString& fileName);

    void PrevUpDate();
    void PrevUpDateFile();
    void PrevUpDateManual();
    void PrevUpDateProgram();
    // Appends "INITPARAM" to the manual list; draws nothing.
    void ResetListByManual();

private:
    template <typename Load> bool reportingFileErrors(Load load);
    // Runs a refresh or load; loads within one refresh share its metafile time.
    template <typename Run> bool inRefresh(Run run);

    DrawEngine& engine_;
    Prompts& prompts_;
    // The metafile conversion time of the refresh under way.
    std::optional<MetafileTime> refreshTime_;
};

} // namespace veridi
