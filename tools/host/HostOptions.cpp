#include "HostOptions.h"

#include "tools/cli/ArgumentParser.h"

void DeclareHostOptions(ArgumentParser& parser, HostOptions& options)
{
    parser.Positional("FILE", "a sound file to play (default: the built-in demo signal)", options.input);
    parser.Text("--bundle", "PATH", "the plug-in bundle to load (default: " + options.bundle + ")", options.bundle);
    parser.TextList("--param", "\"Name=Value\"",
                    "set a parameter by its name and value text, e.g. \"Select Instrument=Bass\"", options.parameters);
    parser.Integer("--block", 1, 1 << 20, "frames per processing block", options.blockSize);
    parser.Integer("--every", 1, 1 << 20, "print a reading every N analysis frames of 42.7 ms", options.every);
    parser.Text("--out", "OUT.wav", "write the passed-through audio", options.output);
    parser.Text("--state", "FILE", "write the plug-in's state after the run", options.saveState);
    parser.Text("--load-state", "FILE", "restore a state written by --state before the run", options.loadState);
    parser.Flag("--raw", "print machine-readable columns instead of readings", options.raw);
    parser.Flag("--editor", "open the plug-in's editor and play in real time", options.editor);
}

bool SplitParameterSetting(const std::string& setting, std::string& name, std::string& value, std::string& error)
{
    const size_t equals = setting.find('=');
    if (equals == std::string::npos || equals == 0)
    {
        error =
            OptionValueError("--param", setting, "not a setting", "\"Name=Value\", e.g. \"Select Instrument=Bass\"");
        return false;
    }
    name = setting.substr(0, equals);
    value = setting.substr(equals + 1);
    return true;
}
