#pragma once

#include "MetafileTime.h"
#include "Picture.h"
#include "PictureBudget.h"

#include <QString>
#include <QStringList>

#include <array>

namespace veridi {

using PictureSlots = std::array<PictureSlot, 15>;

// Each command list owns five consecutive slots from its base.
constexpr int kFileListSlots = 0;
constexpr int kManualListSlots = 5;
constexpr int kProgramListSlots = 10;
constexpr int kSlotsPerList = 5;

// Loads one slot from a picture file: a missing file, one that does not decode or one whose
// pixels the budget has no room for beside the other slots' empties it. Throws FileError when
// the file exists but cannot be read; the slot is then unchanged.
// Its metafile converts within metafileTime, which the refresh's other loads share.
void loadPictureSlot(PictureSlots& bmp, int slot, const QString& fileName, MetafileTime& metafileTime,
                     const PictureBudget& budget = {});
// The same with a metafile time of its own.
void loadPictureSlot(PictureSlots& bmp, int slot, const QString& fileName, const PictureBudget& budget = {});

// Loads the slots of one list from its PICTURE lines (those with more than two fields), in
// order, at most five; slots without a line keep what they held. The load is one PictureLoader:
// a file named on several lines is decoded once and its slots share the picture, and the
// budget holds for all fifteen slots together. The slots of the lines are emptied before any
// picture is read, so that old and new pictures are never held together. Throws FileError;
// the slots before the file then hold their new pictures, the other slots of lines are empty.
// Its metafiles convert within metafileTime, which the refresh's other loads share.
void loadListPictures(const QStringList& list, int base, PictureSlots& bmp, MetafileTime& metafileTime,
                      const PictureBudget& budget = {});
// The same with a metafile time of its own.
void loadListPictures(const QStringList& list, int base, PictureSlots& bmp, const PictureBudget& budget = {});

} // namespace veridi
