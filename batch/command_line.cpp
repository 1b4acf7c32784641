#include "batch/command_line.hpp"

#include "batch/columns.hpp"
#include "batch/csv.hpp"
#include "batch/pipeline.hpp"
#include "calc/number_text.hpp"
#include "calc/settings_limits.hpp"
#include "calc/wire_table.hpp"

#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>

namespace coilwind::batch {
namespace {

constexpr std::string_view kProgram = "coilwind-batch";

std::string seriesKeys() {
    std::string keys;
    for (const WireSeries series : kWireSeries) {
        keys += (keys.empty() ? "" : ", ") + std::string(seriesKey(series));
    }
    return keys;
}

struct DelimiterName {
    std::string_view name;
    char delimiter;
};

// A semicolon or a tab needs quoting in a shell; their names do not.
constexpr std::array<DelimiterName, 6> kDelimiterNames{{
    {",", ','},
    {"comma", ','},
    {";", ';'},
    {"semicolon", ';'},
    {"\t", '\t'},
    {"tab", '\t'},
}};

char delimiterOf(std::string_view text) {
    const auto* found =
        std::find_if(kDelimiterNames.begin(), kDelimiterNames.end(),
                     [&](const DelimiterName& entry) { return text == entry.name; });
    if (found == kDelimiterNames.end()) {
        throw UsageError("--delimiter needs \",\", \";\", comma, semicolon or tab, not \"" +
                         std::string(text) + "\"");
    }
    return found->delimiter;
}

double settingOf(std::string_view option, std::string_view text, const SettingLimit& limit) {
    const auto value = readPlainNumber(text);
    if (!value || !limit.admits(*value)) {
        throw UsageError(std::string(option) + " needs " + std::string(limit.name) + " " +
                         rangeText(limit) + ", not \"" + std::string(text) + "\"");
    }
    return *value;
}

// One option's line of the usage text: "  --ambient C      ambient temperature (default 25)".
std::string withDefault(std::string_view line, double value) {
    return std::string(line) + " (default " + shortestText(value) + ")\n";
}

} // namespace

Options parseOptions(std::span<const std::string_view> args) {
    Options options;
    bool optionsEnded = false;
    bool inputNamed = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            if (inputNamed) {
                throw UsageError("one input at the most, not \"" + options.input + "\" and \"" +
                                 std::string(arg) + "\"");
            }
            options.input = arg;
            inputNamed = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        // "--name=value" or "--name value"
        const bool attached = equals != std::string_view::npos;
        if (name == "--help" || name == "--version") {
            if (attached) {
                throw UsageError(std::string(name) + " takes no value");
            }
            (name == "--help" ? options.help : options.version) = true;
            continue;
        }
        const auto value = [&]() -> std::string_view {
            if (attached) {
                return arg.substr(equals + 1);
            }
            if (i + 1 == args.size()) {
                throw UsageError(std::string(name) + " needs a value");
            }
            return args[++i];
        };
        DetailsSettings& settings = options.batch.details;
        if (name == "--series") {
            const std::string_view key = value();
            const auto series = seriesFromKey(key);
            if (!series) {
                throw UsageError("--series needs one of " + seriesKeys() + ", not \"" +
                                 std::string(key) + "\"");
            }
            settings.series = *series;
        } else if (name == "--delimiter") {
            options.batch.delimiter = delimiterOf(value());
        } else if (name == "--temperature") {
            settings.temperatureC = settingOf(name, value(), kTemperatureLimit);
        } else if (name == "--bs") {
            settings.saturationFluxMt = settingOf(name, value(), kSaturationFluxLimit);
        } else if (name == "--tolerance") {
            settings.alTolerancePercent = settingOf(name, value(), kAlToleranceLimit);
        } else if (name == "--current") {
            settings.current.dcCurrentA = settingOf(name, value(), kDcCurrentLimit);
        } else if (name == "--ripple") {
            settings.current.rippleCurrentA = settingOf(name, value(), kRippleCurrentLimit);
        } else if (name == "--frequency") {
            settings.current.frequencyKhz = settingOf(name, value(), kFrequencyLimit);
        } else if (name == "--ambient") {
            settings.current.ambientC = settingOf(name, value(), kAmbientLimit);
        } else if (name == "--enamel-class") {
            settings.current.enamelClassC = settingOf(name, value(), kEnamelClassLimit);
        } else {
            throw UsageError("unknown option \"" + std::string(arg) + "\"");
        }
    }
    return options;
}

