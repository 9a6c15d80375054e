#pragma once

#include <cstddef>
#include <string>

// The largest XML text and the deepest element nesting the framework parses. Its own trees are four
// levels deep and its largest files a few hundred kilobytes; the XML reader descends once per
// level on the stack, so a deeper text is refused before it is parsed, not after it overflowed.
constexpr size_t kMaxXmlBytes = 4u << 20;
constexpr int kMaxXmlDepth = 32;

// Whether the text is at most kMaxXmlBytes long and no element in it lies deeper than
// kMaxXmlDepth. A linear scan without recursion: comments, processing instructions, CDATA and
// declarations are skipped, quoted attribute values do not end a tag, and a text it cannot read
// counts as deep rather than shallow.
bool IsXmlWithinLimits(const std::string& text);
