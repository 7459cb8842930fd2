#pragma once

#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// Writes the estimate as "Export.xml" in the import layout of the QuoteWerks quoting program,
// element by element around the head that "Header.inc" holds.  The file is written whole at
// ExportClose, through a temporary file: a failed export leaves the last one as it was.
class XMLdetail {
public:
    // Reads the head and asks for the export's name; Ready tells whether it succeeded.
    void ExportStart();
    bool Ready() const { return ready_; }

    void Item(vb::Integer row);
    void Quantity(const std::string& text);
    void Desc(const std::string& text);
    void UnitPrice(const std::string& text);
    void LinePrice(const std::string& text);
    void Part(const std::string& text);

    // Ends the document, writes the file and says how it went.
    void ExportClose();

    static std::string HeaderPath();
    static std::string ExportPath();

private:
    void Element(const char* name, const std::string& text);

    bool ready_ = false;
    std::string document_;  // UTF-8 until it is written
};

// The text of an item element: "&", "<", ">" and quotes as entities.
std::string XmlEscape(const std::string& text);
// A description as the quoting program takes it: without the trailing blanks and the one
// colon that end the estimate's descriptions.
std::string ExportDescription(const std::string& description);
// A price without its leading "$".
std::string ExportPrice(const std::string& price);

}  // namespace zomel
