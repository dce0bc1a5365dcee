#pragma once

#include "MetafileTime.h"
#include "Picture.h"
#include "PictureBudget.h"

#include <QString>

#include <map>

namespace veridi {

// One load of pictures into slots. A file named several times is read and decoded once and
// its picture shared. The pixels of the pictures loaded, together with those the other slots
// already hold, stay within the budget: a picture beyond it is not kept. Metafiles are
// converted within the time of the refresh.
class PictureLoader {
public:
    PictureLoader(const PictureBudget& budget, qint64 heldPixels, MetafileTime& metafileTime);

    // The picture for a slot, or nothing for an empty slot. Throws FileError when the file
    // exists but cannot be read.
    PictureSlot load(const QString& fileName);

    // How many files were read and decoded.
    int decoded() const { return decoded_; }

private:
    PictureSlot decode(const QString& fileName);

    PictureBudget budget_;
    qint64 freePixels_;
    MetafileTime& metafileTime_;
    std::map<QString, PictureSlot> loaded_; // by canonical path
    int decoded_ = 0;
};

} // namespace veridi
