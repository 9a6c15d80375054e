#pragma once

#include <optional>
#include <string>
#include <vector>

// The strict command line every tool shares: each option is declared with what it accepts, and
// anything else is refused with one line naming the option, the value and what is allowed.
// "--help" is always understood. Main thread only.
class ArgumentParser
{
public:
    // synopsis: one line on what the program does, printed under the usage line.
    ArgumentParser(std::string program, std::string synopsis);

    void Flag(const std::string& name, const std::string& help, bool& target);
    void Text(const std::string& name, const std::string& valueName, const std::string& help, std::string& target);
    // May be given many times; each value is appended.
    void TextList(const std::string& name, const std::string& valueName, const std::string& help,
                  std::vector<std::string>& target);
    // A whole number from lowest to highest.
    void Integer(const std::string& name, int lowest, int highest, const std::string& help, int& target);
    // The one optional argument that is no option.
    void Positional(const std::string& valueName, const std::string& help, std::string& target);

    enum class Outcome
    {
        kRun,
        kHelp,
        kError
    };
    // Fills the targets from argv[1..]; kError with a one-line message.
    Outcome Parse(int argc, const char* const* argv, std::string& error);

    // Parse for a main(): nothing to go on with; or the exit code after printing the usage (0) or
    // the error (2).
    std::optional<int> ParseOrExit(int argc, const char* const* argv);

    // Whether the command line named the option (after Parse).
    bool Given(const std::string& name) const;

    std::string Usage() const;
    const std::string& Program() const { return program; }

private:
    enum class Kind
    {
        kFlag,
        kText,
        kTextList,
        kInteger
    };
    struct Option
    {
        std::string name;
        std::string valueName;
        std::string help;
        Kind kind;
        void* target;
        int lowest = 0;
        int highest = 0;
        bool given = false;
    };

    Option& Add(const std::string& name, const std::string& valueName, const std::string& help, Kind kind,
                void* target);
    Option* Find(const std::string& name);
    std::string OptionList() const;

    std::string program;
    std::string synopsis;
    std::vector<Option> options;
    std::string positionalName;
    std::string positionalHelp;
    std::string* positional = nullptr;
};

// The one-line refusal of a value: --drop "9": out of range (allowed: 0 to 5).
std::string OptionValueError(const std::string& option, const std::string& value, const std::string& problem,
                             const std::string& allowed);

// Whether the text is a whole number: an optional sign and decimal digits, nothing else.
bool IsWholeNumber(const std::string& text);

// The whole number the text is, when it lies within lowest..highest.
bool ParseWholeNumber(const std::string& text, long lowest, long highest, long& value);
