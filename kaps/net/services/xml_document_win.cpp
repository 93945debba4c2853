#include "kaps/net/services/xml_document_win.h"

#include <oleauto.h>

#include "base/bstr_win.h"

namespace vimo {

namespace {

// The DOM identifiers (the import library lacks them).
const CLSID kDomDocument = {0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kIXmlDomDocument2 = {0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
const IID kIXmlDomElement = {0x2933BF86, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

} // namespace

void XmlDocument::Release() {
    root_.Reset();
    document_.Reset();
}

bool XmlDocument::Load(const std::string& path) {
    Release();
    if (FAILED(CoCreateInstance(kDomDocument, nullptr, CLSCTX_ALL, kIXmlDomDocument2,
                                reinterpret_cast<void**>(document_.Receive()))))
        return false;
    document_->put_async(VARIANT_FALSE);
    // XPath, not the older pattern language whose positions count from 0.
    VARIANT language;
    VariantInit(&language);
    language.vt = VT_BSTR;
    Bstr xpath("XPath");
    language.bstrVal = xpath.Get();
    Bstr property("SelectionLanguage");
    document_->setProperty(property.Get(), language);

    VARIANT file;
    VariantInit(&file);
    file.vt = VT_BSTR;
    Bstr name(path);
    file.bstrVal = name.Get();
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(document_->load(file, &loaded)) || loaded != VARIANT_TRUE) {
        Release();
        return false;
    }
    document_->get_documentElement(root_.Receive());
    return true;
}

bool SelectNodes(IXMLDOMNode* from, const std::string& xpath, std::vector<ComPtr<IXMLDOMNode>>& nodes) {
    nodes.clear();
    if (!from) return false;
    ComPtr<IXMLDOMNodeList> list;
    Bstr expression(xpath);
    if (from->selectNodes(expression.Get(), list.Receive()) != S_OK || !list) return false;
    long length = 0;
    list->get_length(&length);
    for (long i = 0; i < length; ++i) {
        ComPtr<IXMLDOMNode> node;
        if (list->get_item(i, node.Receive()) == S_OK && node) nodes.push_back(std::move(node));
    }
    return true;
}

std::vector<ComPtr<IXMLDOMNode>> SelectNodes(IXMLDOMNode* from, const std::string& xpath) {
    std::vector<ComPtr<IXMLDOMNode>> nodes;
    SelectNodes(from, xpath, nodes);
    return nodes;
}

std::string SelectText(IXMLDOMNode* from, const std::string& xpath) {
    if (!from) return {};
    ComPtr<IXMLDOMNode> node;
    Bstr expression(xpath);
    if (from->selectSingleNode(expression.Get(), node.Receive()) != S_OK || !node) return {};
    Bstr text;
    node->get_text(text.Receive());
    return text.Narrow();
}

std::string AttributeText(IXMLDOMNode* node, const std::string& name) {
    if (!node) return {};
    ComPtr<IXMLDOMElement> element;
    if (FAILED(node->QueryInterface(kIXmlDomElement, reinterpret_cast<void**>(element.Receive()))) || !element)
        return {};
    VARIANT value;
    VariantInit(&value);
    Bstr attribute(name);
    std::string text;
    if (element->getAttribute(attribute.Get(), &value) == S_OK && value.vt == VT_BSTR) {
        Bstr owned;
        *owned.Receive() = value.bstrVal; // takes the string over
        text = owned.Narrow();
    } else {
        VariantClear(&value);
    }
    return text;
}

} // namespace vimo
