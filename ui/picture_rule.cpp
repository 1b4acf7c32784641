#include "picture_rule.hpp"

#include <QDir>
#include <QImageReader>

namespace coilwind::ui {

QString pictureFileFor(PictureMode mode, CoreType core) {
    const bool rod = core == CoreType::Rod;
    if (mode == PictureMode::Core) {
        return rod ? QStringLiteral("RC.JPG") : QStringLiteral("KQCORE.JPG");
    }
    return rod ? QStringLiteral("R.JPG") : QStringLiteral("KQ.JPG");
}

LoadedPicture loadPicture(const QString& directory, const QString& fileName) {
    QImageReader reader(QDir(directory).filePath(fileName));
    LoadedPicture loaded;
    loaded.image = reader.read();
    if (loaded.image.isNull()) {
        loaded.error = reader.errorString();
    }
    return loaded;
}

} // namespace coilwind::ui
