#include "sim/simoptions.h"

namespace modemsim {

namespace {

bool parseCount(const QString &text, int *value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 0)
        return false;
    *value = number;
    return true;
}

} // namespace

QString simUsage()
{
    return QStringLiteral(
        "Usage: kvx-modemsim [options]\n"
        "Simulates a KV5 or KV6 - KV7 radio modem on a pseudo-terminal and prints\n"
        "the path of its serial side on the first line of standard output.\n"
        "\n"
        "  --product kv5|kv6     product (default kv6); kv5 answers at 9600 baud,\n"
        "                        kv6 at 115200 baud and also to link control frames\n"
        "  --module NAME         tarn, brae-loch, skerry or half-fjord (default tarn)\n"
        "  --link PATH           make a symlink PATH to the serial side\n"
        "  --appear-after MS     make the --link symlink only MS milliseconds after\n"
        "                        the start (an adapter plugged in late)\n"
        "  --once                end when the serial side, once opened, has stayed\n"
        "                        closed for 2 s\n"
        "  --echo                echo every received line before its answer\n"
        "  --silent-after-store  answer nothing once AT&W has been received\n"
        "  --chunk N             send answers in pieces of N bytes\n"
        "  --gap MS              wait MS milliseconds between pieces\n"
        "  --log FILE            log each received chunk: \"<ms> <hex>\" per line\n"
        "  --state FILE          start from the registers in FILE; AT&W writes them\n"
        "  --reg NNN=V           start with register SNNN at V (repeatable)\n"
        "  --stuck NNN=V         register SNNN holds V whatever is written; the\n"
        "                        commands still answer OK (repeatable)\n"
        "  --error-on CMD        answer ERROR to every line starting with CMD,\n"
        "                        e.g. ATS103=8 or ATS103 (repeatable)\n"
        "  --help                show this text\n");
}

bool parseSimOptions(const QStringList &arguments, SimOptions *options, QString *error)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &option = arguments.at(i);
        auto needValue = [&](QString *value) {
            if (i + 1 >= arguments.size()) {
                *error = option + " needs a value";
                return false;
            }
            *value = arguments.at(++i);
            return true;
        };
        QString value;
        if (option == "--help" || option == "-h") {
            options->help = true;
        } else if (option == "--once") {
            options->once = true;
        } else if (option == "--echo") {
            options->echo = true;
        } else if (option == "--silent-after-store") {
            options->silentAfterStore = true;
        } else if (option == "--product") {
            if (!needValue(&value))
                return false;
            if (!parseProduct(value, &options->product)) {
                *error = "unknown product: " + value;
                return false;
            }
        } else if (option == "--module") {
            if (!needValue(&value))
                return false;
            if (!parseModule(value, &options->module)) {
                *error = "unknown module: " + value;
                return false;
            }
        } else if (option == "--link") {
            if (!needValue(&options->linkPath))
                return false;
        } else if (option == "--log") {
            if (!needValue(&options->logPath))
                return false;
        } else if (option == "--state") {
            if (!needValue(&options->statePath))
                return false;
        } else if (option == "--chunk" || option == "--gap" || option == "--appear-after") {
            if (!needValue(&value))
                return false;
            int *count = option == "--chunk" ? &options->chunkBytes
                         : option == "--gap" ? &options->gapMs
                                             : &options->appearAfterMs;
            if (!parseCount(value, count)) {
                *error = option + " needs a number of 0 or more: " + value;
                return false;
            }
        } else if (option == "--reg" || option == "--stuck") {
            if (!needValue(&value))
                return false;
            const QString assignment = value.startsWith('S', Qt::CaseInsensitive) ? value.mid(1) : value;
            const Registers parsed = parseRegisters("S" + assignment.toLatin1());
            if (parsed.size() != 1 || !ModemModel::isRegister(parsed.firstKey())) {
                *error = option + " needs NNN=V for a known register: " + value;
                return false;
            }
            (option == "--reg" ? options->initial : options->stuck).insert(parsed.firstKey(), parsed.first());
        } else if (option == "--error-on") {
            if (!needValue(&value))
                return false;
            if (!value.startsWith("AT", Qt::CaseInsensitive)) {
                *error = "--error-on needs an AT command: " + value;
                return false;
            }
            options->refused.append(value.toLatin1());
        } else {
            *error = "unknown option: " + option;
            return false;
        }
    }
    return true;
}

} // namespace modemsim