std::string usageText() {
    const DetailsSettings defaults;
    return "usage: coilwind-batch [options] [FILE|-]\n"
           "Runs each design of a CSV table (FILE, or standard input) through the calculator\n"
           "and writes the table with the results and the winding details to standard output.\n"
           "Columns, any order and case: model, core, A, B, D, F, mu, L, optional AL.\n"
           "core: KQ CORE or drum, R CORE or rod. A cell the calculation reads holds one number.\n"
           "  --delimiter D    , ; or tab (also comma, semicolon); default: found from the "
           "header.\n"
           "                   With ; numbers may have a decimal comma and results get one.\n"
           "  --series S       wire series: " +
           seriesKeys() + " (default " + std::string(seriesKey(defaults.series)) +
           ")\n"
           "  --temperature C  winding temperature for the hot resistance (default " +
           shortestText(defaults.temperatureC) +
           ")\n"
           "  --bs MT          saturation flux density of the core in mT (default " +
           shortestText(defaults.saturationFluxMt) +
           ")\n"
           "  --tolerance PCT  AL tolerance in percent (default " +
           shortestText(defaults.alTolerancePercent) +
           ")\n"
           "  --current A      DC current: adds losses, heat balance and rated current\n"
           "                   (default none; the options below only count with it)\n" +
           withDefault("  --ripple A       ripple current peak to peak, a triangle",
                       defaults.current.rippleCurrentA) +
           withDefault("  --frequency KHZ  switching frequency in kHz", defaults.current.frequencyKhz) +
           withDefault("  --ambient C      ambient temperature", defaults.current.ambientC) +
           withDefault("  --enamel-class C thermal class of the enamel, IEC 60085",
                       defaults.current.enamelClassC) +
           "  --help           this text\n"
           "  --version        the version\n"
           "Exit status: 0 every row computed, 1 some row has an error, 2 usage or I/O error.\n";
}

int runCommandLine(std::span<const std::string_view> args, std::istream& standardInput,
                   std::ostream& out, std::ostream& err) {
    Options options;
    try {
        options = parseOptions(args);
    } catch (const UsageError& error) {
        err << kProgram << ": " << error.what() << '\n' << usageText();
        return kUsageOrInputOutputError;
    }
    if (options.help) {
        out << usageText();
        return kEveryRowComputed;
    }
    if (options.version) {
        out << kProgram << ' ' << COILWIND_VERSION << '\n';
        return kEveryRowComputed;
    }

    std::istream* in = &standardInput;
    std::string inputName = "standard input";
    std::ifstream file;
    if (options.input != "-") {
        inputName = options.input;
        // The name is UTF-8 on every system; from a plain string, Windows would read it in its
        // ANSI code page.
        const std::u8string utf8Name(options.input.begin(), options.input.end());
        const std::filesystem::path path(utf8Name);
        std::error_code statusError;
        const auto status = std::filesystem::status(path, statusError);
        std::string problem;
        if (statusError) {
            problem = statusError.message();
        } else if (std::filesystem::is_directory(status)) {
            problem = "a directory, not a file";
        } else {
            errno = 0;
            file.open(path, std::ios::binary);
            if (!file.is_open()) {
                problem = systemReason().message();
            }
        }
        if (!problem.empty()) {
            err << kProgram << ": " << inputName << ": " << problem << '\n';
            return kUsageOrInputOutputError;
        }
        in = &file;
    }

    int status = kEveryRowComputed;
    try {
        status = runBatch(*in, out, options.batch);
    } catch (const InputError& error) {
        err << kProgram << ": " << inputName << ": " << error.what() << '\n';
        return kUsageOrInputOutputError;
    } catch (const ReadError& error) {
        err << kProgram << ": " << inputName << ": " << error.what()
            << "; the rows before it are written\n";
        return kUsageOrInputOutputError;
    } catch (const WriteError& error) {
        err << kProgram << ": " << error.what() << '\n';
        return kUsageOrInputOutputError;
    }
    return status;
}

} // namespace coilwind::batch
