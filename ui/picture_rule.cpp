#include "picture_rule.hpp"

#include "language.hpp"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <utility>

namespace coilwind::ui {

CorePicture corePictureFor(PictureMode mode, CoreType core) {
    const coilwind::CorePicture chosen = coilwind::corePictureOf(mode, core);
    const auto qstring = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    return {qstring(chosen.name) + QStringLiteral(".JPG"), qstring(chosen.description)};
}

namespace {

// A JPEG stream ends with the end-of-image marker (some writers pad with zeros after it); the
// decoder would fill a cut-off file with grey and call it a picture.
bool looksTruncated(const QByteArray& data) {
    if (!data.startsWith("\xFF\xD8")) {
        return false;
    }
    qsizetype end = data.size();
    while (end > 0 && data.at(end - 1) == '\0') {
        --end;
    }
    return !QByteArrayView(data).first(end).endsWith("\xFF\xD9");
}

QImage readImage(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return {};
    }
    const QByteArray data = file.readAll();
    if (looksTruncated(data)) {
        if (error != nullptr) {
            *error = frontQText("picture-cut-off");
        }
        return {};
    }
    QBuffer buffer;
    buffer.setData(data);
    // The pictures are JPEG files: naming the format spares loading every image plugin to guess.
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull() && error != nullptr) {
        *error = reader.errorString();
    }
    return image;
}

} // namespace

LoadedPicture loadPicture(const QString& directory, const QString& fileName,
                          qreal devicePixelRatio) {
    const QDir dir(directory);
    LoadedPicture loaded;
    loaded.image = readImage(dir.filePath(fileName), &loaded.error);
    if (loaded.image.isNull() || devicePixelRatio <= 1.0) {
        return loaded;
    }
    const QFileInfo plain(fileName);
    const QString sharper = plain.completeBaseName() + QStringLiteral("@2x.") + plain.suffix();
    QImage twice = readImage(dir.filePath(sharper), nullptr);
    if (!twice.isNull() && twice.size() == loaded.image.size() * 2) {
        twice.setDevicePixelRatio(2.0);
        loaded.image = std::move(twice);
    }
    return loaded;
}

} // namespace coilwind::ui
