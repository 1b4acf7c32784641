#pragma once

#include "calc/core_type.hpp"
#include "view/core_picture.hpp"

#include <QImage>
#include <QString>

namespace coilwind::ui {

using coilwind::PictureMode;

// The desktop's picture: the rendered JPEG of the chosen drawing.
struct CorePicture {
    QString file;        // "KQCORE.JPG", "RC.JPG", "KQ.JPG" or "R.JPG"
    QString description; // what it shows, for screen readers
};

CorePicture corePictureFor(PictureMode mode, CoreType core);

struct LoadedPicture {
    QImage image;  // null when the file could not be read
    QString error; // why not, for the notice and the log
};

// Reads the picture file afresh; pictures are small and never cached. A file that is missing,
// not a picture, truncated, or larger than Qt's allocation limit comes back as an error. On a
// high-density screen (devicePixelRatio > 1) a sharper "<name>@2x.JPG" beside it, when readable,
// stands in for the plain file's pixels at the same logical size.
LoadedPicture loadPicture(const QString& directory, const QString& fileName,
                          qreal devicePixelRatio = 1.0);

} // namespace coilwind::ui
