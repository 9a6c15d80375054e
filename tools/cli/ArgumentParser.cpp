#include "ArgumentParser.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

std::string Range(int lowest, int highest)
{
    return std::to_string(lowest) + " to " + std::to_string(highest);
}

} // namespace

std::string OptionValueError(const std::string& option, const std::string& value, const std::string& problem,
                             const std::string& allowed)
{
    return option + " \"" + value + "\": " + problem + " (allowed: " + allowed + ")";
}

bool IsWholeNumber(const std::string& text)
{
    const size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
    return text.size() > digits && text.find_first_not_of("0123456789", digits) == std::string::npos;
}

bool ParseWholeNumber(const std::string& text, long lowest, long highest, long& value)
{
    if (!IsWholeNumber(text))
        return false;
    errno = 0;
    const long parsed = std::strtol(text.c_str(), nullptr, 10);
    if (errno == ERANGE || parsed < lowest || parsed > highest)
        return false;
    value = parsed;
    return true;
}

ArgumentParser::ArgumentParser(std::string program, std::string synopsis)
    : program(std::move(program)), synopsis(std::move(synopsis))
{}

ArgumentParser::Option& ArgumentParser::Add(const std::string& name, const std::string& valueName,
                                            const std::string& help, Kind kind, void* target)
{
    options.push_back(Option{name, valueName, help, kind, target});
    return options.back();
}

void ArgumentParser::Flag(const std::string& name, const std::string& help, bool& target)
{
    Add(name, "", help, Kind::kFlag, &target);
}

void ArgumentParser::Text(const std::string& name, const std::string& valueName, const std::string& help,
                          std::string& target)
{
    Add(name, valueName, help, Kind::kText, &target);
}

void ArgumentParser::TextList(const std::string& name, const std::string& valueName, const std::string& help,
                              std::vector<std::string>& target)
{
    Add(name, valueName, help, Kind::kTextList, &target);
}

void ArgumentParser::Integer(const std::string& name, int lowest, int highest, const std::string& help, int& target)
{
    Option& option = Add(name, "N", help + " (" + Range(lowest, highest) + ", default " + std::to_string(target) + ")",
                         Kind::kInteger, &target);
    option.lowest = lowest;
    option.highest = highest;
}

void ArgumentParser::Positional(const std::string& valueName, const std::string& help, std::string& target)
{
    positionalName = valueName;
    positionalHelp = help;
    positional = &target;
}

ArgumentParser::Option* ArgumentParser::Find(const std::string& name)
{
    for (Option& option : options)
        if (option.name == name)
            return &option;
    return nullptr;
}

bool ArgumentParser::Given(const std::string& name) const
{
    for (const Option& option : options)
        if (option.name == name)
            return option.given;
    return false;
}

std::string ArgumentParser::OptionList() const
{
    std::string list;
    for (const Option& option : options)
        list += option.name + (option.valueName.empty() ? "" : " " + option.valueName) + ", ";
    return list + "--help";
}

ArgumentParser::Outcome ArgumentParser::Parse(int argc, const char* const* argv, std::string& error)
{
    bool positionalSeen = false;
    for (int i = 1; i < argc; ++i)
    {
        std::string argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return Outcome::kHelp;
        if (argument.size() < 2 || argument[0] != '-')
        {
            if (!positional || positionalSeen)
            {
                error = "unexpected argument \"" + argument +
                        "\" (allowed: " + (positional ? "one " + positionalName : std::string("options only")) + ")";
                return Outcome::kError;
            }
            *positional = argument;
            positionalSeen = true;
            continue;
        }
        // "--name=value" is "--name value".
        std::string inlineValue;
        bool hasInlineValue = false;
        if (const size_t equals = argument.find('='); equals != std::string::npos && argument.rfind("--", 0) == 0)
        {
            inlineValue = argument.substr(equals + 1);
            argument.resize(equals);
            hasInlineValue = true;
        }
        Option* option = Find(argument);
        if (!option)
        {
            error = "unknown option \"" + argument + "\" (allowed: " + OptionList() + ")";
            return Outcome::kError;
        }
        option->given = true;
        if (option->kind == Kind::kFlag)
        {
            if (hasInlineValue)
            {
                error = OptionValueError(argument, inlineValue, "takes no value", "the option alone");
                return Outcome::kError;
            }
            *static_cast<bool*>(option->target) = true;
            continue;
        }
        if (!hasInlineValue && i + 1 >= argc)
        {
            error = argument + " needs a value (allowed: " +
                    (option->kind == Kind::kInteger ? Range(option->lowest, option->highest) : option->valueName) + ")";
            return Outcome::kError;
        }
        const std::string value = hasInlineValue ? inlineValue : argv[++i];
        switch (option->kind)
        {
        case Kind::kText:
            *static_cast<std::string*>(option->target) = value;
            break;
        case Kind::kTextList:
            static_cast<std::vector<std::string>*>(option->target)->push_back(value);
            break;
        case Kind::kInteger:
        {
            long number = 0;
            if (!ParseWholeNumber(value, option->lowest, option->highest, number))
            {
                error = OptionValueError(argument, value, IsWholeNumber(value) ? "out of range" : "not a whole number",
                                         Range(option->lowest, option->highest));
                return Outcome::kError;
            }
            *static_cast<int*>(option->target) = static_cast<int>(number);
            break;
        }
        case Kind::kFlag:
            break;
        }
    }
    return Outcome::kRun;
}

std::optional<int> ArgumentParser::ParseOrExit(int argc, const char* const* argv)
{
    std::string error;
    switch (Parse(argc, argv, error))
    {
    case Outcome::kRun:
        return std::nullopt;
    case Outcome::kHelp:
        std::fputs(Usage().c_str(), stdout);
        return 0;
    case Outcome::kError:
        break;
    }
    std::fprintf(stderr, "%s: %s\n", program.c_str(), error.c_str());
    return 2;
}

std::string ArgumentParser::Usage() const
{
    std::string usage =
        "usage: " + program + (positional ? " [" + positionalName + "]" : "") + " [options]\n" + synopsis + "\n";
    auto row = [&usage](const std::string& left, const std::string& help) {
        std::string line = "  " + left;
        line.resize(line.size() < 26 ? 26 : line.size() + 2, ' ');
        usage += line + help + "\n";
    };
    if (positional)
        row(positionalName, positionalHelp);
    for (const Option& option : options)
        row(option.name + (option.valueName.empty() ? "" : " " + option.valueName), option.help);
    row("--help", "print this and exit");
    return usage;
}
