#pragma once

#include <string>

// Whether the text is one well-formed XML document, as a conforming XML parser reads it: one root
// element, every element closed by its own name, attributes and references as XML allows them,
// UTF-8 throughout whatever the declaration names. A document type declaration is refused: none
// of the framework's texts has one, and the entities it may declare would make the checked text
// a different document from the one the property tree's reader, which ignores them, builds.
// Any thread; never throws. Callers check the XML limits (KROXmlLimits.h) first.
bool IsWellFormedXml(const std::string& text);
