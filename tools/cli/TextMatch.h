#pragma once

#include <string>
#include <vector>

// Finding a name the user typed among the names a program knows, regardless of case.

// The index of the choice equal to text without regard to (ASCII) case; -1 when none is.
int FindIgnoringCase(const std::vector<std::string>& choices, const std::string& text);

// The choices as "A, B, C", for a message that lists what is allowed.
std::string JoinChoices(const std::vector<std::string>& choices);
