// VYXDocxParts.h: the WordprocessingML parts outside the bodies, through the generated schema classes.
//
// Settings, font table, web settings, styles and numbering are parsed into
// and written from the classes of formats/schema/NyqDocx*.h, which keep every
// element they do not know, so a part read there and written back loses
// nothing. (Styles and numbering are mapped to the model by the reader and
// writer, which own the property mappings; the bridge is declared below.) The document, header, footer and note bodies do not go
// through the classes (see VYXReadDOCX.h for why).
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TVYXLogDocEditor;
class TNyqPErrors;
class TNYQBase;
class TDocxPartDoc;

// Parses a part into `part` (nothing for an empty part) and copies its
// diagnostics, with their rows, to `errors`; a part that is not well-formed
// raises VYXException.
void VYXDocxLoadPart(TDocxPartDoc& part, std::string_view xml, TNyqPErrors& errors);

// The bridge between the classes and the property mappings, which are written
// once over XML for the bodies' flat reader: an element held by the classes as
// XML text named `name`, and XML text of one element read into `target`, the
// class of that element (its attributes and children; diagnostics to `errors`).
std::string VYXDocxElementText(const TNYQBase& element, std::string_view name);
void VYXDocxLoadElement(std::string_view xml, TNYQBase& target, TNyqPErrors& errors);

// Applies "w:settings" to the document: default tab stop, revision tracking,
// document protection, even and odd headers. Diagnostics (unknown elements
// and attributes with their row) go to `errors`; a part that is not
// well-formed raises VYXException.
void VYXDocxReadSettings(std::string_view xml, TVYXLogDocEditor& doc, TNyqPErrors& errors);

// The settings part of `doc`, elements in schema order.
std::string VYXDocxWriteSettings(TVYXLogDocEditor& doc);

// The font names of a font table, in part order.
std::vector<std::u16string> VYXDocxReadFontTable(std::string_view xml, TNyqPErrors& errors);

// A font table naming `fonts` (first-seen order, duplicates dropped).
std::string VYXDocxWriteFontTable(const std::vector<std::u16string>& fonts);

// The web settings every written package carries (nothing but the defaults).
std::string VYXDocxWriteWebSettings();
