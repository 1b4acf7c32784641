// coilwind_svgrender: rasterise an SVG drawing into a JPEG or PNG file.
//
// Usage: coilwind_svgrender <in.svg> <out-file> [--size WxH | --scale S] [--quality Q]
//
// The output format follows the extension of <out-file>: ".jpg"/".jpeg" (any case) gives a
// JPEG painted on an opaque white background, ".png" gives a PNG that keeps transparency.
// Runs headless: the offscreen platform is selected unless QT_QPA_PLATFORM is already set.

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>

namespace {

constexpr int kDefaultJpegQuality = 92;
constexpr int kMaxDimension = 16384;

struct Options {
    QString input;
    QString output;
    std::optional<QSize> size;
    double scale = 1.0;
    int quality = kDefaultJpegQuality;
};

void printUsage() {
    std::fputs("usage: coilwind_svgrender <in.svg> <out-file> [--size WxH | --scale S] "
               "[--quality Q]\n",
               stderr);
}

int fail(const QString& message) {
    std::fprintf(stderr, "coilwind_svgrender: %s\n", qPrintable(message));
    return 1;
}

// Qt reports through qWarning(): the SVG parser often several lines per file, the offscreen
// platform some environment chatter. Everything is held back here so that a failure ends in one
// line; after a successful render only the SVG messages are passed on, since they point at
// features QtSvg ignored.
struct HeldMessage {
    QString category;
    QString text;
};
QList<HeldMessage> g_heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "coilwind_svgrender: %s\n", qPrintable(message.simplified()));
        return;
    }
    g_heldMessages.append(
        {QString::fromLatin1(context.category ? context.category : ""), message.simplified()});
}

bool isSvgMessage(const HeldMessage& message) {
    return message.category.startsWith(QLatin1String("qt.svg"));
}

void releaseSvgMessages() {
    for (const HeldMessage& message : std::as_const(g_heldMessages)) {
        if (isSvgMessage(message)) {
            std::fprintf(stderr, "coilwind_svgrender: warning: %s\n", qPrintable(message.text));
        }
    }
    g_heldMessages.clear();
}

// First SVG parser message, formatted as a suffix for a one-line error.
QString svgMessageSuffix() {
    for (const HeldMessage& message : std::as_const(g_heldMessages)) {
        if (isSvgMessage(message)) {
            return QStringLiteral(" (%1)").arg(message.text);
        }
    }
    return {};
}

std::optional<QSize> parseSize(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool okW = false;
    bool okH = false;
    const int w = parts[0].toInt(&okW);
    const int h = parts[1].toInt(&okH);
    if (!okW || !okH || w <= 0 || h <= 0 || w > kMaxDimension || h > kMaxDimension) {
        return std::nullopt;
    }
    return QSize(w, h);
}

// Returns an error message, or an empty string when the arguments are fine.
QString parseArguments(const QStringList& args, Options& opt) {
    QStringList positional;
    bool haveScale = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--size")) {
            if (!hasValue) {
                return QStringLiteral("--size needs a value WxH");
            }
            opt.size = parseSize(args[++i]);
            if (!opt.size) {
                return QStringLiteral("invalid --size '%1', expected WxH").arg(args[i]);
            }
        } else if (arg == QLatin1String("--scale")) {
            if (!hasValue) {
                return QStringLiteral("--scale needs a value");
            }
            bool ok = false;
            opt.scale = args[++i].toDouble(&ok);
            if (!ok || !std::isfinite(opt.scale) || opt.scale <= 0.0 || opt.scale > 64.0) {
                return QStringLiteral("invalid --scale '%1'").arg(args[i]);
            }
            haveScale = true;
        } else if (arg == QLatin1String("--quality")) {
            if (!hasValue) {
                return QStringLiteral("--quality needs a value 0..100");
            }
            bool ok = false;
            opt.quality = args[++i].toInt(&ok);
            if (!ok || opt.quality < 0 || opt.quality > 100) {
                return QStringLiteral("invalid --quality '%1', expected 0..100").arg(args[i]);
            }
        } else if (arg.startsWith(QLatin1String("--"))) {
            return QStringLiteral("unknown option '%1'").arg(arg);
        } else {
            positional << arg;
        }
    }
    if (positional.size() != 2) {
        return QStringLiteral("expected an input SVG and an output file");
    }
    if (haveScale && opt.size) {
        return QStringLiteral("--size and --scale are mutually exclusive");
    }
    opt.input = positional[0];
    opt.output = positional[1];
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(holdMessage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    Options opt;
    if (const QString error = parseArguments(QCoreApplication::arguments(), opt);
        !error.isEmpty()) {
        printUsage();
        return fail(error);
    }

    const QString suffix = QFileInfo(opt.output).suffix().toLower();
    const bool jpeg = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg");
    const bool png = suffix == QLatin1String("png");
    if (!jpeg && !png) {
        return fail(
            QStringLiteral("unsupported output type '%1' (use .jpg or .png)").arg(opt.output));
    }

    if (!QFileInfo(opt.input).isFile()) {
        return fail(QStringLiteral("cannot read '%1'").arg(opt.input));
    }
    QSvgRenderer renderer(opt.input);
    if (!renderer.isValid()) {
        return fail(QStringLiteral("'%1' is not a valid SVG%2").arg(opt.input, svgMessageSuffix()));
    }

    QSize size = opt.size.value_or(renderer.defaultSize());
    if (!opt.size) {
        size = QSize(static_cast<int>(std::lround(size.width() * opt.scale)),
                     static_cast<int>(std::lround(size.height() * opt.scale)));
    }
    if (size.isEmpty() || size.width() > kMaxDimension || size.height() > kMaxDimension) {
        return fail(QStringLiteral("'%1' has an unusable size %2x%3")
                        .arg(opt.input)
                        .arg(size.width())
                        .arg(size.height()));
    }

    // JPEG has no alpha: paint onto white so transparent areas do not turn black.
    QImage image(size, jpeg ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(jpeg ? QColor(Qt::white) : QColor(Qt::transparent));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    const char* format = jpeg ? "JPEG" : "PNG";
    const int quality = jpeg ? opt.quality : -1;
    if (!image.save(opt.output, format, quality)) {
        return fail(QStringLiteral("cannot write '%1'").arg(opt.output));
    }
    releaseSvgMessages();
    return 0;
}
