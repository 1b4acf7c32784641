#include "language.hpp"

#include "view/front_texts.hpp"
#include "calc/text.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace coilwind::ui {
namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// view/ reads its texts through Qt's lookup, so the desktop has one catalogue: the installed
// translator, or the source text where none is installed.
std::string qtCatalogue(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

QStringList languageCodes() {
    QStringList codes;
    for (const Language& language : languages()) {
        codes << qstring(language.code);
    }
    return codes;
}

} // namespace

std::optional<QString> languageFromArguments(const QStringList& arguments, QString& error) {
    const QStringList codes = languageCodes();
    QCommandLineParser parser;
    const QString list = codes.join(QStringLiteral(", "));
    const QCommandLineOption lang(QStringLiteral("lang"), frontQText("lang-option").arg(list),
                                  frontQText("lang-value"), codes.first());
    parser.addOption(lang);
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    const QString code = parser.value(lang);
    if (!codes.contains(code)) {
        error = frontQText("unknown-language").arg(code, list);
        return std::nullopt;
    }
    return code;
}

bool useLanguage(const QString& code) {
    const QStringList codes = languageCodes();
    if (!codes.contains(code)) {
        return false;
    }
    std::unique_ptr<QTranslator> translator;
    if (code != codes.first()) {
        translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/coilwind_%1.qm").arg(code))) {
            return false;
        }
    }
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
    }
    installed() = std::move(translator);
    if (installed()) {
        QCoreApplication::installTranslator(installed().get());
    }
    useCatalogue(qtCatalogue);
    return true;
}

QString frontQText(std::string_view key) {
    return QString::fromStdString(frontText(key));
}

QString frontQToolTip(std::string_view key) {
    return QString::fromStdString(frontToolTip(key));
}

} // namespace coilwind::ui
