// VYXDefaultStyles.h: the built-in style sheet every new document starts with.
#pragma once

#include <string_view>

class TVYXStyles;

// The WordprocessingML styles part the sheet is defined by. Once the DOCX style
// reader exists, new documents read this text; until then VYXBuildDefaultStyles
// builds the same sheet in code, and a test holds both to the same table.
extern const std::string_view cVYXDefaultStylesXml;

// Clears the sheet and fills it with the built-in styles.
void VYXBuildDefaultStyles(TVYXStyles& styles);
