#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "doctor.h"
#include "duoband/cli.h"
#include "duoband/exchange.h"
#include "duoband/message_pump.h"
#include "duoband/port_discovery.h"
#include "duoband/serial_port.h"
#include "duoband/settings_file.h"
#include "duoband/version.h"

namespace duoband::cli {
namespace {

struct Args {
    std::map<std::string, std::string, std::less<>> options;
    std::string file;  // the positional FILE of `show`
    const std::string& operator[](std::string_view name) const {
        return options.find(name)->second;
    }
    bool has(std::string_view name) const { return options.contains(name); }
};

void fail(Io& io, std::string_view message) {
    io.err << "duoband-cli: " << message << '\n';
}

// --- the radio ------------------------------------------------------------

std::string timeStamp() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&t, &local);
    std::ostringstream out;
    out << std::put_time(&local, "%Y-%m-%d %H:%M:%S") << '.' << std::setw(3) << std::setfill('0')
        << ms;
    return out.str();
}

// An open port with an exchange on it, and the trace file when asked for.
class RadioSession {
  public:
    RadioSession() = default;
    RadioSession(const RadioSession&) = delete;
    RadioSession& operator=(const RadioSession&) = delete;

    bool open(const Args& args, Io& io) {
        if (args.has("--trace") && !openTrace(args["--trace"], io)) return false;
        const std::string& device = args["--port"];
        configureForRadio(port_);
        port_.setPath(device);
        try {
            port_.open();
        } catch (const SerialPortError& e) {
            fail(io,
                 "cannot open " + device + ": " +
                     (port_.lastOpenError() != 0 ? explainOpenError(port_.lastOpenError(), device)
                                                 : std::string(e.what())));
            return false;
        }
        exchange_ = std::make_unique<ProgrammingExchange>(port_, pump_);
        if (trace_.is_open())
            exchange_->onTrace = [this](TraceDirection d, auto bytes) {
                trace_ << timeStamp() << (d == TraceDirection::Sent ? " TX " : " RX ")
                       << toHex(bytes) << std::endl;
            };
        return true;
    }
    ProgrammingExchange& exchange() { return *exchange_; }

  private:
    bool openTrace(const std::string& path, Io& io) {
        trace_.open(path, std::ios::trunc);
        if (!trace_) fail(io, "cannot write the trace file " + path);
        return static_cast<bool>(trace_);
    }

    std::ofstream trace_;
    SerialPort port_;
    HeadlessPump pump_{port_};
    std::unique_ptr<ProgrammingExchange> exchange_;  // goes before the port it uses
};

ProgrammingExchange::Progress progressBar(Io& io) {
    if (!io.progressBar) return {};
    return [&io](int done) {
        constexpr int kWidth = 40;
        const int filled = done * kWidth / kTransferSteps;
        io.err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
               << std::string(static_cast<std::size_t>(kWidth - filled), ' ') << "] " << done << '/'
               << kTransferSteps << std::flush;
    };
}

void endProgressBar(Io& io) {
    if (io.progressBar) io.err << '\n';
}

int report(const ExchangeResult& result, Io& io) {
    switch (result.outcome) {
        case ExchangeOutcome::Success:
            io.out << result.message << '\n';
            return kOk;
        case ExchangeOutcome::RadioFailed:
            io.out << result.message << '\n';
            return kRadioFailed;
        default:
            fail(io, result.message);
            return kUsageError;
    }
}

// --- settings files ------------------------------------------------------

std::optional<EditorModel> load(const std::string& path, Io& io) {
    EditorModel model;
    const SettingsFileResult r = openSettingsFile(path, model);
    if (!r.ok()) return fail(io, path + ": " + r.error), std::nullopt;
    return model;
}

int save(const EditorModel& model, const std::string& path, Io& io) {
    const SettingsFileResult r = saveSettingsFile(model, path);
    if (!r.ok()) return fail(io, path + ": " + r.error), kUsageError;
    if (r.path != std::filesystem::path(path)) io.err << "saved as " << r.path.string() << '\n';
    return kOk;
}

