#pragma once

// The library's exceptions. They never leave the library: the entry points catch them.

#include "aaxsdk/AAX_Results.h"

#include <string>

namespace AAX {
namespace Exception {

class Any
{
public:
    Any(std::string description, std::string function = std::string(), std::string line = std::string());
    virtual ~Any() = default;

    Any(const Any&) = default;
    Any(Any&&) = default;
    Any& operator=(const Any&) = default;
    Any& operator=(Any&&) = default;

    const std::string& Description() const { return description; }
    const std::string& Function() const { return function; }
    const std::string& Line() const { return line; }
    // The description, then " func:" and the function and " line:" and the line where they are given.
    const std::string& What() const { return message; }

private:
    std::string description;
    std::string function;
    std::string line;
    std::string message;
};

// A failing result code; its text is the code's name and number.
class ResultError : public Any
{
public:
    explicit ResultError(AAX_Result result);

    AAX_Result Result() const { return result; }

private:
    AAX_Result result;
};

} // namespace Exception
} // namespace AAX
