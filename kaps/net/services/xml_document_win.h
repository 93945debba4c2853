#pragma once
// An XML file loaded into an MSXML DOM document and read with XPath (positions count from 1).
#include <windows.h>
#include <msxml2.h>

#include <string>
#include <vector>

#include "base/com_ptr_win.h"

namespace vimo {

class XmlDocument {
public:
    // Loads the file (COM is initialised on the calling thread); false when the DOM object cannot be
    // made or the file does not load as XML. Drops what an earlier load held.
    bool Load(const std::string& path);
    // The root element, or null.
    IXMLDOMElement* Root() const { return root_.Get(); }
    void Release();

private:
    ComPtr<IXMLDOMDocument2> document_;
    ComPtr<IXMLDOMElement> root_;
};

// The nodes an XPath expression selects from a node (in document order).
std::vector<ComPtr<IXMLDOMNode>> SelectNodes(IXMLDOMNode* from, const std::string& xpath);
// The same into nodes; false when the selection cannot be made (no node, a bad expression).
bool SelectNodes(IXMLDOMNode* from, const std::string& xpath, std::vector<ComPtr<IXMLDOMNode>>& nodes);
// The text of the first node an XPath expression selects from a node, in the program's code page;
// empty when there is none.
std::string SelectText(IXMLDOMNode* from, const std::string& xpath);
// The value of a node's attribute, or empty.
std::string AttributeText(IXMLDOMNode* node, const std::string& name);

} // namespace vimo