// --- commands -------------------------------------------------------------

int portsCommand(const Args& args, Io& io) {
    if (args.has("--verbose")) return describePorts(io);
    const auto ports = listSerialPorts();
    for (const auto& p : ports) io.out << p << '\n';
    if (ports.empty()) io.err << "No port!\n";
    return kOk;
}

int readCommand(const Args& args, Io& io) {
    RadioSession radio;
    if (!radio.open(args, io)) return kUsageError;
    EditorModel model;  // as in a freshly started editor
    const ExchangeResult r = radio.exchange().fullRead(model, progressBar(io));
    endProgressBar(io);
    const int status = report(r, io);
    return status == kOk ? save(model, args["--out"], io) : status;
}

int writeCommand(const Args& args, Io& io) {
    const auto model = load(args["--in"], io);
    RadioSession radio;
    if (!model || !radio.open(args, io)) return kUsageError;
    const ExchangeResult r = radio.exchange().fullWrite(*model, progressBar(io));
    endProgressBar(io);
    return report(r, io);
}

int readPartialCommand(PartialBlock block, const Args& args, Io& io) {
    auto model = load(args["--in"], io);
    RadioSession radio;
    if (!model || !radio.open(args, io)) return kUsageError;
    const int status = report(radio.exchange().readPartial(block, *model), io);
    return status == kOk ? save(*model, args["--out"], io) : status;
}

int writePartialCommand(PartialBlock block, const Args& args, Io& io) {
    const auto model = load(args["--in"], io);
    RadioSession radio;
    if (!model || !radio.open(args, io)) return kUsageError;
    return report(radio.exchange().writePartial(block, *model), io);
}

int showCommand(const Args& args, Io& io) {
    const auto model = load(args.file, io);
    if (!model) return kUsageError;
    io.out << settingsSummary(*model);
    return kOk;
}

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    std::vector<std::string_view> required;
    std::vector<std::string_view> optional;
    bool takesFile;
    int (*run)(const Args&, Io&);
    std::vector<std::string_view> flags = {};  // options without a value
    bool fileOptional = false;
};

const std::vector<Command>& commands() {
    static const std::vector<Command> table{
        {"ports",
         "ports [--verbose]",
         "Lists the serial ports, one per line; --verbose adds what the port doctor sees of\n"
         "each (without opening any).",
         {},
         {},
         false,
         portsCommand,
         {"--verbose"}},
        {"doctor",
         "doctor [PORT]",
         "Says of each serial port (or of PORT alone, which it opens once) its stable name,\n"
         "driver and USB device, whether you may open it, and if not why and the command\n"
         "that fixes it. Exit status: 0 nothing is in the way, 1 a problem was found.",
         {},
         {},
         true,
         [](const Args& a, Io& io) { return doctor(a.file, io); },
         {},
         true},
        {"read",
         "read --port DEV --out FILE [--trace FILE]",
         "Reads the whole radio and saves it as a settings file. Nothing is written when the\n"
         "read fails.",
         {"--port", "--out"},
         {"--trace"},
         false,
         readCommand},
        {"write",
         "write --port DEV --in FILE [--trace FILE]",
         "Writes a settings file to the radio.",
         {"--port", "--in"},
         {"--trace"},
         false,
         writeCommand},
        {"read-boot",
         "read-boot --port DEV --in FILE --out FILE [--trace FILE]",
         "Reads the boot message into the settings file FILE (--in) and saves the result\n"
         "(--out).",
         {"--port", "--in", "--out"},
         {"--trace"},
         false,
         [](const Args& a, Io& io) {
             return readPartialCommand(PartialBlock::BootMessage, a, io);
         }},
        {"read-limits",
         "read-limits --port DEV --in FILE --out FILE [--trace FILE]",
         "Reads the band limits and limit mode into the settings file FILE (--in) and saves\n"
         "the result (--out).",
         {"--port", "--in", "--out"},
         {"--trace"},
         false,
         [](const Args& a, Io& io) { return readPartialCommand(PartialBlock::Limits, a, io); }},
        {"write-boot",
         "write-boot --port DEV --in FILE [--trace FILE]",
         "Writes the boot message of a settings file to the radio.",
         {"--port", "--in"},
         {"--trace"},
         false,
         [](const Args& a, Io& io) {
             return writePartialCommand(PartialBlock::BootMessage, a, io);
         }},
        {"write-limits",
         "write-limits --port DEV --in FILE [--trace FILE]",
         "Writes the band limits and limit mode of a settings file to the radio.",
         {"--port", "--in"},
         {"--trace"},
         false,
         [](const Args& a, Io& io) { return writePartialCommand(PartialBlock::Limits, a, io); }},
        {"show",
         "show FILE",
         "Prints a settings file: the programmed channels of both bands, then every page.",
         {},
         {},
         true,
         showCommand},
    };
    return table;
}

