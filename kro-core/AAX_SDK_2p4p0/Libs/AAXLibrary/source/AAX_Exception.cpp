#include "AAX_Exception.h"

#include "AAX_ResultText.h"

#include <utility>

namespace AAX {
namespace Exception {

namespace {

std::string ComposeMessage(const std::string& description, const std::string& function, const std::string& line)
{
    std::string message = description;
    if (!function.empty())
        message += " func:" + function;
    if (!line.empty())
        message += " line:" + line;
    return message;
}

} // namespace

Any::Any(std::string description, std::string function, std::string line)
    : description(std::move(description)), function(std::move(function)), line(std::move(line)),
      message(ComposeMessage(this->description, this->function, this->line))
{}

ResultError::ResultError(AAX_Result result) : Any(AAX_ResultText(result)), result(result) {}

} // namespace Exception
} // namespace AAX