void toolHelp(std::ostream& out) {
    out << "usage: duoband-cli COMMAND [options]\n"
           "Reads, writes and inspects radios and settings files (.bc).\n\nCommands:\n";
    for (const auto& c : commands()) out << "  " << c.usage << '\n';
    out << "\n--trace FILE records every byte sent and received, in hex, with a time stamp.\n"
           "Exit status: 0 success, 1 the exchange with the radio failed, 2 a usage, file or\n"
           "port error.\n"
           "Run \"duoband-cli COMMAND --help\" for a command's description, and\n"
           "\"duoband-cli --version\" for the version.\n";
}

void commandHelp(const Command& c, std::ostream& out) {
    out << "usage: duoband-cli " << c.usage << '\n' << c.summary << '\n';
}

int usageError(const Command& c, std::string_view problem, Io& io) {
    fail(io, std::string(c.name) + ": " + std::string(problem));
    io.err << "usage: duoband-cli " << c.usage << '\n';
    return kUsageError;
}

int runCommand(const Command& c, std::span<const std::string_view> args, Io& io) {
    Args parsed;
    const auto allowed = [&](std::string_view o) {
        return std::ranges::find(c.required, o) != c.required.end() ||
               std::ranges::find(c.optional, o) != c.optional.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        if (a == "--help") return commandHelp(c, io.out), kOk;
        if (std::ranges::find(c.flags, a) != c.flags.end()) {
            parsed.options[std::string(a)] = "";
            continue;
        }
        if (a.starts_with("--")) {
            if (!allowed(a)) return usageError(c, "unknown option " + std::string(a), io);
            if (i + 1 == args.size() || args[i + 1].empty())
                return usageError(c, std::string(a) + " needs a value", io);
            parsed.options[std::string(a)] = args[++i];
        } else if (c.takesFile && parsed.file.empty()) {
            parsed.file = a;
        } else {
            return usageError(c, "unexpected argument " + std::string(a), io);
        }
    }
    for (const auto& r : c.required)
        if (!parsed.has(r)) return usageError(c, "missing " + std::string(r), io);
    if (c.takesFile && !c.fileOptional && parsed.file.empty())
        return usageError(c, "missing FILE", io);
    return c.run(parsed, io);
}

}  // namespace

int run(std::span<const std::string_view> args, Io& io) {
    if (args.empty()) return toolHelp(io.err), kUsageError;
    if (args[0] == "--help" || args[0] == "help") return toolHelp(io.out), kOk;
    if (args[0] == "--version") return io.out << versionLine("duoband-cli") << '\n', kOk;
    const auto c = std::ranges::find(commands(), args[0], &Command::name);
    if (c == commands().end()) {
        fail(io, "unknown command " + std::string(args[0]));
        return toolHelp(io.err), kUsageError;
    }
    return runCommand(*c, args.subspan(1), io);
}

}  // namespace duoband::cli
